// The candidate scan of the one-move computer: every empty point it considers that the rules
// allow for its stone is scored, and the first point with the highest score wins.
#include "computer/scan/scan.h"

#include "computer/scan/scoring.h"
#include "rules/judge.h"

namespace narabe {

Choice scanMove(const Board& board, const NearPoints& near, Stone computer, Stone human) {
    Choice best;
    forEachPoint([&](int x, int y) {
        const Point p{x, y};
        if (!near(p) || board(p) != EMPTY) return;
        // The double-three and double-four rules hold for the computer's stone whatever its
        // colour; the lines read for them also serve the score.
        const PointFacts facts = pointFacts(board, p, computer);
        if (barOf(facts) != Verdict::ALLOWED) return;
        const double s = scoreWithFacts(board, near, p, facts, human);
        if (s > best.score) { // strictly greater: ties stay with the first point scanned
            best.score = s;
            best.at = p;
        }
    });
    best.found = !(best.score < 0);
    return best;
}

} // namespace narabe
