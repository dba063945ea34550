// A strict reader of the RIFF/WAVE files the game plays: it accepts only plain PCM of 8 or
// 16 bits, one or two channels, at an ordinary rate, with every chunk inside the image.
// The sound library runs it on each image before the image reaches the decoder, so that a
// damaged or hostile file is turned away here rather than trusted by code we do not own.
#pragma once

#include "ports/sound_library.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace narabe {

struct WaveFormat {
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
};

// The format of a well-formed image, its sample bytes (a view into the image) and how many
// bytes from the start of the image the RIFF header covers; bytes after those are not part
// of the file's contents and were not checked.
struct WaveImage {
    WaveFormat format;
    std::span<const std::byte> samples;
    std::size_t extent = 0;

    [[nodiscard]] std::size_t frameBytes() const {
        return std::size_t{format.channels} * (format.bitsPerSample / 8u);
    }
    [[nodiscard]] std::size_t frames() const { return samples.size() / frameBytes(); }
};

// The bounds a format must keep to be accepted.
inline constexpr std::uint32_t MIN_SAMPLE_RATE = 8000;
inline constexpr std::uint32_t MAX_SAMPLE_RATE = 96000;

// The parsed image, or nothing when the image is larger than MAX_SOUND_IMAGE_BYTES or is not
// a well-formed PCM WAVE file: a RIFF header whose size lies within the image, chunks whose
// sizes stay within the RIFF body, exactly one "fmt " chunk of PCM (format tag 1) with
// consistent block size and byte rate, and one "data" chunk after it holding at least one
// whole frame and only whole frames.
[[nodiscard]] std::optional<WaveImage> parseWave(std::span<const std::byte> image) noexcept;

} // namespace narabe
