// The two queries and updates the state owns itself: may a stone go on a point, and
// storing the current position under a move count.
#include "state/state.h"

namespace narabe {

int State::調査_置けるか(int x, int y) const {
    if (x < 0 || x > LAST_POINT || y < 0 || y > LAST_POINT) return NO;
    if (Board(x, y) != EMPTY) return NO; // also refuses the unset border cells
    return YES;
}

void State::調査_保存(int n) {
    Grid& stored = Positions(n);
    for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
        for (int y = FIRST_POINT; y <= LAST_POINT; ++y)
            stored(x, y) = Board(x, y);
}

} // namespace narabe
