// Fuzz target: the WAV check on any image; what it accepts must lie inside the image and
// keep the bounds of a format the sound library plays.
#include "adapters/sdl/wav_check.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace narabe;
    using namespace narabe::fuzz;
    const std::span<const std::byte> image = bytesOf(data, size);
    const std::optional<WaveImage> wave = parseWave(image);
    if (!wave) return 0;
    require(wave->extent <= image.size());
    require(wave->samples.data() >= image.data());
    require(wave->samples.data() + wave->samples.size() <= image.data() + wave->extent);
    require(wave->format.channels == 1 || wave->format.channels == 2);
    require(wave->format.bitsPerSample == 8 || wave->format.bitsPerSample == 16);
    require(wave->format.sampleRate >= MIN_SAMPLE_RATE &&
            wave->format.sampleRate <= MAX_SAMPLE_RATE);
    require(wave->frames() >= 1 && wave->frames() * wave->frameBytes() == wave->samples.size());
    return 0;
}
