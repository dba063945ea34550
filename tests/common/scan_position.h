// A position as the one-move computer sees it: the board, the points it considers, and the
// sides of the computer and the human. The computer's tests, the random games and the
// benchmarks build their positions in it.
#pragma once

#include "computer/scan/near_points.h"
#include "state/board.h"

namespace narabe::test {

struct ScanPosition {
    Board board = emptyBoard();
    NearPoints near = newGameNearPoints(); // as a new game has them
    Stone computer = BLACK;
    Stone human = WHITE;
};

} // namespace narabe::test
