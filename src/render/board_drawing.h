// Drawing the board cell by cell from the named pictures, and the two primitives used for
// everything beside the board: filling a rectangle and drawing a text. Positions are grid
// coordinates (x, y), possibly fractional, converted to twips.
#pragma once

#include "ports/surface.h"
#include "render/layout.h"
#include "state/board.h"

#include <string>
#include <string_view>

namespace narabe {

// The picture of point p with the given content; star points only when empty.
Picture cellPicture(Point p, Content content);

// Draws all 361 points from the board: stones and empty points; other cells are skipped.
void drawBoard(Surface& s, const Board& board);
// Draws point p with a stone of `stone`.
void drawStone(Surface& s, Point p, Stone stone);
// Draws point p empty (with the star dot on the nine star points).
void drawEmptyPoint(Surface& s, Point p);
// Draws point p as it is on a board: a stone, or empty; a cell that holds neither (UNSET)
// draws nothing.
void drawCell(Surface& s, Point p, Cell cell);
// Fills the rectangle at grid position (x, y), width x height twips, with a palette colour.
void fillRectangle(Surface& s, double x, double y, double width, double height, Colour colour);
void fillRectangle(Surface& s, const GridRect& r, Colour colour);
// Draws a text at grid position (x, y) in a palette colour at `size` points.
void drawText(Surface& s, double x, double y, std::string_view text, Colour colour, int size);
void drawText(Surface& s, const TextPlace& place, std::string_view text, Colour colour);
// Draws a number in printed-number form: a blank, the digits, a blank (" 7 ").
void drawText(Surface& s, double x, double y, int number, Colour colour, int size);
// Copies a picture with its top-left corner at a grid position.
void copyPictureAt(Surface& s, Picture picture, GridPoint at);

// A number as it is printed: sign position (a blank or "-"), the digits, one blank.
std::string printedNumber(int n);

} // namespace narabe
