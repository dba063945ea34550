// The neighbourhood the computer considers: every point within two of a played stone.
#pragma once

#include "state/state.h"

namespace narabe {

// How far from a stone, on both axes, the computer looks.
inline constexpr int NEAR_RADIUS = 2;

// Flags the 5 x 5 square of points around (x, y), cut off at the board edge.
void 隣接範囲フラグセット(State& st, int x, int y);

} // namespace narabe
