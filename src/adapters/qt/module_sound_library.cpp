// Loading the sound module by the bytes of its path, whatever their encoding, keeping its
// symbols and those of the libraries it needs to itself. The module is never unloaded: its
// library lives until the program ends.
#include "adapters/qt/module_sound_library.h"

#include <utility>

#include <dlfcn.h>

namespace narabe {

namespace {

using Factory = SoundLibrary* (*)();

// Loads the module and opens its device.
ModuleSoundLibrary::Opened openModule(const std::filesystem::path& file) {
    ModuleSoundLibrary::Opened opened;
    void* module = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) return opened;
    if (const auto make = reinterpret_cast<Factory>(::dlsym(module, "narabe_sound_library"))) {
        opened.library.reset(make());
        opened.device = opened.library->dsInitialize();
    }
    return opened;
}

} // namespace

// On a thread where one can be had; where none can, the first dsInitialize does the work.
ModuleSoundLibrary::ModuleSoundLibrary(std::filesystem::path file)
    : opening_(std::async(std::launch::async | std::launch::deferred,
                          [file = std::move(file)] { return openModule(file); })) {}

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
