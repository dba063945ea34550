// Test positions for the computer player, written as small ASCII pictures.
//
// In a picture 'o' is a computer stone, 'x' a human stone, '.' an empty point and '*' an
// empty point of interest (the point a test scores or expects). Spaces are ignored, so a
// row may be spread out for reading. The first character of the first row lies on
// (left, top); characters go right along x and rows go down along y.
#pragma once

#include "common/print_codes.h"
#include "state/state.h"

#include <ostream>
#include <string>
#include <vector>

namespace narabe::test {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Point& p);

struct Diagram {
    int left = 1;
    int top = 1;
    std::vector<std::string> rows;
};

// The state a game against the computer starts from, before 初期設定 flags the middle
// point: every point EMPTY, no point flagged, the centre bonus filled (0.1 on 9..12 x
// 9..12), the computer playing `com` and the human the other stone, the computer to move.
State blankGame(Stone com);

// As after 初期設定: the blank game with the middle point (10, 10) flagged.
State initialisedGame(Stone com);

// Puts the pictured stones on the board and returns the '*' points in reading order.
std::vector<Point> put(State& st, const Diagram& d);

// Flags the neighbourhood of every stone on the board, as the moves of a game would.
void flagAroundStones(State& st);

// Readable name of a stone code for failure messages.
const char* stoneName(Stone c);

} // namespace narabe::test
