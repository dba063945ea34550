// Test positions for the computer player, written as small ASCII pictures.
//
// In a picture 'o' is a computer stone, 'x' a human stone, '.' an empty point and '*' an
// empty point of interest (the point a test scores or expects). Spaces are ignored, so a
// row may be spread out for reading. The first character of the first row lies on
// (left, top); characters go right along x and rows go down along y.
#pragma once

#include "common/print_codes.h"
#include "common/scan_position.h"

#include <ostream>
#include <string>
#include <vector>

namespace narabe::test {

using Point = narabe::Point;

struct Diagram {
    int left = 1;
    int top = 1;
    std::vector<std::string> rows;
};

// The position a game against the computer starts from, before the board's reset flags the
// middle point: every point EMPTY, no point flagged, the computer playing `com` and the human
// the other stone, the computer to move.
ScanPosition blankGame(Stone com);

// As after the board's reset: the blank game with the middle point (10, 10) flagged.
ScanPosition initialisedGame(Stone com);

// Puts the pictured stones on the board and returns the '*' points in reading order.
std::vector<Point> put(ScanPosition& st, const Diagram& d);

// The one-move computer's score of the empty point p for its stone, as its scan works it out.
double scoreOf(const ScanPosition& st, Point p);

// Flags the neighbourhood of every stone on the board, as the moves of a game would.
void flagAroundStones(ScanPosition& st);

// Readable name of a stone code for failure messages.
const char* stoneName(Stone c);

} // namespace narabe::test
