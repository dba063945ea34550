// The sound library over SDL2's audio output: one device, buffers decoded from checked WAV
// images, effects that may overlap themselves and music that loops on a channel of its own.
// The output is open only while something plays and for a second after: then it is closed,
// so that an idle game has no thread waking up to mix silence, and the next play opens it
// again. Options choose the audio driver without the environment (the script runner asks
// for SDL's silent "dummy" driver) and can make the device fail to open.
//
// One thread owns the device: from dsInitialize to dsTerminate a thread of the library's own
// makes every call into SDL (starting its audio, opening and closing the output, decoding)
// and keeps every buffer. Each call of the library hands its work to that thread and waits
// for it; SDL does not promise that its outputs may be opened and closed from several
// threads. Between calls the thread sleeps until asked.
#pragma once

#include "adapters/sdl/channel_mixer.h"
#include "ports/sound_library.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace narabe {

namespace test {
class SdlSoundLibraryView;
} // namespace test

// Frees memory that SDL allocated.
struct SdlFree {
    void operator()(std::uint8_t* bytes) const;
};

class SdlSoundLibrary final : public SoundLibrary {
  public:
    struct Options {
        // The SDL audio driver to open ("dummy" is a silent sink); empty for SDL's choice.
        std::string driver;
        // When set, dsInitialize gives 0 as if there were no sound device.
        bool failDevice = false;
    };

    SdlSoundLibrary();
    explicit SdlSoundLibrary(Options options);
    ~SdlSoundLibrary() override;
    SdlSoundLibrary(const SdlSoundLibrary&) = delete;
    SdlSoundLibrary& operator=(const SdlSoundLibrary&) = delete;

    std::int32_t dsInitialize() override;
    std::int32_t dsCreateDSB(std::int32_t device, std::span<const std::byte> image,
                             std::string_view source) override;
    void dsPlay(std::int32_t buffer) override;
    void dsPlayLooping(std::int32_t buffer) override;
    void dsStop(std::int32_t buffer) override;
    void dsFree(std::int32_t buffer) override;
    void dsTerminate(std::int32_t device) override;

  private:
    // The tests read the library's state through a view of their own.
    friend class test::SdlSoundLibraryView;

    // A buffer: its samples in the output's format, the mixer's view of them, and the
    // channel it loops on. A buffer stays in its place in the map until it is freed, so the
    // mixer may keep a pointer to its samples.
    struct Buffer {
        std::unique_ptr<std::uint8_t, SdlFree> data;
        SampleBytes bytes;
        int loopChannel = -1;
    };

    // Runs `work` on the owner thread and waits for it; false, without running it, while the
    // device is closed (there is no owner then, and no SDL state to work on).
    bool ask(const std::function<void()>& work) const;
    // The hand-over itself, for a caller whose turn it is while the owner runs.
    void handOver(const std::function<void()>& work) const;
    // Has the owner close everything it opened, and waits for it to end.
    void stopOwner();
    // The owner thread: runs what it is asked, closes a silent output when the output's
    // callback asks for it, and on quitting closes everything it opened.
    void own();

    // What the owner thread does; nothing below is touched by any other thread, except the
    // mixer and the count of silent buffers, which the output's callback uses with the output
    // locked.
    [[nodiscard]] bool start();
    [[nodiscard]] Buffer* find(std::int32_t buffer);
    [[nodiscard]] bool openOutput();
    void closeOutput();
    void closeIfSilent();

    // The output's callback, on SDL's audio thread with the output locked: mixes the playing
    // channels and, once nothing has played for a second, asks the owner to close the output.
    // It must not close the output itself: closing waits for this very thread to end.
    static void fill(void* self, std::uint8_t* stream, int bytes);

    Options options_;
    std::map<std::int32_t, Buffer> buffers_;
    std::int32_t nextHandle_ = 1;
    bool audioStarted_ = false;
    std::uint32_t output_ = 0; // SDL's audio device while the output is open, else 0
    ChannelMixer mixer_;
    int silentBuffers_ = 0; // buffers of silence in a row, counted by the callback

    // The owner thread runs from dsInitialize to dsTerminate. Callers take turns (`turn_`);
    // the hand-over (the work asked for, a close asked by the callback, the quit) is guarded
    // by `handOver_`.
    std::thread owner_;
    mutable std::mutex turn_;
    mutable std::mutex handOver_;
    mutable std::condition_variable asked_;
    mutable std::condition_variable answered_;
    mutable const std::function<void()>* work_ = nullptr;
    bool closeAsked_ = false;
    bool quit_ = false;
};

} // namespace narabe
