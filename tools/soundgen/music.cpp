// The background music: a calm melody of plucked strings in a Japanese pentatonic mode
// (A B C E F), a plucked bass on the strong beats and a soft drone on A and E.
//
// It loops without a seam. The loop is a whole number of beats whose length is a whole
// number of samples (72 beats a minute at 22050 Hz is 18375 samples a beat). The last bar
// plays on and leads back into the first, the drone never fades, and every voice is mixed
// circularly, so whatever would ring past the end continues at the start: played in a
// loop, the end flows into the start at the same level, with no silence and no step.
// Finally the loop is turned a few milliseconds so that it begins at a zero crossing just
// before the first downbeat, and starting or stopping the music does not click either.
#include "instruments.h"
#include "sounds.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace narabe::soundgen {

namespace {

constexpr double MUSIC_PEAK = 0.5; // about -6 dBFS: quiet under the effects

struct Pluck {
    double beat;
    int note; // MIDI note number
    double loudness;
};

// The melody, in beats from the start of the loop. Eight bars of four beats.
constexpr std::array<Pluck, 37> MELODY = {{
    {0, 76, 0.85},
    {1, 72, 0.8},
    {1.5, 71, 0.7},
    {2, 69, 0.9}, // bar 1
    {4, 71, 0.8},
    {5, 72, 0.85},
    {6, 71, 0.7},
    {6.5, 69, 0.7},
    {7, 65, 0.8}, // bar 2
    {8, 64, 0.95},
    {11, 69, 0.6},
    {11.5, 71, 0.65}, // bar 3
    {12, 72, 0.85},
    {13, 71, 0.75},
    {14, 69, 0.8},
    {15, 76, 0.9}, // bar 4
    {16, 77, 1.0},
    {18, 76, 0.8},
    {19, 72, 0.75}, // bar 5
    {20, 71, 0.8},
    {21, 72, 0.7},
    {21.5, 71, 0.65},
    {22, 69, 0.9}, // bar 6
    {24, 65, 0.8},
    {25, 64, 0.75},
    {26, 65, 0.75},
    {27, 71, 0.8}, // bar 7
    {28, 69, 1.0},
    {30, 64, 0.7},
    {31, 71, 0.75},
    {31.5, 72, 0.95}, // bar 8, leading back to the first note
    // The lower octave doubles the first note of each phrase, as a koto player would.
    {0, 64, 0.45},
    {8, 52, 0.4},
    {16, 65, 0.45},
    {28, 57, 0.5},
    // Two quiet passing notes leading into bars 2 and 7.
    {3.5, 72, 0.35},
    {23.5, 71, 0.4},
}};

// The bass: a root on the first beat and a fifth on the third, bar by bar, and in the last
// bar a passing note leading back to the root.
constexpr std::array<Pluck, 17> BASS = {{
    {0, 45, 0.85},
    {2, 52, 0.7},
    {4, 45, 0.9},
    {6, 52, 0.7},
    {8, 41, 0.9},
    {10, 48, 0.7},
    {12, 45, 0.9},
    {14, 52, 0.7},
    {16, 41, 0.9},
    {18, 48, 0.7},
    {20, 45, 0.9},
    {22, 52, 0.7},
    {24, 41, 0.9},
    {26, 48, 0.7},
    {28, 45, 1.0},
    {30, 52, 0.8},
    {31.5, 48, 0.9},
}};

constexpr double MELODY_LEVEL = 0.32;
constexpr double MELODY_RING = 2.4; // seconds
constexpr double BASS_LEVEL = 0.3;
constexpr double BASS_RING = 2.6;
constexpr double DRONE_LEVEL = 0.05;
// How far before the first downbeat the loop may begin, looking for a zero crossing.
constexpr double LEAD_IN = 0.02; // seconds

// Echoes of the whole mix, for a little room: (delay in beats, gain).
struct Echo {
    double beats;
    double gain;
};
constexpr std::array<Echo, 2> ECHOES = {{{0.3, 0.22}, {0.6, 0.09}}};

// A sustained tone whose frequency is a whole number of cycles over the loop, so that it
// is periodic in the loop and joins its end to its start, with a slow swell of four breaths.
void drone(Signal& signal, double frequency, double level) {
    const double seconds = static_cast<double>(signal.size()) / RATE;
    const double cycles = std::round(frequency * seconds);
    for (std::size_t n = 0; n < signal.size(); ++n) {
        const double phase = 2 * PI * static_cast<double>(n) / static_cast<double>(signal.size());
        const double swell = 0.8 + 0.2 * std::sin(4 * phase);
        const double tone = std::sin(cycles * phase) + 0.3 * std::sin(2 * cycles * phase) +
                            0.08 * std::sin(3 * cycles * phase);
        signal[n] += level * swell * tone;
    }
}

// Turns the loop so that it begins at the gentlest zero crossing (the smallest step across
// zero) among its last LEAD_IN seconds: the first sample and the last one, which precedes
// it in the loop, are then both as near zero as the music allows there.
void beginAtZeroCrossing(Signal& signal) {
    const std::size_t n = signal.size();
    const std::size_t lead = std::min(samplesIn(LEAD_IN), n - 1);
    std::size_t best = 0;
    double quietest = 2.0;
    for (std::size_t i = n - lead; i < n; ++i) {
        const double before = signal[i - 1];
        const double at = signal[i];
        const double step = std::abs(at - before);
        if ((before <= 0) != (at <= 0) && step < quietest) {
            quietest = step;
            best = i;
        }
    }
    std::rotate(signal.begin(), signal.begin() + static_cast<std::ptrdiff_t>(best), signal.end());
}

} // namespace

Signal music() {
    const double beat = 60.0 / MUSIC_BEATS_PER_MINUTE;
    Signal strings(samplesIn(beat * MUSIC_BEATS), 0.0);

    std::uint32_t seed = 0x5EED1000u;
    for (const Pluck& p : MELODY)
        pluck(strings,
              {p.beat * beat, midiFrequency(p.note), MELODY_LEVEL * p.loudness, MELODY_RING},
              ++seed, true);
    for (const Pluck& p : BASS)
        pluck(strings, {p.beat * beat, midiFrequency(p.note), BASS_LEVEL * p.loudness, BASS_RING},
              ++seed, true);

    Signal droneVoice(strings.size(), 0.0);
    drone(droneVoice, midiFrequency(45), DRONE_LEVEL);
    drone(droneVoice, midiFrequency(52), DRONE_LEVEL * 0.6);

    Signal signal = strings;
    for (const Echo& echo : ECHOES) {
        Signal delayed(strings.size(), 0.0);
        for (std::size_t n = 0; n < strings.size(); ++n)
            delayed[n] = echo.gain * strings[n];
        mixIn(signal, delayed, samplesIn(echo.beats * beat), true);
    }
    mixIn(signal, droneVoice, 0, true);
    beginAtZeroCrossing(signal);
    normalise(signal, MUSIC_PEAK);
    return signal;
}

} // namespace narabe::soundgen
