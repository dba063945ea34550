// The channel mixer against a plain reference: what each channel plays sample by sample
// (once to its end, or over and over), added channel after channel with clipping at every
// step, whatever the sizes of the pieces the output asks for; and which channel a new sound
// takes when channels are busy.
#include "adapters/sdl/channel_mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace narabe::test {
namespace {

using Samples16 = std::vector<std::int16_t>;

// A sound of 16-bit samples in the machine's byte order, as the mixer takes it.
struct Sound {
    explicit Sound(const Samples16& values) : bytes(values.size() * 2) {
        if (!values.empty()) std::memcpy(bytes.data(), values.data(), bytes.size());
        view = SampleBytes(bytes.data(), bytes.size());
    }
    std::vector<std::uint8_t> bytes;
    SampleBytes view;
};

// Mixes `frames` samples from silence in pieces of the given sizes (repeated).
Samples16 mixInPieces(ChannelMixer& mixer, std::size_t frames,
                      const std::vector<std::size_t>& pieces) {
    std::vector<std::uint8_t> out(frames * 2, 0);
    std::size_t at = 0;
    for (std::size_t i = 0; at < frames; ++i) {
        const std::size_t n = std::min(pieces[i % pieces.size()], frames - at);
        mixer.mix(std::span(out).subspan(at * 2, n * 2));
        at += n;
    }
    Samples16 samples(frames);
    std::memcpy(samples.data(), out.data(), out.size());
    return samples;
}

struct Voice {
    Samples16 samples;
    bool loop;
};

// What the channels, started in this order on free channels, make together: each voice's
// sample at every position (nothing after the end of a sound played once), added one voice
// after another and clipped at each addition.
Samples16 reference(const std::vector<Voice>& voices, std::size_t frames) {
    Samples16 out(frames, 0);
    for (const Voice& v : voices)
        for (std::size_t i = 0; i < frames; ++i) {
            if (!v.loop && i >= v.samples.size()) break;
            const int sum = out[i] + v.samples[i % v.samples.size()];
            out[i] = static_cast<std::int16_t>(std::clamp(sum, -32768, 32767));
        }
    return out;
}

struct MixCase {
    std::string name;
    std::vector<Voice> voices;
    std::size_t frames;
};

std::vector<MixCase> mixCases() {
    const Samples16 ramp = {1, 2, 3, 4, 5};
    const Samples16 loud = {30000, -30000, 20000, -20000};
    return {
        {"one sound once, then silence", {{ramp, false}}, 12},
        {"one loop, wrapping several times", {{ramp, true}}, 17},
        {"a sound longer than the output", {{Samples16(40, 7), false}}, 25},
        {"two sounds add up", {{ramp, false}, {{10, 20, 30}, false}}, 8},
        {"clipping at both ends", {{loud, true}, {loud, true}}, 9},
        // Clipping happens at each addition: 30000 + 30000 clips to 32767 before the third
        // voice takes 30000 away again.
        {"clipping in channel order", {{{30000}, true}, {{30000}, true}, {{-30000}, true}}, 3},
        {"a loop and a sound once", {{{-5, 5}, true}, {ramp, false}}, 11},
        {"a one-sample loop", {{{-32768}, true}, {{-1}, true}}, 4},
    };
}

TEST(ChannelMixer, MixesAsTheReferenceInAnyPieces) {
    std::mt19937 random(99);
    for (const MixCase& c : mixCases()) {
        std::vector<Sound> sounds;
        for (const Voice& v : c.voices)
            sounds.emplace_back(v.samples);
        const Samples16 expected = reference(c.voices, c.frames);
        // Whole, one sample at a time, and random piece sizes.
        std::vector<std::vector<std::size_t>> splits = {{c.frames}, {1}};
        for (int r = 0; r < 20; ++r)
            splits.push_back({1 + random() % 6, 1 + random() % 9, 1 + random() % 4});
        for (const auto& pieces : splits) {
            ChannelMixer mixer;
            for (std::size_t i = 0; i < sounds.size(); ++i) {
                if (c.voices[i].loop)
                    EXPECT_GE(mixer.playLoop(&sounds[i].view), 0) << c.name;
                else
                    mixer.playOnce(&sounds[i].view);
            }
            EXPECT_EQ(mixInPieces(mixer, c.frames, pieces), expected)
                << c.name << ", first piece " << pieces[0];
        }
    }
}

TEST(ChannelMixer, ASoundPlayedOnceFreesItsChannelAtItsEnd) {
    const Sound five(Samples16(5, 1));
    ChannelMixer mixer;
    mixer.playOnce(&five.view);
    mixInPieces(mixer, 4, {4});
    EXPECT_EQ(mixer.playing(&five.view), 1);
    EXPECT_FALSE(mixer.silent());
    mixInPieces(mixer, 1, {1});
    EXPECT_EQ(mixer.playing(&five.view), 0);
    EXPECT_TRUE(mixer.silent());
}

TEST(ChannelMixer, AnEmptySoundDoesNotPlay) {
    const Sound empty(Samples16{});
    ChannelMixer mixer;
    mixer.playOnce(&empty.view);
    EXPECT_EQ(mixer.playLoop(&empty.view), -1);
    EXPECT_TRUE(mixer.silent());
}

TEST(ChannelMixer, ChannelsForLoopsAndEffects) {
    const Sound a(Samples16(100, 1));
    const Sound b(Samples16(100, 2));
    ChannelMixer mixer;
    // Loops take the loop channels first, then free effect channels.
    EXPECT_EQ(mixer.playLoop(&a.view), 0);
    EXPECT_EQ(mixer.playLoop(&a.view), 1);
    EXPECT_EQ(mixer.playLoop(&a.view), ChannelMixer::LOOP_CHANNELS);
    EXPECT_TRUE(mixer.isPlaying(1, &a.view));
    EXPECT_FALSE(mixer.isPlaying(1, &b.view));
    EXPECT_FALSE(mixer.isPlaying(-1, &a.view));
    EXPECT_FALSE(mixer.isPlaying(ChannelMixer::CHANNELS, &a.view));
    // Effects fill the rest; then each new one takes the effect channel that started
    // longest ago, the borrowed loop first, and never a loop channel.
    for (int i = 0; i < ChannelMixer::EFFECT_CHANNELS - 1; ++i)
        mixer.playOnce(&b.view);
    EXPECT_EQ(mixer.playing(&b.view), ChannelMixer::EFFECT_CHANNELS - 1);
    EXPECT_EQ(mixer.playLoop(&b.view), -1);
    mixer.playOnce(&b.view);
    EXPECT_EQ(mixer.playing(&a.view), 2);
    EXPECT_EQ(mixer.playing(&b.view), ChannelMixer::EFFECT_CHANNELS);
    for (int i = 0; i < 3 * ChannelMixer::EFFECT_CHANNELS; ++i)
        mixer.playOnce(&b.view);
    EXPECT_TRUE(mixer.isPlaying(0, &a.view));
    EXPECT_TRUE(mixer.isPlaying(1, &a.view));
    // Stopping a sound frees all its channels.
    mixer.stop(&a.view);
    EXPECT_EQ(mixer.playing(&a.view), 0);
    EXPECT_FALSE(mixer.silent());
    mixer.stopAll();
    EXPECT_TRUE(mixer.silent());
}

} // namespace
} // namespace narabe::test
