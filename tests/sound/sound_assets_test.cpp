// The five sound files shipped with the game: each is a plain 16-bit PCM file of sensible
// length that does not clip and starts and ends without a click, the music joins its end
// to its start smoothly at an even level and lasts a whole number of beats, the refusal
// buzz is no louder than the other effects, each loads through the real library, and each
// is exactly what the sound generator makes today.
#include "sounds.h"
#include "synth.h"

#include "adapters/sdl/sdl_sound_library.h"
#include "adapters/sdl/wav_check.h"
#include "sound/sdl_library_view.h"
#include "support/sound_module.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace narabe::test {
namespace {

namespace fs = std::filesystem;

struct Asset {
    const char* name; // UTF-8
    double minSeconds;
    double maxSeconds;
    bool music; // the looping music, not an effect
};

// In the order the game loads them.
constexpr Asset ASSETS[] = {
    {"その他.wav", 0.3, 1.0, false},  {"禁止.wav", 0.15, 0.5, false},
    {"石打音.wav", 0.08, 0.3, false}, {"終局.wav", 1.0, 2.5, false},
    {"BGM.wav", 15.0, 40.0, true},
};

constexpr double FULL_SCALE = 32768.0;
constexpr std::size_t MAX_MUSIC_BYTES = 1536 * 1024;

fs::path utf8Path(const char* name) {
    const std::string s(name);
    return fs::path(std::u8string(s.begin(), s.end()));
}

fs::path assetPath(const Asset& asset) {
    return fs::path(NARABE_ASSETS_DIR) / utf8Path(asset.name);
}

std::vector<std::byte> readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> chars{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::byte> bytes(chars.size());
    for (std::size_t i = 0; i < chars.size(); ++i)
        bytes[i] = static_cast<std::byte>(chars[i]);
    return bytes;
}

std::vector<double> samplesOf(const WaveImage& wave) {
    std::vector<double> samples;
    for (std::size_t i = 0; i + 1 < wave.samples.size(); i += 2) {
        const auto low = std::to_integer<unsigned>(wave.samples[i]);
        const auto high = std::to_integer<unsigned>(wave.samples[i + 1]);
        samples.push_back(static_cast<std::int16_t>(low | high << 8) / FULL_SCALE);
    }
    return samples;
}

double peak(const std::vector<double>& samples) {
    double largest = 0;
    for (double s : samples)
        largest = std::max(largest, std::abs(s));
    return largest;
}

double rms(std::vector<double>::const_iterator from, std::vector<double>::const_iterator to) {
    double sum = 0;
    for (auto it = from; it != to; ++it)
        sum += *it * *it;
    return from == to ? 0 : std::sqrt(sum / static_cast<double>(to - from));
}

double decibels(double ratio) {
    return 20 * std::log10(ratio);
}

// How loud the loud part of a sound is: the largest RMS over any `window` samples (taken
// every quarter window), so that a short sound is not made quieter by its own tail.
double loudPartRms(const std::vector<double>& s, std::size_t window) {
    if (s.size() <= window) return rms(s.begin(), s.end());
    double loudest = 0;
    for (std::size_t from = 0; from + window <= s.size(); from += window / 4)
        loudest = std::max(loudest, rms(s.begin() + static_cast<std::ptrdiff_t>(from),
                                        s.begin() + static_cast<std::ptrdiff_t>(from + window)));
    return loudest;
}

std::vector<double> samplesOfAsset(const Asset& asset, std::uint32_t* rate = nullptr) {
    const std::vector<std::byte> bytes = readFile(assetPath(asset));
    const auto wave = parseWave(bytes); // refers to `bytes`
    if (!wave) return {};
    if (rate != nullptr) *rate = wave->format.sampleRate;
    return samplesOf(*wave);
}

TEST(SoundAssets, EachIsPlainPcmOfSensibleLengthWithoutClipping) {
    for (const Asset& asset : ASSETS) {
        SCOPED_TRACE(asset.name);
        const std::vector<std::byte> bytes = readFile(assetPath(asset));
        const auto wave = parseWave(bytes);
        ASSERT_TRUE(wave);
        EXPECT_EQ(wave->extent, bytes.size());
        EXPECT_EQ(wave->format.bitsPerSample, 16);
        EXPECT_EQ(wave->format.channels, 1);
        EXPECT_TRUE(wave->format.sampleRate == 22050 || wave->format.sampleRate == 44100);

        const double seconds = static_cast<double>(wave->frames()) / wave->format.sampleRate;
        EXPECT_GE(seconds, asset.minSeconds);
        EXPECT_LE(seconds, asset.maxSeconds);

        const std::vector<double> samples = samplesOf(*wave);
        // Loud enough to hear, with headroom: never within 1 dB of full scale.
        EXPECT_GT(peak(samples), 0.25);
        EXPECT_LT(peak(samples), 0.89);
        // No click where playing starts or stops.
        EXPECT_LT(std::abs(samples.front()), 0.01);
        EXPECT_LT(std::abs(samples.back()), 0.01);
    }
}

TEST(SoundAssets, TheMusicLoopsSeamlessly) {
    const std::vector<std::byte> bytes = readFile(assetPath(ASSETS[4]));
    EXPECT_LT(bytes.size(), MAX_MUSIC_BYTES);
    const auto wave = parseWave(bytes);
    ASSERT_TRUE(wave);
    const std::vector<double> s = samplesOf(*wave);
    ASSERT_GT(s.size(), 4u);
    const std::size_t n = s.size();

    // A whole number of beats at the music's tempo.
    const double beatFrames = wave->format.sampleRate * 60.0 / soundgen::MUSIC_BEATS_PER_MINUTE;
    EXPECT_NEAR(static_cast<double>(n) / beatFrames, soundgen::MUSIC_BEATS, 1e-9);

    // Played in a loop, the last sample is followed by the first: the step between them is
    // no larger than a typical step of the music around the join (the median over half a
    // second on each side), and the slope carries on.
    const double joinStep = s[0] - s[n - 1];
    const double stepBefore = s[n - 1] - s[n - 2];
    const double stepAfter = s[1] - s[0];
    const std::size_t half = wave->format.sampleRate / 2;
    std::vector<double> around(s.end() - static_cast<std::ptrdiff_t>(half), s.end());
    around.insert(around.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(half));
    std::vector<double> steps;
    for (std::size_t i = 1; i < around.size(); ++i)
        steps.push_back(std::abs(around[i] - around[i - 1]));
    std::nth_element(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(steps.size() / 2),
                     steps.end());
    EXPECT_LE(std::abs(joinStep), steps[steps.size() / 2]);
    EXPECT_LT(std::abs(stepBefore - joinStep), 0.002);
    EXPECT_LT(std::abs(stepAfter - joinStep), 0.002);

    // The end flows into the start at the same level: no fade at either end.
    const double startLevel = rms(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(half));
    const double endLevel = rms(s.end() - static_cast<std::ptrdiff_t>(half), s.end());
    EXPECT_LT(std::abs(decibels(startLevel / endLevel)), 3.0)
        << "first half second " << decibels(startLevel) << " dB, last " << decibels(endLevel)
        << " dB";

    // The music is there all the way round: over each second of it, never silent.
    const std::size_t second = wave->format.sampleRate;
    for (std::size_t from = 0; from < n; from += second) {
        const std::vector<double> part(s.begin() + static_cast<std::ptrdiff_t>(from),
                                       s.begin() +
                                           static_cast<std::ptrdiff_t>(std::min(n, from + second)));
        EXPECT_GT(peak(part), 0.05) << "second " << from / second;
    }
}

// The refusal buzz is heard often and must not startle: over its loud part it is no louder
// than any other effect, by RMS over 50 ms and by peak.
TEST(SoundAssets, TheRefusalIsNoLouderThanTheOtherEffects) {
    const Asset& refusal = ASSETS[1];
    std::uint32_t rate = 0;
    const std::vector<double> buzz = samplesOfAsset(refusal, &rate);
    ASSERT_FALSE(buzz.empty());
    const std::size_t window = rate / 20;
    for (const Asset& other : ASSETS) {
        if (&other == &refusal || other.music) continue; // the music is no effect
        SCOPED_TRACE(other.name);
        const std::vector<double> effect = samplesOfAsset(other);
        ASSERT_FALSE(effect.empty());
        EXPECT_LE(loudPartRms(buzz, window), loudPartRms(effect, window))
            << decibels(loudPartRms(buzz, window)) << " dB against "
            << decibels(loudPartRms(effect, window)) << " dB";
        EXPECT_LE(peak(buzz), peak(effect));
    }
}

TEST(SoundAssets, EachLoadsThroughTheSoundModuleAndTheRealLibrary) {
    // The game reads the files from its current directory.
    const fs::path previous = fs::current_path();
    fs::current_path(NARABE_ASSETS_DIR);

    class NoBoxes final : public MessageBoxes {
      public:
        void message(std::string_view, std::string_view) override { ++shown; }
        void warning(std::string_view, std::string_view) override { ++shown; }
        int shown = 0;
    } boxes;
    SdlSoundLibrary library({.driver = "dummy"});
    SoundPorts io{library, boxes};

    const std::int32_t device = openSoundDevice(io);
    ASSERT_NE(device, 0);
    std::vector<std::int32_t> handles;
    for (const Asset& asset : ASSETS) {
        const std::int32_t handle = loadSound(io, device, utf8Path(asset.name));
        EXPECT_GE(handle, 1) << asset.name;
        handles.push_back(handle);
    }
    fs::current_path(previous);
    EXPECT_EQ(boxes.shown, 0);
    EXPECT_EQ(bufferCount(library), std::size(ASSETS));

    library.dsPlayLooping(handles[4]);
    library.dsPlay(handles[2]);
    EXPECT_EQ(playingChannels(library, handles[4]), 1);
    for (std::int32_t handle : handles)
        library.dsFree(handle);
    closeSoundDevice(io, device);
    EXPECT_FALSE(isOpen(library));
}

TEST(SoundAssets, EachIsWhatTheGeneratorMakes) {
    const std::vector<soundgen::SoundFile> made = soundgen::allSounds();
    ASSERT_EQ(made.size(), std::size(ASSETS));
    for (const soundgen::SoundFile& file : made) {
        SCOPED_TRACE(file.name);
        const std::vector<std::byte> committed =
            readFile(fs::path(NARABE_ASSETS_DIR) / utf8Path(file.name.c_str()));
        const std::vector<std::uint8_t> fresh = soundgen::waveFile(file.samples);
        ASSERT_EQ(committed.size(), fresh.size());
        // Headers equal; samples equal but for a rounding step of a different libm.
        int largestDifference = 0;
        for (std::size_t i = 0; i < fresh.size(); ++i) {
            if (i < 44) {
                EXPECT_EQ(std::to_integer<unsigned>(committed[i]), fresh[i]) << "byte " << i;
                continue;
            }
            if (i % 2 == 1) continue;
            const auto sampleAt = [](unsigned low, unsigned high) {
                return static_cast<int>(static_cast<std::int16_t>(low | high << 8));
            };
            const int was = sampleAt(std::to_integer<unsigned>(committed[i]),
                                     std::to_integer<unsigned>(committed[i + 1]));
            const int now = sampleAt(fresh[i], fresh[i + 1]);
            largestDifference = std::max(largestDifference, std::abs(was - now));
        }
        EXPECT_LE(largestDifference, 1);
    }
}

} // namespace
} // namespace narabe::test
