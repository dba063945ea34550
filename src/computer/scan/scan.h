// The one-move computer (初級): the first point, in column-major scan order, with the best
// score among the points near the stones that the rules allow for the computer's stone.
#pragma once

#include "computer/scan/near_points.h"

namespace narabe {

// Below every score a candidate can get.
inline constexpr double NO_SCORE = -9999;

// The computer's decision: the point it plays, if any, and what it thought of it.
struct Choice {
    bool found = false; // false: no point the rules allow is left (the game is drawn)
    Point at;
    double score = NO_SCORE;
};

// Scans x = 1..19 (outer) and y = 1..19 (inner) over the empty points of `near`; ties go to
// the first point scanned. The computer plays `computer` and the human `human`.
Choice scanMove(const Board& board, const NearPoints& near, Stone computer, Stone human);

} // namespace narabe
