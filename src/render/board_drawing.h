// Drawing the board cell by cell from the named pictures, and the two primitives used for
// everything beside the board: filling a rectangle and drawing a text. Positions are grid
// coordinates (x, y), possibly fractional, converted to twips.
#pragma once

#include "ports/surface.h"
#include "render/layout.h"
#include "state/types.h"

#include <string>
#include <string_view>

namespace narabe {

// The picture of point (x, y) with the given content; star points only when empty.
Picture cellPicture(int x, int y, Content content);

// Draws all 361 points from the board: stones and empty points; other codes are skipped.
void 描画_盤(Surface& s, const Grid& board);
// Draws point (x, y) with a stone; a value other than BLACK or WHITE draws nothing.
void 描画_駒(Surface& s, int x, int y, Stone stone);
// Draws point (x, y) empty (with the star dot on the nine star points).
void 描画_桝(Surface& s, int x, int y);
// Draws point (x, y) as it is on a board: a stone, or empty.
void drawCell(Surface& s, int x, int y, Cell cell);
// Fills the rectangle at grid position (x, y), width x height twips, with a palette colour.
void 描画_四角形(Surface& s, double x, double y, double width, double height, Colour colour);
void 描画_四角形(Surface& s, const GridRect& r, Colour colour);
// Draws a text at grid position (x, y) in a palette colour at `size` points.
void 描画_文字列(Surface& s, double x, double y, std::string_view text, Colour colour, int size);
void 描画_文字列(Surface& s, const TextPlace& place, std::string_view text, Colour colour);
// Draws a number in printed-number form: a blank, the digits, a blank (" 7 ").
void 描画_文字列(Surface& s, double x, double y, int number, Colour colour, int size);
// Copies a picture with its top-left corner at a grid position.
void copyPictureAt(Surface& s, Picture picture, GridPoint at);

// A number as it is printed: sign position (a blank or "-"), the digits, one blank.
std::string printedNumber(int n);

} // namespace narabe
