// The classic 16-colour palette that every colour argument indexes. Stone codes are
// palette indices too: 0 black, 15 bright white.
#pragma once

#include <array>
#include <cstdint>

namespace narabe {

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

inline constexpr std::array<Rgb, 16> PALETTE = {{
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

// A colour index outside 0..15 is taken modulo 16, as the window system does.
constexpr Rgb paletteColour(int index) {
    return PALETTE[static_cast<std::size_t>(index & 15)];
}

} // namespace narabe
