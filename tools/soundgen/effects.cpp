// The four short sound effects. Each starts from silence with a soft edge of a fraction of
// a millisecond and fades to exactly zero at its end, so it never clicks on or off.
#include "instruments.h"
#include "sounds.h"

#include <array>
#include <cmath>

namespace narabe::soundgen {

namespace {

constexpr double EFFECT_PEAK = 0.8;  // about -2 dBFS
constexpr double REFUSAL_PEAK = 0.3; // about -10.5 dBFS

struct Mode {
    double frequency;
    double amplitude;
    double decay;
};

} // namespace

Signal stoneClick() {
    Signal signal(samplesIn(0.15), 0.0);

    // The impact: a burst of noise under a millisecond long, differentiated so that only
    // its crisp upper part is left.
    Noise noise(0x5EED0001u);
    double previous = 0;
    for (std::size_t n = 0; n < samplesIn(0.004); ++n) {
        const double value = noise.next();
        const double t = static_cast<double>(n) / RATE;
        signal[n] += 0.9 * std::exp(-t / 0.0007) * (value - previous);
        previous = value;
    }
    // The board's dull thump and the stone's and wood's short, bright resonances.
    constexpr std::array<Mode, 6> MODES = {{
        {240, 0.30, 45},
        {1180, 0.55, 75},
        {1990, 0.42, 95},
        {2870, 0.30, 120},
        {3810, 0.18, 150},
        {5230, 0.10, 190},
    }};
    for (const Mode& m : MODES)
        addPartial(signal, {0, m.frequency, m.amplitude, m.decay});

    shapeEnds(signal, 0, signal.size(), 0.0003, 0.02);
    normalise(signal, EFFECT_PEAK);
    return signal;
}

Signal refusal() {
    Signal signal(samplesIn(0.3), 0.0);
    // Two buzzing tones a fourth apart, the second lower: band-limited pulse trains (every
    // harmonic in cosine phase, so the energy gathers in short pulses), softened. A steady
    // buzz sounds loud for its level, and the pulses give it a clear attack at a modest
    // average power: it sits at about the stone sound's loudness, below the other effects.
    struct Tone {
        double start;
        double length;
        double frequency;
    };
    constexpr std::array<Tone, 2> TONES = {{{0.0, 0.14, 196.0}, {0.15, 0.15, 146.8}}};
    for (const Tone& tone : TONES) {
        Signal voice(samplesIn(tone.length), 0.0);
        for (int k = 1; k * tone.frequency < 6000.0; ++k) {
            const double amplitude = 0.5 / std::pow(k, 1.3);
            for (std::size_t n = 0; n < voice.size(); ++n)
                voice[n] += amplitude *
                            std::cos(2 * PI * k * tone.frequency * static_cast<double>(n) / RATE);
        }
        shapeEnds(voice, 0, voice.size(), 0.004, 0.03);
        mixIn(signal, voice, samplesIn(tone.start), false);
    }
    normalise(signal, REFUSAL_PEAK);
    return signal;
}

Signal chime() {
    Signal signal(samplesIn(0.6), 0.0);
    bell(signal, {0.0, midiFrequency(84), 0.6, 0.6}, 6.0);   // C6
    bell(signal, {0.09, midiFrequency(91), 0.5, 0.51}, 7.0); // G6
    shapeEnds(signal, 0, signal.size(), 0.0005, 0.05);
    normalise(signal, EFFECT_PEAK * 0.8);
    return signal;
}

Signal fanfare() {
    Signal signal(samplesIn(1.8), 0.0);
    // C major pentatonic, rising: C5 D5 E5 G5 A5, then C6 held.
    constexpr std::array<int, 6> NOTES = {72, 74, 76, 79, 81, 84};
    for (std::size_t i = 0; i < NOTES.size(); ++i) {
        const double start = 0.11 * static_cast<double>(i);
        const bool last = i + 1 == NOTES.size();
        const double decay = last ? 2.6 : 5.0;
        bell(signal, {start, midiFrequency(NOTES[i]), last ? 0.7 : 0.5, 1.8 - start}, decay);
    }
    // A soft low fifth under the last note gives the close some weight.
    bell(signal, {0.55, midiFrequency(60), 0.25, 1.25}, 2.2);
    bell(signal, {0.55, midiFrequency(67), 0.18, 1.25}, 2.4);
    shapeEnds(signal, 0, signal.size(), 0.0005, 0.3);
    normalise(signal, EFFECT_PEAK);
    return signal;
}

} // namespace narabe::soundgen
