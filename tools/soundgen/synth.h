// The few building blocks the game's sounds are made of: a mono signal at a fixed rate,
// a reproducible noise source, decaying sine partials, envelopes, and the conversion of a
// finished signal to 16-bit samples and to the bytes of a PCM WAVE file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace narabe::soundgen {

inline constexpr int RATE = 22050;
inline constexpr double PI = 3.14159265358979323846;

using Signal = std::vector<double>;

// The number of samples in `seconds`, rounded to the nearest sample.
[[nodiscard]] std::size_t samplesIn(double seconds);

// A small xorshift generator: the same seed gives the same noise on every machine.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed != 0 ? seed : 1u) {}
    // The next value, uniform in [-1, 1).
    double next();

  private:
    std::uint32_t state_;
};

// A sine partial starting at `start` seconds with phase 0, amplitude `amplitude`, decaying
// as exp(-decay · t), added to `signal` until it ends or falls below audibility. When
// `wrap` is set, samples past the end continue at the start (for a seamless loop).
struct Partial {
    double start = 0;
    double frequency = 0;
    double amplitude = 0;
    double decay = 0;
};
void addPartial(Signal& signal, const Partial& partial, bool wrap = false);

// A raised-cosine rise over the first `rise` seconds and fall over the last `fall` seconds
// of the samples [from, from + length), applied in place.
void shapeEnds(Signal& signal, std::size_t from, std::size_t length, double rise, double fall);

// The signal scaled so that its largest magnitude is `peak` (0 < peak < 1).
void normalise(Signal& signal, double peak);

// The signal as 16-bit samples, rounded and clamped.
[[nodiscard]] std::vector<std::int16_t> toPcm(const Signal& signal);

// A complete mono 16-bit PCM WAVE file holding `samples` at RATE.
[[nodiscard]] std::vector<std::uint8_t> waveFile(const std::vector<std::int16_t>& samples);

} // namespace narabe::soundgen
