// Loading the sound module with QLibrary, which keeps its symbols and those of the libraries
// it needs to itself. The module is never unloaded: its library lives until the program ends.
#include "adapters/qt/module_sound_library.h"

#include <QLibrary>

#include <utility>

namespace narabe {

namespace {

using Factory = SoundLibrary* (*)();

} // namespace

ModuleSoundLibrary::ModuleSoundLibrary(QString path) : path_(std::move(path)) {}

ModuleSoundLibrary::~ModuleSoundLibrary() = default;

std::int32_t ModuleSoundLibrary::dsInitialize(std::uintptr_t window) {
    if (!library_) {
        QLibrary module(path_);
        if (const auto make = reinterpret_cast<Factory>(module.resolve("narabe_sound_library")))
            library_.reset(make());
    }
    return library_ ? library_->dsInitialize(window) : 0;
}

std::int32_t ModuleSoundLibrary::dsCreateDSB(std::int32_t device, std::span<const std::byte> image,
                                             std::int32_t mode, std::string_view source) {
    return library_ ? library_->dsCreateDSB(device, image, mode, source) : 0;
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
