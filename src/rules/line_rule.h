// The walk shared by the double-four and double-three checks: put the trial stone, let
// a five pass, take the sixteen probes once, and count the axes that carry the shape,
// trying the gap beyond each open end of the run as the Japanese rule describes.
#pragma once

#include "state/types.h"

namespace narabe {

struct LineRule {
    int target;        // stones the filled line must hold: 5 for a four, 4 for a three
    bool bothEndsOpen; // the gate: both end cells EMPTY (three), or at least one (four)
};

inline constexpr LineRule FOUR_RULE{5, false};
inline constexpr LineRule THREE_RULE{4, true};

// YES when two or more axes through (x, y) carry the shape for `stone`; NO when the stone
// makes exactly five. Leaves the board as it was, with (x, y) EMPTY.
Truth countLineShapes(Grid& board, int x, int y, Stone stone, LineRule rule);

} // namespace narabe
