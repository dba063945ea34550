// The RIFF/WAVE walker. All offsets are checked in 64-bit arithmetic against the end of the
// image before anything is read, so no size field, however large, can lead outside it.
#include "adapters/sdl/wav_check.h"

namespace narabe {

namespace {

constexpr std::uint16_t FORMAT_PCM = 1;
constexpr std::uint64_t HEADER_BYTES = 12; // "RIFF", size, "WAVE"
constexpr std::uint64_t CHUNK_HEADER_BYTES = 8;
constexpr std::uint64_t FMT_MIN_BYTES = 16;

std::uint16_t read16(std::span<const std::byte> bytes, std::uint64_t at) {
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[at]) |
                                      std::to_integer<unsigned>(bytes[at + 1]) << 8);
}

std::uint32_t read32(std::span<const std::byte> bytes, std::uint64_t at) {
    return static_cast<std::uint32_t>(read16(bytes, at)) |
           static_cast<std::uint32_t>(read16(bytes, at + 2)) << 16;
}

bool hasTag(std::span<const std::byte> bytes, std::uint64_t at, const char (&tag)[5]) {
    for (std::uint64_t i = 0; i < 4; ++i)
        if (std::to_integer<char>(bytes[at + i]) != tag[i]) return false;
    return true;
}

// The format of a "fmt " chunk body, or nothing when it is not plain PCM we can play.
std::optional<WaveFormat> readFormat(std::span<const std::byte> body) {
    if (body.size() < FMT_MIN_BYTES) return std::nullopt;
    const std::uint16_t tag = read16(body, 0);
    WaveFormat format;
    format.channels = read16(body, 2);
    format.sampleRate = read32(body, 4);
    const std::uint32_t byteRate = read32(body, 8);
    const std::uint16_t blockAlign = read16(body, 12);
    format.bitsPerSample = read16(body, 14);

    if (tag != FORMAT_PCM) return std::nullopt;
    if (format.channels < 1 || format.channels > 2) return std::nullopt;
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16) return std::nullopt;
    if (format.sampleRate < MIN_SAMPLE_RATE || format.sampleRate > MAX_SAMPLE_RATE)
        return std::nullopt;
    const std::uint32_t frameBytes = format.channels * (format.bitsPerSample / 8u);
    if (blockAlign != frameBytes || byteRate != format.sampleRate * frameBytes) return std::nullopt;
    return format;
}

} // namespace

std::optional<WaveImage> parseWave(std::span<const std::byte> image) noexcept {
    const std::uint64_t size = image.size();
    if (size > MAX_SOUND_IMAGE_BYTES) return std::nullopt;
    if (size < HEADER_BYTES || !hasTag(image, 0, "RIFF") || !hasTag(image, 8, "WAVE"))
        return std::nullopt;
    const std::uint64_t end = CHUNK_HEADER_BYTES + read32(image, 4);
    if (end < HEADER_BYTES || end > size) return std::nullopt;

    std::optional<WaveFormat> format;
    std::optional<std::span<const std::byte>> samples;
    bool sawFormat = false;
    for (std::uint64_t at = HEADER_BYTES; at < end;) {
        if (end - at < CHUNK_HEADER_BYTES) return std::nullopt;
        const std::uint64_t bodyAt = at + CHUNK_HEADER_BYTES;
        const std::uint64_t bodySize = read32(image, at + 4);
        if (bodySize > end - bodyAt) return std::nullopt;
        const auto body = image.subspan(bodyAt, bodySize);

        if (hasTag(image, at, "fmt ")) {
            if (sawFormat || samples)
                return std::nullopt; // a second format, or one after the samples
            sawFormat = true;
            format = readFormat(body);
            if (!format) return std::nullopt;
        } else if (hasTag(image, at, "data")) {
            if (!format || samples) return std::nullopt; // samples before their format, or twice
            samples = body;
        }
        // A chunk of odd size is followed by a pad byte, which the last chunk may lack.
        at = bodyAt + bodySize + (bodySize & 1u);
    }
    if (!format || !samples) return std::nullopt;

    WaveImage wave{*format, *samples, static_cast<std::size_t>(end)};
    if (wave.samples.size() < wave.frameBytes() || wave.samples.size() % wave.frameBytes() != 0)
        return std::nullopt;
    return wave;
}

} // namespace narabe
