// Reproducible random positions for the rule tests, and the symmetries of the board.
//
// A position is built around a chosen empty point P: the points on the four lines through P
// near it are filled densely, the rest of the board sparsely, so that fives, fours and
// threes through P come up often. The density varies from position to position, from an
// almost empty board to an almost full one.
#pragma once

#include "rules/diagram.h"
#include "state/board.h"

#include <random>

namespace narabe::test {

struct RandomPosition {
    Board board; // border cells UNSET, points 1..19 EMPTY, BLACK or WHITE; P is EMPTY
    Point p;
    Stone stone; // the side under test
};

RandomPosition randomPosition(std::mt19937& random);

// One of the eight symmetries of the board (0 is the identity): rotations and reflections
// that map points 1..19 onto themselves.
Point transform(int symmetry, Point p);
Board transform(int symmetry, const Board& board);

// The board with every BLACK stone made WHITE and every WHITE stone made BLACK.
Board swapColours(const Board& board);

} // namespace narabe::test
