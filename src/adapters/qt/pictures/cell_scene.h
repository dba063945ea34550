// What a board cell, or a stone off the board, shows at any point of its square, in
// picture pixels: the square runs from 0 to 21 on both axes and the grid crossing is the
// pixel (10, 10), centred on (10.5, 10.5). The layers from the bottom: the wooden ground
// (or the green square off the board), the stone's shadow, the grid lines, the star dot
// and the stone.
#pragma once

#include "adapters/qt/pictures/colour_math.h"
#include "ports/picture.h"

namespace narabe {

inline constexpr Rgb GRID_LINE{0, 0, 0};
inline constexpr Rgb STONE_SHADOW{164, 164, 0};
inline constexpr Rgb OFF_BOARD_GROUND{0, 125, 0};
inline constexpr Rgb STAR_SIDE{128, 128, 128};
inline constexpr Rgb STAR_CORNER{192, 192, 192};

// The grid lines are one pixel wide, from this column (and row) of the cell.
inline constexpr double GRID_CROSSING = 10.0;
// The shadow is the stone's disc moved this far right and down, a little smaller.
inline constexpr double SHADOW_SHIFT = 1.0;
inline constexpr double SHADOW_RADIUS = 9.4;

// What one of the 30 cell pictures is made of.
struct CellLook {
    Content content;
    bool left, right, up, down; // grid lines from the crossing towards each side
    bool star;                  // the star dot on the crossing
    bool offBoard;              // a plain green square: no wood, lines or shadow
};

// The look of a cell picture (any picture but TITLE).
CellLook cellLook(Picture p);

// The colour at point (x, y). `ground` is the colour of the wood under the point. The
// exact form samples the one-pixel drawing (hard edges, only the pictures' own colours);
// the smooth form is the same drawing for larger scales, with soft shadow and gradients.
Shade cellColourAt(const CellLook& look, double x, double y, Shade ground, bool exact);

} // namespace narabe
