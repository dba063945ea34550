// Where the board lies on the window, in twips (1/1440 inch, 15 to a pixel at 96 dots per
// inch): grid position (x, y), whole or fractional, is the window position
// (ORIGIN_X + CELL_W * x, ORIGIN_Y + CELL_H * y), the top-left corner of cell (x, y).
#pragma once

namespace narabe {

inline constexpr int ORIGIN_X = 300;
inline constexpr int ORIGIN_Y = 50;
inline constexpr int CELL_W = 315;
inline constexpr int CELL_H = 315;

// Twips to a pixel at 96 dots per inch; the window draws one logical pixel per 15 twips.
inline constexpr double TWIPS_PER_PIXEL = 15.0;

constexpr double twipsX(double x) {
    return ORIGIN_X + CELL_W * x;
}
constexpr double twipsY(double y) {
    return ORIGIN_Y + CELL_H * y;
}

} // namespace narabe
