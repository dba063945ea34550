// WAV image builders for the sound tests.
#include "sound/wave_images.h"

#include <cmath>

namespace narabe::test {

void append(Bytes& out, const Bytes& more) {
    out.insert(out.end(), more.begin(), more.end());
}

void put16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::byte>(value & 0xFFu));
    out.push_back(static_cast<std::byte>(value >> 8 & 0xFFu));
}

void put32(Bytes& out, std::uint32_t value) {
    put16(out, value & 0xFFFFu);
    put16(out, value >> 16);
}

void putTag(Bytes& out, std::string_view tag) {
    for (char c : tag)
        out.push_back(static_cast<std::byte>(c));
}

Bytes formatBody(const FormatFields& f) {
    const auto block = static_cast<std::uint16_t>(f.channels * f.bits / 8);
    Bytes body;
    put16(body, f.tag);
    put16(body, f.channels);
    put32(body, f.rate);
    put32(body, f.byteRate.value_or(f.rate * block));
    put16(body, f.blockAlign.value_or(block));
    put16(body, f.bits);
    body.resize(body.size() + f.extraBytes, std::byte{0});
    return body;
}

Bytes chunk(std::string_view tag, const Bytes& body, std::optional<std::uint32_t> size, bool pad) {
    Bytes out;
    putTag(out, tag);
    put32(out, size.value_or(static_cast<std::uint32_t>(body.size())));
    append(out, body);
    if (pad && body.size() % 2 == 1) out.push_back(std::byte{0});
    return out;
}

Bytes riff(const Bytes& chunks, std::optional<std::uint32_t> size, std::string_view form) {
    Bytes out;
    putTag(out, "RIFF");
    put32(out, size.value_or(static_cast<std::uint32_t>(4 + chunks.size())));
    putTag(out, form);
    append(out, chunks);
    return out;
}

Bytes toneSamples(std::size_t frames, const FormatFields& f) {
    Bytes out;
    for (std::size_t n = 0; n < frames; ++n) {
        const double value =
            0.25 * std::sin(2 * 3.14159265358979 * 440.0 * static_cast<double>(n) / f.rate);
        for (int c = 0; c < f.channels; ++c) {
            if (f.bits == 8)
                out.push_back(static_cast<std::byte>(std::lround(128 + 127 * value)));
            else
                put16(out, static_cast<std::uint16_t>(std::lround(32767 * value)));
        }
    }
    return out;
}

Bytes toneWave(double seconds, const FormatFields& f) {
    const auto frames = static_cast<std::size_t>(seconds * f.rate);
    Bytes chunks = chunk("fmt ", formatBody(f));
    append(chunks, chunk("data", toneSamples(frames, f)));
    return riff(chunks);
}

} // namespace narabe::test
