// The candidate scan of the computer's move: every flagged empty point the rules allow
// for the computer's stone is scored, and the first point with the highest score wins.
#include "computer/choose.h"

#include "computer/scoring.h"
#include "rules/line_facts.h"

namespace narabe {

Choice com_着手選択(const State& st, Stone com, Stone man) {
    Choice best;
    forEachPoint([&](int x, int y) {
        if (st.NearFlag(x, y) != YES || st.Board(x, y) != EMPTY) return;
        // The double-three and double-four rules hold for the computer's stone whatever its
        // colour; the lines read for them also serve the score.
        const PointFacts facts = pointFacts(st.Board, x, y, com);
        if (facts.doubleThree() || facts.doubleFour()) return;
        const double s = scoreWithFacts(st, x, y, facts, man);
        if (s > best.score) { // strictly greater: ties stay with the first point scanned
            best.score = s;
            best.x = x;
            best.y = y;
        }
    });
    best.found = !(best.score < 0);
    return best;
}

} // namespace narabe
