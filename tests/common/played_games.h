// Positions that a game could reach, from seeded random games: black opens on the middle
// point, then the sides alternate on random flagged empty points, skipping moves that are
// forbidden for the side to move or that would make five, so every position is one a game
// could reach and still be going on. The flags are widened after every move, as in play.
// Shared by the tests and the benchmarks, so that both look at the same kind of position.
#pragma once

#include "state/state.h"

namespace narabe::test {

// A game of `stones` moves from the new-game state; the side to move next is the computer's.
// Throws std::runtime_error when the game runs out of moves first.
State playedPosition(int stones, unsigned seed);

} // namespace narabe::test
