// The win test: does a stone of this side on (x, y) stand in a line of exactly five?
#pragma once

#include "state/types.h"

namespace narabe {

// Stones in a line that wins: exactly five (six or more is no five).
inline constexpr int FIVE_STONES = 5;

// YES when a stone of `stone` on (x, y) makes exactly five on some axis. The point itself
// is counted without being read; the board is only read.
Truth 調査_5並び(const Grid& board, Stone stone, int x, int y);

} // namespace narabe
