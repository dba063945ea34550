// The building blocks of the sound generator. Everything is computed in double precision
// and only rounded to 16 bits at the very end.
#include "synth.h"

#include <algorithm>
#include <cmath>

namespace narabe::soundgen {

namespace {

// Below this a decaying partial is inaudible after rounding to 16 bits.
constexpr double SILENT = 1.0 / 65536.0;

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    out.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFFu));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFFu);
    put16(out, value >> 16);
}

void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

std::size_t samplesIn(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * RATE));
}

double Noise::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

void addPartial(Signal& signal, const Partial& partial, bool wrap) {
    if (signal.empty() || partial.frequency <= 0 || partial.frequency >= RATE / 2.0) return;
    const std::size_t first = samplesIn(partial.start);
    const double step = 2 * PI * partial.frequency / RATE;
    const double fade = std::exp(-partial.decay / RATE);
    double envelope = partial.amplitude;
    for (std::size_t n = 0; envelope > SILENT; ++n) {
        std::size_t at = first + n;
        if (at >= signal.size()) {
            if (!wrap) break;
            at %= signal.size();
        }
        signal[at] += envelope * std::sin(step * static_cast<double>(n));
        envelope *= fade;
    }
}

void shapeEnds(Signal& signal, std::size_t from, std::size_t length, double rise, double fall) {
    const std::size_t end = std::min(signal.size(), from + length);
    const std::size_t riseSamples = samplesIn(rise);
    const std::size_t fallSamples = samplesIn(fall);
    for (std::size_t n = 0; n < riseSamples && from + n < end; ++n)
        signal[from + n] *=
            0.5 - 0.5 * std::cos(PI * static_cast<double>(n) / static_cast<double>(riseSamples));
    for (std::size_t n = 0; n < fallSamples && n < end - from; ++n)
        signal[end - 1 - n] *=
            0.5 - 0.5 * std::cos(PI * static_cast<double>(n) / static_cast<double>(fallSamples));
}

void normalise(Signal& signal, double peak) {
    double largest = 0;
    for (double s : signal)
        largest = std::max(largest, std::abs(s));
    if (largest > 0)
        for (double& s : signal)
            s *= peak / largest;
}

std::vector<std::int16_t> toPcm(const Signal& signal) {
    std::vector<std::int16_t> samples;
    samples.reserve(signal.size());
    for (double s : signal)
        samples.push_back(
            static_cast<std::int16_t>(std::clamp(std::lround(s * 32767.0), -32767L, 32767L)));
    return samples;
}

std::vector<std::uint8_t> waveFile(const std::vector<std::int16_t>& samples) {
    constexpr std::uint32_t CHANNELS = 1;
    constexpr std::uint32_t BITS = 16;
    constexpr std::uint32_t BLOCK = CHANNELS * BITS / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * BLOCK);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, CHANNELS);
    put32(out, RATE);
    put32(out, RATE * BLOCK);
    put16(out, BLOCK);
    put16(out, BITS);
    putTag(out, "data");
    put32(out, dataBytes);
    for (std::int16_t s : samples)
        put16(out, static_cast<std::uint16_t>(s));
    return out;
}

} // namespace narabe::soundgen
