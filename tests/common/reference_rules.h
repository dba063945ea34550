// An independent model of the three rule checks for the randomised tests. It reads each
// line through the point as a strip of cells, with a mark for the places off the board,
// and judges the shapes from their stone counts and open ends, without trial stones.
#pragma once

#include "state/board.h"

namespace narabe::test {

// true when a stone of `stone` on (x, y) makes exactly five on some line.
bool referenceFive(const Board& board, Stone stone, int x, int y);

// true when a stone on the empty point (x, y) makes a four on two or more lines and no five.
bool referenceDoubleFour(const Board& board, int x, int y, Stone stone);

// true when a stone on the empty point (x, y) makes an open three on two or more lines and
// no five.
bool referenceDoubleThree(const Board& board, int x, int y, Stone stone);

} // namespace narabe::test
