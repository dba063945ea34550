// The one-move computer (初級): the first point, in column-major scan order, with the best
// score among the points near the stones that the rules allow for the computer's stone.
#pragma once

#include "computer/choice.h"
#include "computer/scan/near_points.h"

namespace narabe {

// Scans x = 1..19 (outer) and y = 1..19 (inner) over the empty points of `near`; ties go to
// the first point scanned. The computer plays `computer` and the human `human`.
Choice scanMove(const Board& board, const NearPoints& near, Stone computer, Stone human);

} // namespace narabe
