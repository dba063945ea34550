// The sound library of the module beside the program (narabe-sound), loaded on a thread of
// its own from the moment this object is made, while the window is being built. Every call
// first waits for the load to end. Without the module there is no sound device: dsInitialize
// gives 0 and the game says so, then runs silently.
#pragma once

#include "ports/sound_library.h"

#include <QString>

#include <memory>
#include <thread>

namespace narabe {

class ModuleSoundLibrary final : public SoundLibrary {
  public:
    // Starts loading the module at `path` (without its suffix, as QLibrary takes it).
    explicit ModuleSoundLibrary(const QString& path);
    ~ModuleSoundLibrary() override;
    ModuleSoundLibrary(const ModuleSoundLibrary&) = delete;
    ModuleSoundLibrary& operator=(const ModuleSoundLibrary&) = delete;

    std::int32_t dsInitialize(std::uintptr_t window) override;
    std::int32_t dsCreateDSB(std::int32_t device, std::span<const std::byte> image,
                             std::int32_t mode, std::string_view source) override;
    void dsPlay(std::int32_t buffer) override;
    void dsPlayLooping(std::int32_t buffer) override;
    void dsStop(std::int32_t buffer) override;
    void dsFree(std::int32_t buffer) override;
    void dsTerminate(std::int32_t device) override;

  private:
    // The loaded library once the load has ended, or nullptr without the module.
    SoundLibrary* loaded();

    // Declared before the thread that sets it, so that it exists when the thread starts.
    std::unique_ptr<SoundLibrary> library_;
    std::thread loader_;
};

} // namespace narabe
