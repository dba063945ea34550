// The candidate scan of the computer's move: every flagged empty point the rules allow
// for the computer's stone is scored, and the first point with the highest score wins.
#include "computer/choose.h"

#include "computer/scoring.h"
#include "rules/double_four.h"
#include "rules/double_three.h"

namespace narabe {

Choice com_着手選択(State& st) {
    Choice best; // score -9999: below every score a candidate can get
    for (int x = FIRST_POINT; x <= LAST_POINT; ++x) {
        for (int y = FIRST_POINT; y <= LAST_POINT; ++y) {
            if (st.NearFlag(x, y) != YES || st.Board(x, y) != EMPTY) continue;
            // Both rule checks are made for every flagged empty point, whatever the colour.
            if (調査_三三(st.Board, x, y, st.ComStone) != NO) continue;
            if (調査_四四(st.Board, x, y, st.ComStone) != NO) continue;
            const double s = 調査_得点(st, x, y);
            if (s > best.score) { // strictly greater: ties stay with the first point scanned
                best.score = s;
                best.x = x;
                best.y = y;
            }
        }
    }
    best.found = !(best.score < 0);
    return best;
}

} // namespace narabe
