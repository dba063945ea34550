// The sound library of the module beside the program (narabe-sound), loaded by dsInitialize,
// when the game first asks for sound. The program itself does not link SDL: SDL and the
// system's sound libraries it needs are not loaded before the program starts, and their
// symbols stay out of the way of every library Qt loads while it starts. Without the module
// there is no sound device: dsInitialize gives 0 and the game says so, then runs silently.
#pragma once

#include "ports/sound_library.h"

#include <QString>

#include <memory>

namespace narabe {

class ModuleSoundLibrary final : public SoundLibrary {
  public:
    // The module at `path` (without its suffix, as QLibrary takes it).
    explicit ModuleSoundLibrary(QString path);
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
    QString path_;
    std::unique_ptr<SoundLibrary> library_; // once the module has been loaded
};

} // namespace narabe
