// Loading the sound module with QLibrary, which keeps its symbols and those of the libraries
// it needs to itself. The module is never unloaded: its library lives until the program ends.
#include "adapters/qt/module_sound_library.h"

#include <QLibrary>

#include <utility>

namespace narabe {

namespace {

using Factory = SoundLibrary* (*)();

// Loads the module and opens its device.
ModuleSoundLibrary::Opened openModule(const QString& path) {
    ModuleSoundLibrary::Opened opened;
    QLibrary module(path);
    if (const auto make = reinterpret_cast<Factory>(module.resolve("narabe_sound_library"))) {
        opened.library.reset(make());
        opened.device = opened.library->dsInitialize();
    }
    return opened;
}

} // namespace

// On a thread where one can be had; where none can, the first dsInitialize does the work.
ModuleSoundLibrary::ModuleSoundLibrary(QString path)
    : opening_(std::async(std::launch::async | std::launch::deferred,
                          [path = std::move(path)] { return openModule(path); })) {}

ModuleSoundLibrary::~ModuleSoundLibrary() = default;

std::int32_t ModuleSoundLibrary::dsInitialize() {
    if (opening_.valid()) {
        Opened opened = opening_.get();
        library_ = std::move(opened.library);
        return opened.device;
    }
    return library_ ? library_->dsInitialize() : 0;
}

std::int32_t ModuleSoundLibrary::dsCreateDSB(std::int32_t device, std::span<const std::byte> image,
                                             std::string_view source) {
    return library_ ? library_->dsCreateDSB(device, image, source) : 0;
}

void ModuleSoundLibrary::dsPlay(std::int32_t buffer) {
    if (library_) library_->dsPlay(buffer);
}

void ModuleSoundLibrary::dsPlayLooping(std::int32_t buffer) {
    if (library_) library_->dsPlayLooping(buffer);
}

void ModuleSoundLibrary::dsStop(std::int32_t buffer) {
    if (library_) library_->dsStop(buffer);
}

void ModuleSoundLibrary::dsFree(std::int32_t buffer) {
    if (library_) library_->dsFree(buffer);
}

void ModuleSoundLibrary::dsTerminate(std::int32_t device) {
    if (library_) library_->dsTerminate(device);
}

} // namespace narabe
