// The sound library over SDL2's audio output: one device, buffers decoded from checked WAV
// images, effects that may overlap themselves and music that loops on a channel of its own.
// The output is open only while something plays and for a second after: then it is closed,
// so that an idle game has no thread waking up to mix silence, and the next play opens it
// again. Options choose the audio driver without the environment (the script runner asks
// for SDL's silent "dummy" driver) and can make the device fail to open.
#pragma once

#include "adapters/sdl/channel_mixer.h"
#include "ports/sound_library.h"

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

struct SDL_Thread;

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
    static constexpr int EFFECT_CHANNELS = ChannelMixer::EFFECT_CHANNELS;
    static constexpr int LOOP_CHANNELS = ChannelMixer::LOOP_CHANNELS;

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

    // Whether the device is open (from dsInitialize to dsTerminate), and how many buffers
    // are alive.
    [[nodiscard]] bool isOpen() const;
    [[nodiscard]] std::size_t bufferCount() const;
    // How many channels are playing the buffer now (0 for unknown handles).
    [[nodiscard]] int playingChannels(std::int32_t buffer) const;
    // Whether the audio output is open now: while something plays, and until a second of
    // silence has passed and the output was closed.
    [[nodiscard]] bool isOutputOpen() const;

  private:
    struct Samples;
    struct Buffer {
        std::unique_ptr<Samples> samples;
        int loopChannel = -1;
    };

    [[nodiscard]] Buffer* find(std::int32_t buffer);
    [[nodiscard]] bool openOutput(std::unique_lock<std::mutex>& held);
    // Takes the output away when nothing plays, for the caller to close; 0 otherwise.
    [[nodiscard]] std::uint32_t detachIfSilent();
    void closeOutput();
    void freeAll();
    void startCloser();
    void stopCloser();

    // The output's callback: mixes the playing channels and, once nothing has played for a
    // second, asks the closer thread to close the output. It runs on SDL's audio thread with the
    // output locked, so it must not close the output itself.
    static void fill(void* self, std::uint8_t* stream, int bytes);
    // The closer thread: sleeps until asked, then closes the output if it is still silent,
    // without holding up the calls meanwhile.
    static int closer(void* self);

    Options options_;
    bool open_ = false;
    std::map<std::int32_t, Buffer> buffers_;
    std::int32_t nextHandle_ = 1;

    // The calls of the library and the closer thread take turns under this lock; the mixer
    // is touched only with the output locked too.
    mutable std::mutex lock_;
    std::uint32_t output_ = 0;  // SDL's audio device while the output is open, else 0
    std::uint32_t closing_ = 0; // an output the closer thread is closing, else 0
    std::condition_variable closed_;
    ChannelMixer mixer_;
    int silentBuffers_ = 0; // buffers of silence in a row, counted by the callback

    // The closer thread's wake-up: asked by the callback, quit by dsTerminate.
    std::mutex closerLock_;
    std::condition_variable closerWake_;
    bool closeAsked_ = false;
    bool closerQuit_ = false;
    SDL_Thread* closerThread_ = nullptr;
};

} // namespace narabe
