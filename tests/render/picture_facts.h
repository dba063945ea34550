// What the cell pictures must show, written out for the tests: the look of each of the 30
// cell pictures, the colours they are made of, and pixel access in natural-size pixels.
#pragma once

#include "ports/picture.h"
#include "render/palette.h"

#include <QImage>

#include <array>
#include <ostream>
#include <string_view>
#include <vector>

namespace narabe::test {

struct CellCase {
    Picture picture;
    char content;           // 'K' black stone, 'S' white stone, 'E' empty
    std::string_view lines; // sides the grid lines run to: L(eft) R(ight) U(p) D(own)
    bool star;
    bool offBoard;
};

inline constexpr std::array<CellCase, 30> CELL_CASES = {{
    {Picture::BLACK_TOP_LEFT, 'K', "RD", false, false},
    {Picture::BLACK_TOP_RIGHT, 'K', "LD", false, false},
    {Picture::BLACK_BOTTOM_LEFT, 'K', "RU", false, false},
    {Picture::BLACK_BOTTOM_RIGHT, 'K', "LU", false, false},
    {Picture::BLACK_LEFT_EDGE, 'K', "UDR", false, false},
    {Picture::BLACK_RIGHT_EDGE, 'K', "UDL", false, false},
    {Picture::BLACK_TOP_EDGE, 'K', "LRD", false, false},
    {Picture::BLACK_BOTTOM_EDGE, 'K', "LRU", false, false},
    {Picture::BLACK_INSIDE, 'K', "LRUD", false, false},
    {Picture::WHITE_TOP_LEFT, 'S', "RD", false, false},
    {Picture::WHITE_TOP_RIGHT, 'S', "LD", false, false},
    {Picture::WHITE_BOTTOM_LEFT, 'S', "RU", false, false},
    {Picture::WHITE_BOTTOM_RIGHT, 'S', "LU", false, false},
    {Picture::WHITE_LEFT_EDGE, 'S', "UDR", false, false},
    {Picture::WHITE_RIGHT_EDGE, 'S', "UDL", false, false},
    {Picture::WHITE_TOP_EDGE, 'S', "LRD", false, false},
    {Picture::WHITE_BOTTOM_EDGE, 'S', "LRU", false, false},
    {Picture::WHITE_INSIDE, 'S', "LRUD", false, false},
    {Picture::EMPTY_TOP_LEFT, 'E', "RD", false, false},
    {Picture::EMPTY_TOP_RIGHT, 'E', "LD", false, false},
    {Picture::EMPTY_BOTTOM_LEFT, 'E', "RU", false, false},
    {Picture::EMPTY_BOTTOM_RIGHT, 'E', "LU", false, false},
    {Picture::EMPTY_LEFT_EDGE, 'E', "UDR", false, false},
    {Picture::EMPTY_RIGHT_EDGE, 'E', "UDL", false, false},
    {Picture::EMPTY_TOP_EDGE, 'E', "LRD", false, false},
    {Picture::EMPTY_BOTTOM_EDGE, 'E', "LRU", false, false},
    {Picture::EMPTY_INSIDE, 'E', "LRUD", false, false},
    {Picture::EMPTY_STAR, 'E', "LRUD", true, false},
    {Picture::BLACK_OFF_BOARD, 'K', "", false, true},
    {Picture::WHITE_OFF_BOARD, 'S', "", false, true},
}};

inline void PrintTo(const CellCase& c, std::ostream* os) {
    *os << pictureName(c.picture);
}

// The cases that satisfy `keep`, for a test that concerns some of the pictures only.
template <class Keep> std::vector<CellCase> casesWhere(Keep keep) {
    std::vector<CellCase> out;
    for (const CellCase& c : CELL_CASES)
        if (keep(c)) out.push_back(c);
    return out;
}

inline constexpr std::array<Rgb, 4> WOOD = {
    {{223, 204, 113}, {239, 220, 129}, {238, 219, 128}, {223, 204, 111}}};
inline constexpr Rgb BLACK_RGB{0, 0, 0};
inline constexpr Rgb GREY{128, 128, 128};
inline constexpr Rgb LIGHT_GREY{192, 192, 192};
inline constexpr Rgb WHITE_RGB{255, 255, 255};
inline constexpr Rgb WHITE_MID{228, 228, 228};
inline constexpr Rgb WHITE_DARK{213, 213, 213};
inline constexpr Rgb WHITE_ARC{224, 224, 224};
inline constexpr Rgb OLIVE{164, 164, 0};
inline constexpr Rgb OFF_BOARD{0, 125, 0};

inline Rgb pixel(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    return {static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
            static_cast<std::uint8_t>(qBlue(c))};
}

inline bool isWood(Rgb c) {
    for (const Rgb& w : WOOD)
        if (c == w) return true;
    return false;
}

inline bool has(std::string_view lines, char side) {
    return lines.find(side) != std::string_view::npos;
}

// Whether pixel (column, row) of a 21 x 21 cell lies on one of its grid lines.
inline bool onLine(const CellCase& c, int column, int row) {
    if (row == 10 && ((has(c.lines, 'L') && column <= 10) || (has(c.lines, 'R') && column >= 10)))
        return true;
    return column == 10 && ((has(c.lines, 'U') && row <= 10) || (has(c.lines, 'D') && row >= 10));
}

// The star dot's 5 x 5 pixels around (10, 10); other pixels give nullopt-like false.
inline bool inStarDot(int column, int row) {
    return column >= 8 && column <= 12 && row >= 8 && row <= 12;
}
inline Rgb starDotColour(int column, int row) {
    const int dx = column < 10 ? 10 - column : column - 10;
    const int dy = row < 10 ? 10 - row : row - 10;
    if (dx <= 1 && dy <= 1) return BLACK_RGB;
    if (dx == 2 && dy == 2) return LIGHT_GREY;
    return GREY;
}

} // namespace narabe::test
