// The SDL2 sound library, on SDL's silent "dummy" driver: which images become buffers, that
// no call is hurt by handles of 0, unknown or freed handles, how effects overlap and music
// loops, the device's life from opening to closing, and that the output is open only while
// something plays.
#include "adapters/sdl/sdl_sound_library.h"
#include "sound/sdl_library_view.h"

#include "adapters/sdl/wav_check.h"
#include "sound/wave_cases.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>

namespace narabe::test {
namespace {

SdlSoundLibrary::Options dummy() {
    return {.driver = "dummy"};
}

class SdlSoundLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        device = library.dsInitialize();
        ASSERT_NE(device, 0);
    }
    // A buffer of a tone long enough to be still playing while a test looks.
    std::int32_t longTone() { return library.dsCreateDSB(device, toneWave(3.0), "tone.wav"); }

    SdlSoundLibrary library{dummy()};
    std::int32_t device = 0;
};

TEST_F(SdlSoundLibraryTest, RefusesEveryDamagedImage) {
    for (const BadWave& bad : badWaves())
        EXPECT_EQ(library.dsCreateDSB(device, bad.image, bad.name), 0) << bad.name;
    EXPECT_EQ(bufferCount(library), 0u);
}

TEST_F(SdlSoundLibraryTest, GivesDistinctHandlesForGoodImages) {
    std::vector<std::int32_t> handles;
    for (const GoodWave& good : goodWaves()) {
        const std::int32_t handle = library.dsCreateDSB(device, good.image, good.name);
        EXPECT_GE(handle, 1) << good.name;
        for (std::int32_t other : handles)
            EXPECT_NE(handle, other) << good.name;
        handles.push_back(handle);
    }
    EXPECT_EQ(bufferCount(library), handles.size());
}

TEST_F(SdlSoundLibraryTest, RefusesRandomAndMutatedImages) {
    std::mt19937 random(4242);
    const Bytes good = toneWave(0.01);
    for (int i = 0; i < 500; ++i) {
        Bytes image = good;
        for (int flips = 1 + static_cast<int>(random() % 3); flips > 0; --flips)
            image[random() % 44] = static_cast<std::byte>(random());
        const std::int32_t handle = library.dsCreateDSB(device, image, "mutated");
        // No buffer for an image the check refuses; an accepted one plays and frees as usual.
        if (!parseWave(image)) {
            EXPECT_EQ(handle, 0) << "image " << i;
        }
        library.dsPlay(handle);
        library.dsFree(handle);
    }
    EXPECT_EQ(bufferCount(library), 0u);
}

TEST_F(SdlSoundLibraryTest, NoBufferWithoutTheDevice) {
    const Bytes image = toneWave(0.05);
    EXPECT_EQ(library.dsCreateDSB(0, image, "x"), 0);
    EXPECT_EQ(library.dsCreateDSB(device + 1, image, "x"), 0);
    EXPECT_EQ(library.dsCreateDSB(-1, image, "x"), 0);
    library.dsTerminate(device);
    EXPECT_EQ(library.dsCreateDSB(device, image, "x"), 0);
}

TEST_F(SdlSoundLibraryTest, HandlesOfZeroAndUnknownHandlesAreIgnored) {
    const std::int32_t real = longTone();
    library.dsPlay(real);
    for (std::int32_t handle : {0, -1, real + 1, 12345, INT32_MIN, INT32_MAX}) {
        library.dsPlay(handle);
        library.dsPlayLooping(handle);
        library.dsStop(handle);
        library.dsFree(handle);
        library.dsTerminate(handle);
    }
    // The real buffer and the device were not touched.
    EXPECT_TRUE(isOpen(library));
    EXPECT_EQ(bufferCount(library), 1u);
    EXPECT_EQ(playingChannels(library, real), 1);
}

TEST_F(SdlSoundLibraryTest, FreeStopsAndInvalidatesTheHandle) {
    const std::int32_t tone = longTone();
    library.dsPlay(tone);
    library.dsFree(tone);
    EXPECT_EQ(bufferCount(library), 0u);
    EXPECT_EQ(playingChannels(library, tone), 0);
    // A freed handle is unknown from then on: freeing it again or playing it is harmless.
    library.dsFree(tone);
    library.dsPlay(tone);
    library.dsPlayLooping(tone);
    library.dsStop(tone);
    EXPECT_EQ(playingChannels(library, tone), 0);
    // Handles are not reused.
    EXPECT_NE(longTone(), tone);
}

TEST_F(SdlSoundLibraryTest, EffectsOverlapThemselves) {
    const std::int32_t tone = longTone();
    library.dsPlay(tone);
    library.dsPlay(tone);
    library.dsPlay(tone);
    EXPECT_EQ(playingChannels(library, tone), 3);
    library.dsStop(tone);
    EXPECT_EQ(playingChannels(library, tone), 0);
}

