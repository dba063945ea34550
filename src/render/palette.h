// The classic 16-colour palette that every colour of the window indexes, the colours the game
// names, and the colour of each side.
#pragma once

#include "ports/colour.h"
#include "state/types.h"

#include <array>
#include <cstdint>

namespace narabe {

inline constexpr Colour BLACK_COLOUR{0};  // black: the black stone's colour
inline constexpr Colour BACK_COLOUR{2};   // green: the window background and the panel's eraser
inline constexpr Colour MARK_COLOUR{11};  // light cyan: the last-move mark
inline constexpr Colour HINT_COLOUR{12};  // red: the hint and the marks of barred points
inline constexpr Colour WHITE_COLOUR{15}; // bright white: the white stone's colour

// The colour a stone of this side is drawn in, and the colour of texts written in it.
constexpr Colour colourOf(Stone s) {
    return s == BLACK ? BLACK_COLOUR : WHITE_COLOUR;
}

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

inline constexpr std::size_t PALETTE_SIZE = 16;

inline constexpr std::array<Rgb, PALETTE_SIZE> PALETTE = {{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};

// An index outside 0..15 is taken modulo 16, as the window system does.
constexpr Rgb paletteColour(Colour c) {
    return PALETTE[static_cast<std::size_t>(c) % PALETTE_SIZE];
}

} // namespace narabe
