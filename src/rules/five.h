// The win test: does a stone of this code on (x, y) stand in a line of exactly five?
#pragma once

#include "state/types.h"

namespace narabe {

// YES when a stone of `stone` on (x, y) makes exactly five on some axis (six or more is
// no five). The point itself is counted without being read; the board is only read.
int 調査_5並び(const Grid& board, Code stone, int x, int y);

} // namespace narabe