TEST_F(SdlSoundLibraryTest, AFloodOfEffectsTakesTheOldestChannels) {
    const std::int32_t tone = longTone();
    for (int i = 0; i < 3 * ChannelMixer::EFFECT_CHANNELS; ++i)
        library.dsPlay(tone);
    EXPECT_EQ(playingChannels(library, tone), ChannelMixer::EFFECT_CHANNELS);
}

TEST_F(SdlSoundLibraryTest, MusicLoopsOnceOnItsOwnChannel) {
    const std::int32_t music = longTone();
    const std::int32_t effect = longTone();
    library.dsPlayLooping(music);
    library.dsPlayLooping(music); // already looping: left as it is
    EXPECT_EQ(playingChannels(library, music), 1);
    // Effects filling every effect channel do not take the music's channel.
    for (int i = 0; i < 2 * ChannelMixer::EFFECT_CHANNELS; ++i)
        library.dsPlay(effect);
    EXPECT_EQ(playingChannels(library, music), 1);
    EXPECT_EQ(playingChannels(library, effect), ChannelMixer::EFFECT_CHANNELS);
    // Stopping the effect leaves the music; stopping the music ends it; it can start again.
    library.dsStop(effect);
    EXPECT_EQ(playingChannels(library, music), 1);
    library.dsStop(music);
    EXPECT_EQ(playingChannels(library, music), 0);
    library.dsPlayLooping(music);
    EXPECT_EQ(playingChannels(library, music), 1);
}

TEST_F(SdlSoundLibraryTest, SeveralLoopsCanPlayAtOnce) {
    std::vector<std::int32_t> loops;
    for (int i = 0; i < ChannelMixer::LOOP_CHANNELS + 2; ++i) {
        loops.push_back(longTone());
        library.dsPlayLooping(loops.back());
    }
    for (std::int32_t loop : loops)
        EXPECT_EQ(playingChannels(library, loop), 1);
}

TEST_F(SdlSoundLibraryTest, SecondInitializeKeepsTheOpenDevice) {
    const std::int32_t tone = longTone();
    library.dsPlay(tone);
    EXPECT_EQ(library.dsInitialize(), device);
    EXPECT_EQ(bufferCount(library), 1u);
    EXPECT_EQ(playingChannels(library, tone), 1);
}

TEST_F(SdlSoundLibraryTest, TerminateClosesAndFreesEverything) {
    const std::int32_t tone = longTone();
    const std::int32_t music = longTone();
    library.dsPlay(tone);
    library.dsPlayLooping(music);
    library.dsTerminate(device);
    EXPECT_FALSE(isOpen(library));
    EXPECT_EQ(bufferCount(library), 0u);
    // Everything after is harmless, closing again included.
    library.dsPlay(tone);
    library.dsFree(music);
    library.dsTerminate(device);
    // The device can be opened again; the old handles stay unknown.
    ASSERT_EQ(library.dsInitialize(), device);
    library.dsPlay(tone);
    EXPECT_EQ(playingChannels(library, tone), 0);
    const std::int32_t fresh = longTone();
    EXPECT_NE(fresh, tone);
    EXPECT_NE(fresh, music);
}

