// The game's five sounds, each made from scratch by the functions below, and the table
// that names their files.
#pragma once

#include "synth.h"

#include <cstdint>
#include <string>
#include <vector>

namespace narabe::soundgen {

// A stone set down on a wooden board: a sharp click and a short woody ring (about 150 ms).
[[nodiscard]] Signal stoneClick();
// A move refused: a low buzz stepping down (about 300 ms).
[[nodiscard]] Signal refusal();
// A light two-note chime (about 600 ms).
[[nodiscard]] Signal chime();
// The end of a game: a rising arpeggio of bells (about 1.8 s).
[[nodiscard]] Signal fanfare();
// Background music: plucked strings over a soft drone, a seamless loop of 32 beats.
[[nodiscard]] Signal music();

// The loop's tempo and length, which the music is built on.
inline constexpr double MUSIC_BEATS_PER_MINUTE = 72.0;
inline constexpr int MUSIC_BEATS = 32;

struct SoundFile {
    std::string name; // UTF-8 file name
    std::vector<std::int16_t> samples;
};

// All five sounds, ready to be written.
[[nodiscard]] std::vector<SoundFile> allSounds();

} // namespace narabe::soundgen
