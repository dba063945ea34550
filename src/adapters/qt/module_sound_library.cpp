// Loading the sound module with QLibrary, which keeps its symbols and those of the libraries
// it needs to itself. The module is never unloaded: its library lives until the program ends.
#include "adapters/qt/module_sound_library.h"

#include <QLibrary>

namespace narabe {

namespace {

using Factory = SoundLibrary* (*)();

} // namespace

ModuleSoundLibrary::ModuleSoundLibrary(const QString& path)
    : loader_([this, path] {
          QLibrary module(path);
          if (const auto make = reinterpret_cast<Factory>(module.resolve("narabe_sound_library")))
              library_.reset(make());
      }) {}

ModuleSoundLibrary::~ModuleSoundLibrary() {
    loaded();
}

SoundLibrary* ModuleSoundLibrary::loaded() {
    if (loader_.joinable()) loader_.join();
    return library_.get();
}

std::int32_t ModuleSoundLibrary::dsInitialize(std::uintptr_t window) {
    SoundLibrary* library = loaded();
    return library != nullptr ? library->dsInitialize(window) : 0;
}

std::int32_t ModuleSoundLibrary::dsCreateDSB(std::int32_t device, std::span<const std::byte> image,
                                             std::int32_t mode, std::string_view source) {
    SoundLibrary* library = loaded();
    return library != nullptr ? library->dsCreateDSB(device, image, mode, source) : 0;
}

void ModuleSoundLibrary::dsPlay(std::int32_t buffer) {
    if (SoundLibrary* library = loaded()) library->dsPlay(buffer);
}

void ModuleSoundLibrary::dsPlayLooping(std::int32_t buffer) {
    if (SoundLibrary* library = loaded()) library->dsPlayLooping(buffer);
}

void ModuleSoundLibrary::dsStop(std::int32_t buffer) {
    if (SoundLibrary* library = loaded()) library->dsStop(buffer);
}

void ModuleSoundLibrary::dsFree(std::int32_t buffer) {
    if (SoundLibrary* library = loaded()) library->dsFree(buffer);
}

void ModuleSoundLibrary::dsTerminate(std::int32_t device) {
    if (SoundLibrary* library = loaded()) library->dsTerminate(device);
}

} // namespace narabe
