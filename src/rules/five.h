// The win: a stone that stands in a line of exactly five stones of its side on some axis. Six
// or more in a row is no five.
#pragma once

#include "rules/directions.h"
#include "state/board.h"

#include <array>
#include <optional>

namespace narabe {

// Stones in a line that wins: exactly five (six or more is no five).
inline constexpr int FIVE_STONES = 5;

// The stones holding `code` next to p in direction d, in an unbroken run; p itself is not
// counted. The walk stops at the edge of the board; p is a point of the board.
int runLength(const Board& board, Cell code, Point p, Direction d);
inline int runLength(const Board& board, Stone stone, Point p, Direction d) {
    return runLength(board, cellOf(stone), p, d);
}

// The five points of a line of exactly five that a stone of `stone` on p stands in, from the
// far end of the axis's first side towards its second side; of several such lines, the one
// on the last axis of AXES. Nothing when there is none. The point itself is counted without
// being read, so the answer holds whether or not the stone is already there.
std::optional<std::array<Point, FIVE_STONES>> fiveThrough(const Board& board, Stone stone, Point p);

// Whether a stone of `stone` on p makes exactly five on some axis.
inline bool makesFive(const Board& board, Stone stone, Point p) {
    return fiveThrough(board, stone, p).has_value();
}

} // namespace narabe
