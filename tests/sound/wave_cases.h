// The table of damaged and of well-formed WAV images that both the WAV check and the sound
// library are run over.
#pragma once

#include "sound/wave_images.h"

#include <string>
#include <vector>

namespace narabe::test {

struct BadWave {
    std::string name;
    Bytes image;
};

struct GoodWave {
    std::string name;
    Bytes image;
    std::uint16_t channels;
    std::uint32_t rate;
    std::uint16_t bits;
    std::size_t frames;
};

// Images that must be refused: truncated, empty, wrong magic, sizes out of bounds (huge
// ones included), missing, repeated or misplaced chunks, formats other than 8/16-bit PCM
// of one or two channels at a sane rate, and sample data that is empty or not whole frames.
[[nodiscard]] std::vector<BadWave> badWaves();

// Images that must be accepted, in several formats and chunk layouts.
[[nodiscard]] std::vector<GoodWave> goodWaves();

} // namespace narabe::test
