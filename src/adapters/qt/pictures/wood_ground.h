// The wooden ground of the board cells: a fine, irregular grain of four close ochre tones.
// The grain repeats exactly once per cell, so neighbouring cells join without a seam, and
// it is fixed: every run draws the same wood.
#pragma once

#include "render/palette.h"

#include <array>

namespace narabe {

// The two darker and the two lighter tones of the wood.
inline constexpr std::array<Rgb, 4> WOOD_TONES = {{
    {223, 204, 113},
    {239, 220, 129},
    {238, 219, 128},
    {223, 204, 111},
}};

// The tone of screen pixel (px, py) of a cell drawn at `scale`, 0 <= px, py < 21 * scale.
// Always one of WOOD_TONES.
Rgb woodTone(int px, int py, int scale);

} // namespace narabe
