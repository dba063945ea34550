// Builders of WAV file images for the sound tests: RIFF chunks with any size field, format
// chunks with any field values, and a plain tone, so that each test can make exactly the
// well-formed or damaged image it needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace narabe::test {

using Bytes = std::vector<std::byte>;

void append(Bytes& out, const Bytes& more);
void put16(Bytes& out, std::uint32_t value);
void put32(Bytes& out, std::uint32_t value);
void putTag(Bytes& out, std::string_view tag);

// The fields of a "fmt " chunk; byte rate and block size follow from the others unless set.
struct FormatFields {
    std::uint16_t tag = 1;
    std::uint16_t channels = 1;
    std::uint32_t rate = 22050;
    std::uint16_t bits = 16;
    std::optional<std::uint32_t> byteRate;
    std::optional<std::uint16_t> blockAlign;
    std::size_t extraBytes = 0; // bytes after the 16 standard ones
};
Bytes formatBody(const FormatFields& fields);

// A chunk: tag, size field (the body's size unless given), body, and a pad byte after an
// odd-sized body unless `pad` is false.
Bytes chunk(std::string_view tag, const Bytes& body, std::optional<std::uint32_t> size = {},
            bool pad = true);

// "RIFF", size field (4 + the chunks' size unless given), the form tag, then the chunks.
Bytes riff(const Bytes& chunks, std::optional<std::uint32_t> size = {},
           std::string_view form = "WAVE");

// `frames` frames of a quiet sine wave in the given format (8 or 16 bits, 1 or 2 channels).
Bytes toneSamples(std::size_t frames, const FormatFields& fields = {});

// A complete, well-formed image of a tone lasting `seconds` in the given format.
Bytes toneWave(double seconds, const FormatFields& fields = {});

} // namespace narabe::test