// Waits, for ten seconds at most, until the output has been closed.
bool outputCloses(const SdlSoundLibrary& library) {
    for (int i = 0; i < 1000 && isOutputOpen(library); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return !isOutputOpen(library);
}

// Calls on a short effect, a long effect and a long music buffer.
struct OutputCall {
    enum Kind { PLAY, LOOP, STOP, FREE } kind;
    enum Buffer { BLIP, TONE, MUSIC } buffer;
};

TEST(SdlSoundLibraryOutput, ClosesByItselfWhenNothingPlaysAndOpensForTheNextPlay) {
    using C = OutputCall;
    // Each script leaves nothing playing.
    const std::vector<std::vector<OutputCall>> scripts = {
        {},
        {{C::PLAY, C::BLIP}},
        {{C::PLAY, C::BLIP}, {C::PLAY, C::BLIP}, {C::STOP, C::TONE}},
        {{C::LOOP, C::MUSIC}, {C::STOP, C::MUSIC}},
        {{C::PLAY, C::TONE}, {C::FREE, C::TONE}},
        {{C::LOOP, C::MUSIC}, {C::PLAY, C::TONE}, {C::STOP, C::TONE}, {C::FREE, C::MUSIC}},
        {{C::LOOP, C::TONE}, {C::PLAY, C::TONE}, {C::STOP, C::TONE}},
    };
    for (std::size_t n = 0; n < scripts.size(); ++n) {
        SdlSoundLibrary library(dummy());
        ASSERT_EQ(library.dsInitialize(), 1);
        const std::int32_t buffers[] = {
            library.dsCreateDSB(1, toneWave(0.05), "blip"),
            library.dsCreateDSB(1, toneWave(3.0), "tone"),
            library.dsCreateDSB(1, toneWave(3.0), "music"),
        };
        for (const OutputCall& call : scripts[n]) {
            const std::int32_t b = buffers[call.buffer];
            switch (call.kind) {
            case C::PLAY:
                library.dsPlay(b);
                break;
            case C::LOOP:
                library.dsPlayLooping(b);
                break;
            case C::STOP:
                library.dsStop(b);
                break;
            case C::FREE:
                library.dsFree(b);
                break;
            }
            if (call.kind == C::PLAY || call.kind == C::LOOP) {
                EXPECT_TRUE(isOutputOpen(library)) << "script " << n;
            }
        }
        EXPECT_TRUE(outputCloses(library)) << "script " << n;
        // The next play opens the output again.
        const std::int32_t tone = library.dsCreateDSB(1, toneWave(3.0), "again");
        library.dsPlay(tone);
        EXPECT_TRUE(isOutputOpen(library)) << "script " << n;
        EXPECT_EQ(playingChannels(library, tone), 1) << "script " << n;
    }
}

TEST_F(SdlSoundLibraryTest, APlayWhileTheOutputIsBeingClosedStillPlays) {
    // The dummy driver has a single output, which cannot be opened again until it has been
    // closed: a play right after the close must wait for it, not fail.
    const std::int32_t blip = library.dsCreateDSB(device, toneWave(0.01), "blip");
    const std::int32_t tone = longTone();
    for (int i = 0; i < 3; ++i) {
        library.dsPlay(blip);
        for (int wait = 0; wait < 10000 && isOutputOpen(library); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ASSERT_FALSE(isOutputOpen(library)) << "round " << i;
        library.dsPlay(tone); // the output was closed just now
        EXPECT_TRUE(isOutputOpen(library)) << "round " << i;
        EXPECT_EQ(playingChannels(library, tone), 1) << "round " << i;
        library.dsStop(tone);
    }
}

TEST_F(SdlSoundLibraryTest, ALoopKeepsTheOutputOpen) {
    const std::int32_t music = longTone();
    library.dsPlayLooping(music);
    // Longer than the second of silence after which the output closes, and than the tone.
    std::this_thread::sleep_for(std::chrono::milliseconds(3500));
    EXPECT_TRUE(isOutputOpen(library));
    EXPECT_EQ(playingChannels(library, music), 1);
}

TEST_F(SdlSoundLibraryTest, SoundsEndingWhileOthersStartNeverStopTheLibrary) {
    // Sounds shorter than one buffer of the output end while the next calls come, so the
    // closes the output's callback asks for and the calls keep meeting; every call must
    // still return.
    const std::int32_t blip = library.dsCreateDSB(device, toneWave(0.001), "blip");
    const std::int32_t tone = longTone();
    for (int i = 0; i < 400; ++i) {
        library.dsPlay(blip);
        if (i % 5 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (i % 7 == 0) library.dsPlayLooping(tone);
        if (i % 11 == 0) library.dsStop(tone);
    }
    library.dsStop(tone);
    EXPECT_TRUE(outputCloses(library));
    EXPECT_EQ(bufferCount(library), 2u);
}

TEST(SdlSoundLibraryDevice, FailingOptionGivesNoDevice) {
    SdlSoundLibrary library({.driver = "dummy", .failDevice = true});
    EXPECT_EQ(library.dsInitialize(), 0);
    EXPECT_FALSE(isOpen(library));
    EXPECT_EQ(library.dsCreateDSB(1, toneWave(0.05), "x"), 0);
    library.dsTerminate(1);
}

TEST(SdlSoundLibraryDevice, DestructorClosesAnOpenDevice) {
    {
        SdlSoundLibrary library(dummy());
        ASSERT_EQ(library.dsInitialize(), 1);
        library.dsPlay(library.dsCreateDSB(1, toneWave(1.0), "x"));
    }
    // A second library can open the device afresh.
    SdlSoundLibrary again(dummy());
    EXPECT_EQ(again.dsInitialize(), 1);
}

// Sets an environment variable for the life of the object, then puts back the old value.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value, 1);
    }
    ~ScopedEnvironment() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(SdlSoundLibraryDevice, TheDriverOptionOverridesTheEnvironment) {
    const ScopedEnvironment environment("SDL_AUDIODRIVER", "no-such-driver");
    // Without the option the environment's driver is used, and it does not exist...
    SdlSoundLibrary fromEnvironment;
    EXPECT_EQ(fromEnvironment.dsInitialize(), 0);
    // ...with it, the chosen driver opens whatever the environment says.
    SdlSoundLibrary chosen(dummy());
    EXPECT_EQ(chosen.dsInitialize(), 1);
}

} // namespace
} // namespace narabe::test
