// The voices the sounds are played with: a plucked string in the manner of a koto and a
// small bell. Each note is rendered on its own, given a soft start and a faded end, and
// mixed into the signal at its start time.
#pragma once

#include "synth.h"

namespace narabe::soundgen {

struct Note {
    double start = 0;     // seconds
    double frequency = 0; // Hz
    double amplitude = 0;
    double length = 0; // seconds until the note has faded out completely
};

// The frequency of a MIDI note number (69 is A4, 440 Hz).
[[nodiscard]] double midiFrequency(int note);

// A plucked string: harmonics shaped by a pluck near the bridge, the higher ones dying
// faster, with a short noise tick for the plectrum. `seed` fixes the tick's noise.
void pluck(Signal& signal, const Note& note, std::uint32_t seed, bool wrap = false);

// A bell: a few inharmonic partials of a struck bar, the upper ones fading first.
// `decay` is the fundamental's decay rate per second.
void bell(Signal& signal, const Note& note, double decay);

// Adds `note` (rendered on its own) into `signal` from sample `from`. With `wrap`, samples
// past the end continue at the start.
void mixIn(Signal& signal, const Signal& note, std::size_t from, bool wrap);

} // namespace narabe::soundgen
