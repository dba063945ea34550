// The strict WAV check: every damaged image of the table is refused, every good one is read
// with its true format and length, any truncation of a good image is refused, and random or
// mutated images never lead it to read outside the image.
#include "adapters/sdl/wav_check.h"

#include "sound/wave_cases.h"

#include <gtest/gtest.h>

#include <sys/mman.h>

#include <cstring>
#include <random>

namespace narabe::test {
namespace {

TEST(WavCheck, RefusesEveryDamagedImage) {
    for (const BadWave& bad : badWaves())
        EXPECT_FALSE(parseWave(bad.image)) << bad.name;
}

TEST(WavCheck, ReadsEveryGoodImage) {
    for (const GoodWave& good : goodWaves()) {
        SCOPED_TRACE(good.name);
        const std::optional<WaveImage> wave = parseWave(good.image);
        ASSERT_TRUE(wave);
        EXPECT_EQ(wave->format.channels, good.channels);
        EXPECT_EQ(wave->format.sampleRate, good.rate);
        EXPECT_EQ(wave->format.bitsPerSample, good.bits);
        EXPECT_EQ(wave->frames(), good.frames);
        // The samples lie inside the image, and so does the extent.
        EXPECT_GE(wave->samples.data(), good.image.data());
        EXPECT_LE(wave->samples.data() + wave->samples.size(),
                  good.image.data() + good.image.size());
        EXPECT_LE(wave->extent, good.image.size());
    }
}

TEST(WavCheck, ExtentIsTheRiffContentsOnly) {
    const Bytes image = toneWave(0.01);
    Bytes longer = image;
    longer.resize(image.size() + 100, std::byte{0x7F});
    const auto wave = parseWave(longer);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->extent, image.size());
}

// An image one byte larger than the sound library takes is refused even when its RIFF
// contents are good; one of exactly that size is still read. The memory is reserved, not
// touched, beyond the good image at its start.
TEST(WavCheck, RefusesAnImageLargerThanTheLargestBuffer) {
    const std::size_t size = MAX_SOUND_IMAGE_BYTES + 1;
    void* memory = ::mmap(nullptr, size, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(memory, MAP_FAILED);
    const Bytes good = toneWave(0.01);
    std::memcpy(memory, good.data(), good.size());
    const std::span<const std::byte> image(static_cast<const std::byte*>(memory), size);
    EXPECT_TRUE(parseWave(image.first(MAX_SOUND_IMAGE_BYTES)));
    EXPECT_FALSE(parseWave(image));
    ::munmap(memory, size);
}

TEST(WavCheck, RefusesEveryTruncationOfAGoodImage) {
    for (const GoodWave& good : goodWaves()) {
        const std::size_t extent = parseWave(good.image)->extent;
        for (std::size_t size = 0; size < extent; ++size)
            EXPECT_FALSE(parseWave(std::span(good.image).first(size)))
                << good.name << " cut to " << size;
    }
}

TEST(WavCheck, RefusesRandomBytes) {
    std::mt19937 random(20240601);
    for (int i = 0; i < 3000; ++i) {
        Bytes image(random() % 300);
        for (std::byte& b : image)
            b = static_cast<std::byte>(random());
        // Half of them with a correct header, so that the chunk walk itself is exercised.
        if (i % 2 == 0 && image.size() >= 12) {
            const Bytes header = riff({}, static_cast<std::uint32_t>(image.size() - 8));
            std::copy(header.begin(), header.end(), image.begin());
        }
        EXPECT_FALSE(parseWave(image)) << "image " << i;
    }
}

TEST(WavCheck, MutatedImagesStayInBounds) {
    std::mt19937 random(77);
    const Bytes good = toneWave(0.005);
    for (int i = 0; i < 5000; ++i) {
        Bytes image = good;
        // Damage the header area, where the sizes and the format are.
        for (int flips = 1 + static_cast<int>(random() % 4); flips > 0; --flips)
            image[random() % 48] = static_cast<std::byte>(random());
        const auto wave = parseWave(image);
        if (!wave) continue;
        EXPECT_LE(wave->samples.data() + wave->samples.size(), image.data() + image.size());
        EXPECT_LE(wave->extent, image.size());
        EXPECT_EQ(wave->samples.size() % wave->frameBytes(), 0u);
    }
}

} // namespace
} // namespace narabe::test
