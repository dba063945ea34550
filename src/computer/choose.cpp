// The candidate scan of the computer's move: every flagged empty point the rules allow
// for the computer's stone is scored, and the first point with the highest score wins.
#include "computer/choose.h"

#include "computer/scoring.h"
#include "rules/double_four.h"
#include "rules/double_three.h"

namespace narabe {

Choice com_着手選択(const State& st) {
    Grid trial = st.Board; // the rule checks put their trial stones here
    Choice best;
    forEachPoint([&](int x, int y) {
        if (st.NearFlag(x, y) != YES || st.Board(x, y) != EMPTY) return;
        // Both rule checks are made for every flagged empty point, whatever the colour.
        if (調査_三三(trial, x, y, st.ComStone) != NO) return;
        if (調査_四四(trial, x, y, st.ComStone) != NO) return;
        const double s = 調査_得点(st, x, y);
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
