// The sound library over SDL2_mixer: one device, buffers decoded from checked WAV images,
// effects that may overlap themselves and music that loops on a channel of its own.
// Options choose the audio driver without the environment (the script runner asks for
// SDL's silent "dummy" driver) and can make the device fail to open.
#pragma once

#include "ports/sound_library.h"

#include <cstdint>
#include <map>
#include <string>

struct Mix_Chunk;

namespace narabe {

class SdlSoundLibrary final : public SoundLibrary {
  public:
    struct Options {
        // The SDL audio driver to open ("dummy" is a silent sink); empty for SDL's choice.
        std::string driver;
        // When set, dsInitialize gives 0 as if there were no sound device.
        bool failDevice = false;
    };

    // Channels that play effects (dsPlay), and channels kept for loops (dsPlayLooping).
    static constexpr int EFFECT_CHANNELS = 16;
    static constexpr int LOOP_CHANNELS = 2;

    SdlSoundLibrary();
    explicit SdlSoundLibrary(Options options);
    ~SdlSoundLibrary() override;
    SdlSoundLibrary(const SdlSoundLibrary&) = delete;
    SdlSoundLibrary& operator=(const SdlSoundLibrary&) = delete;

    std::int32_t dsInitialize(std::uintptr_t window) override;
    std::int32_t dsCreateDSB(std::int32_t device, std::span<const std::byte> image,
                             std::int32_t mode, std::string_view source) override;
    void dsPlay(std::int32_t buffer) override;
    void dsPlayLooping(std::int32_t buffer) override;
    void dsStop(std::int32_t buffer) override;
    void dsFree(std::int32_t buffer) override;
    void dsTerminate(std::int32_t device) override;

    // Whether the device is open, and how many buffers are alive.
    [[nodiscard]] bool isOpen() const { return open_; }
    [[nodiscard]] std::size_t bufferCount() const { return buffers_.size(); }
    // How many channels are playing the buffer now (0 for unknown handles).
    [[nodiscard]] int playingChannels(std::int32_t buffer) const;

  private:
    struct Buffer {
        Mix_Chunk* chunk = nullptr;
        int loopChannel = -1;
    };

    [[nodiscard]] Buffer* find(std::int32_t buffer);
    void stopChannels(const Buffer& buffer);
    void freeAll();

    Options options_;
    bool open_ = false;
    std::map<std::int32_t, Buffer> buffers_;
    std::int32_t nextHandle_ = 1;
};

} // namespace narabe
