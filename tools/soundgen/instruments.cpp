// The plucked string and the bell. Both are additive: sums of decaying sine partials, which
// keeps them exactly in tune at any pitch and free of aliasing (no partial above 10 kHz).
#include "instruments.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace narabe::soundgen {

namespace {

constexpr double HIGHEST_PARTIAL = 10000.0;
constexpr double ATTACK = 0.002;
constexpr double RELEASE = 0.3;

// Where along the string it is plucked, as a fraction of its length: near the bridge, so
// the tone is bright and a little nasal.
constexpr double PLUCK_POINT = 0.18;
// Stiffness of the string: the partials run slightly sharp of the harmonic series.
constexpr double STIFFNESS = 0.00015;

struct BellPartial {
    double ratio;
    double amplitude;
    double decayFactor;
};
constexpr std::array<BellPartial, 5> BELL = {{
    {1.0, 1.0, 1.0},
    {2.0, 0.32, 1.6},
    {2.76, 0.28, 2.2},
    {3.9, 0.1, 3.0},
    {5.4, 0.07, 4.0},
}};

} // namespace

double midiFrequency(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

void mixIn(Signal& signal, const Signal& note, std::size_t from, bool wrap) {
    for (std::size_t n = 0; n < note.size(); ++n) {
        std::size_t at = from + n;
        if (at >= signal.size()) {
            if (!wrap || signal.empty()) return;
            at %= signal.size();
        }
        signal[at] += note[n];
    }
}

void pluck(Signal& signal, const Note& note, std::uint32_t seed, bool wrap) {
    Signal voice(samplesIn(note.length), 0.0);
    for (int k = 1; k * note.frequency < HIGHEST_PARTIAL; ++k) {
        const double kk = k;
        const double shape = std::abs(std::sin(kk * PI * PLUCK_POINT)) / std::pow(kk, 1.1);
        const double frequency = kk * note.frequency * std::sqrt(1 + STIFFNESS * kk * kk);
        const double decay = 1.6 + 0.5 * std::pow(kk, 1.5) + note.frequency / 400.0;
        addPartial(voice, {0, frequency, note.amplitude * shape, decay});
    }
    // The plectrum's tick: a few milliseconds of differentiated noise.
    Noise noise(seed);
    const std::size_t tick = samplesIn(0.006);
    double previous = 0;
    for (std::size_t n = 0; n < tick && n < voice.size(); ++n) {
        const double value = noise.next();
        const double fade = 1.0 - static_cast<double>(n) / static_cast<double>(tick);
        voice[n] += 0.08 * note.amplitude * fade * fade * (value - previous);
        previous = value;
    }
    shapeEnds(voice, 0, voice.size(), ATTACK, RELEASE);
    mixIn(signal, voice, samplesIn(note.start), wrap);
}

void bell(Signal& signal, const Note& note, double decay) {
    Signal voice(samplesIn(note.length), 0.0);
    for (const BellPartial& p : BELL)
        addPartial(voice, {0, note.frequency * p.ratio, note.amplitude * p.amplitude,
                           decay * p.decayFactor});
    shapeEnds(voice, 0, voice.size(), 0.001, std::min(RELEASE, note.length / 3));
    mixIn(signal, voice, samplesIn(note.start), false);
}

} // namespace narabe::soundgen
