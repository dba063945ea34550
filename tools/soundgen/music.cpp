// The background music: a calm melody of plucked strings in a Japanese pentatonic mode
// (A B C E F), a plucked bass on the strong beats and a soft drone on A and E.
//
// It must loop without a click. The loop is a whole number of beats whose length is a
// whole number of samples (72 beats a minute at 22050 Hz is 18375 samples a beat); the
// last bar leaves the strings time to ring out, the drone fades out towards the end and in
// from the start, and every voice is mixed circularly, so whatever would run past the end
// continues at the start. Both ends are therefore silent and the join is seamless.
#include "instruments.h"
#include "sounds.h"

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
constexpr std::array<Pluck, 34> MELODY = {{
    {0, 76, 1.0},
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
    {28, 69, 1.0}, // bar 8
    // The lower octave doubles the first note of each phrase, as a koto player would.
    {0, 64, 0.45},
    {8, 52, 0.4},
    {16, 65, 0.45},
    {28, 57, 0.5},
    // Two quiet passing notes leading into bars 2 and 7.
    {3.5, 72, 0.35},
    {23.5, 71, 0.4},
}};

// The bass: a root on the first beat and a fifth on the third, bar by bar.
constexpr std::array<Pluck, 15> BASS = {{
    {0, 45, 1.0},
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
}};

constexpr double MELODY_LEVEL = 0.32;
constexpr double MELODY_RING = 2.4; // seconds
constexpr double BASS_LEVEL = 0.3;
constexpr double BASS_RING = 2.6;
constexpr double DRONE_LEVEL = 0.05;
constexpr double DRONE_FADE = 2.5; // seconds at each end of the loop

// Echoes of the whole mix, for a little room: (delay in beats, gain).
struct Echo {
    double beats;
    double gain;
};
constexpr std::array<Echo, 2> ECHOES = {{{0.3, 0.22}, {0.6, 0.09}}};

// A sustained tone whose frequency is a whole number of cycles over the loop, so that it
// is periodic in the loop even before it is faded, with a slow swell of four breaths.
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
    shapeEnds(droneVoice, 0, droneVoice.size(), DRONE_FADE, DRONE_FADE);

    Signal signal = strings;
    for (const Echo& echo : ECHOES) {
        Signal delayed(strings.size(), 0.0);
        for (std::size_t n = 0; n < strings.size(); ++n)
            delayed[n] = echo.gain * strings[n];
        mixIn(signal, delayed, samplesIn(echo.beats * beat), true);
    }
    mixIn(signal, droneVoice, 0, true);
    normalise(signal, MUSIC_PEAK);
    return signal;
}

} // namespace narabe::soundgen
