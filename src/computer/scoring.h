// The computer's one-point evaluation: the most urgent of eight single-line patterns for
// attack (the computer's stone) and defence (the human's stone) decides the score.
#pragma once

#include "rules/line_facts.h"
#include "state/state.h"

namespace narabe {

// Score of the empty point (x, y) for the computer: 1000, 900, 800, 700, 500, 400, 300, or
// the centre bonus (0.1 or 0) when no pattern holds or the point is not flagged. The lines
// are read as they would be with each side's stone on the point; the board is only read.
double 調査_得点(const State& st, int x, int y);

// The same score from the facts of the point's lines for the computer's stone, already read,
// with the human playing `human`.
double scoreWithFacts(const State& st, int x, int y, const PointFacts& computer, Stone human);

} // namespace narabe
