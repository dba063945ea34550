// The sound library of the module beside the program (narabe-sound). The program itself does
// not link SDL: SDL and the system's sound libraries it needs are not loaded before the
// program starts, and their symbols stay out of the way of every library Qt loads. A thread
// of its own loads the module and opens the sound device while Qt starts and the window is
// built, and the game's first dsInitialize takes what it found, waiting for it if need be:
// start-up does not wait for the sound system's libraries one after the other with Qt's.
// Without the module there is no sound device: dsInitialize gives 0 and the game says so,
// then runs silently.
#pragma once

#include "ports/sound_library.h"

#include <filesystem>
#include <future>
#include <memory>

namespace narabe {

// The end of a module's file name on this system.
inline constexpr const char* MODULE_SUFFIX =
#if defined(__APPLE__)
    ".dylib";
#else
    ".so";
#endif

class ModuleSoundLibrary final : public SoundLibrary {
  public:
    // Starts loading the module `file` and opening its sound device.
    explicit ModuleSoundLibrary(std::filesystem::path file);
    ~ModuleSoundLibrary() override;
    ModuleSoundLibrary(const ModuleSoundLibrary&) = delete;
    ModuleSoundLibrary& operator=(const ModuleSoundLibrary&) = delete;

    std::int32_t dsInitialize() override;
    std::int32_t dsCreateDSB(std::int32_t device, std::span<const std::byte> image,
                             std::string_view source) override;
    void dsPlay(std::int32_t buffer) override;
    void dsPlayLooping(std::int32_t buffer) override;
    void dsStop(std::int32_t buffer) override;
    void dsFree(std::int32_t buffer) override;
    void dsTerminate(std::int32_t device) override;

    // The module's library and what its dsInitialize gave.
    struct Opened {
        std::unique_ptr<SoundLibrary> library;
        std::int32_t device = 0;
    };

  private:
    std::future<Opened> opening_;           // until the first dsInitialize
    std::unique_ptr<SoundLibrary> library_; // after it, if the module was there
};

} // namespace narabe
