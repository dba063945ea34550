// The one-move computer's evaluation of a point: the most urgent of eight single-line
// patterns for attack (the computer's stone) and defence (the human's stone) decides the
// score, and a small bonus near the middle breaks the ties of quiet points.
#pragma once

#include "computer/scan/near_points.h"
#include "rules/line_facts.h"

namespace narabe {

// The positional bonus of a point: 0.1 on the 4 x 4 block of points 9..12 x 9..12, else 0.
double centreBonus(Point p);

// Score of the empty point p for the computer, from the facts of its lines for the computer's
// stone, already read, with the human playing `human`: 1000, 900, 800, 700, 500, 400, 300,
// or the centre bonus when no pattern holds or the point is not near a stone. The lines are
// read as they would be with each side's stone on the point; the board is only read.
double scoreWithFacts(const Board& board, const NearPoints& near, Point p,
                      const PointFacts& computer, Stone human);

} // namespace narabe
