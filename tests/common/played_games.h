// Positions that a game could reach, from seeded random games: black opens on the middle
// point, then the sides alternate on random flagged empty points, skipping moves that are
// forbidden for the side to move or that would make five, so every position is one a game
// could reach and still be going on. The flags are widened after every move, as in play.
// Shared by the tests and the benchmarks, so that both look at the same kind of position.
#pragma once

#include "common/scan_position.h"

namespace narabe::test {

// A game of `stones` moves from a new game; the side to move next is the computer's.
// Throws std::runtime_error when the game runs out of moves first.
ScanPosition playedPosition(int stones, unsigned seed);

} // namespace narabe::test
