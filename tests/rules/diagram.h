// Boards for the rule tests, built from small pictures.
//
// A line picture is read left to right through the point P: X is a stone of the code under
// test, O a stone of the other code, _ an empty point, P the point itself and | the board
// edge (the first place off the board). Spaces are ignored. A picture can be laid along any
// of the four lines through a point, at any place where it fits; an end written without |
// (other than P itself) stands for a line that goes on with empty points.
//
// Whole-board pictures use the same letters, one text per row, top row first.
//
// The directions here are the tests' own, written independently of the game's direction
// table, so that a mix-up in the game's table shows up as a failing test.
#pragma once

#include "common/print_codes.h"
#include "state/board.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace narabe::test {

struct Vec {
    int dx;
    int dy;
};

using Point = narabe::Point;

// The eight directions as on the screen: x grows to the right, y downwards.
inline constexpr Vec UP{0, -1};
inline constexpr Vec DOWN{0, +1};
inline constexpr Vec LEFT{-1, 0};
inline constexpr Vec RIGHT{+1, 0};
inline constexpr Vec UP_LEFT{-1, -1};
inline constexpr Vec UP_RIGHT{+1, -1};
inline constexpr Vec DOWN_LEFT{-1, +1};
inline constexpr Vec DOWN_RIGHT{+1, +1};

// The four lines through a point and the way a line picture is read along each:
// the row from left to right, the column from top to bottom, the falling diagonal from
// upper left to lower right, the rising diagonal from lower left to upper right.
enum class Line { Row, Column, Falling, Rising };
inline constexpr std::array<Line, 4> LINES = {Line::Row, Line::Column, Line::Falling, Line::Rising};
Vec along(Line line);
const char* nameOf(Line line);

// A parsed line picture: its cells without spaces and the index of P.
struct Picture {
    std::string cells;
    int p = 0;
};

// Parses a line picture; throws std::invalid_argument on a malformed one (no P or more
// than one, | anywhere but at an end, an unknown letter).
Picture parse(std::string_view text);

// The picture read the other way (right to left).
std::string reversed(std::string_view text);

// True when the picture, laid with P on (x, y) and read in direction v, fits the board:
// every letter on a point of the board, every | just off it, and each end letter other than
// | or P followed by one more point of the board (a picture that ends with P says nothing
// about what lies beyond P).
bool fits(const Picture& picture, Vec v, int x, int y);

// Writes the picture's letters (P excepted) onto the board, X as `me` and O as the other
// stone. Throws std::invalid_argument when the picture does not fit there.
void lay(Board& board, const Picture& picture, Vec v, int x, int y, Stone me);

// A picture together with the direction it is read in.
struct Laid {
    Picture picture;
    Vec v;
};

// Every point P of the board where all the pictures fit at once.
std::vector<Point> placements(const std::vector<Laid>& pictures);

// A part of those: the places on the rim of the region where the pictures fit (where
// their ends come nearest the edges) and every `every`-th place besides.
std::vector<Point> somePlacements(const std::vector<Laid>& pictures, int every);

// Every way of putting `count` pictures on distinct lines, in every order of lines.
std::vector<std::vector<Line>> distinctLines(std::size_t count);

// A board with every picture laid through P = (x, y).
Board board(const std::vector<Laid>& pictures, int x, int y, Stone me);

// A whole-board picture: rows of X, O, _ (and . for EMPTY as well), the first row at y = top
// and the first letter of each row at x = left; points not covered stay EMPTY.
Board boardFromRows(const std::vector<std::string>& rows, Stone me, int left = 1, int top = 1);

// The board as 19 rows of B (black), W (white) and . (empty), for failure messages.
std::string show(const Board& board);

// The letter of a stone code as seen from `me`: X, O, _ or ? for anything else.
char letterOf(Cell cell, Stone me);

} // namespace narabe::test
