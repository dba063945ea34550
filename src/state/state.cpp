// The queries and updates the state owns itself: may a stone go on a point, storing the
// current position under a move count, and the positional bonus.
#include "state/state.h"

namespace narabe {

namespace {

// The block of points that earns the positional bonus: 9..12 on both axes, which reaches
// one point beyond the middle point (10, 10) up and left and two down and right.
constexpr int BONUS_FIRST = 9;
constexpr int BONUS_LAST = 12;
constexpr double CENTRE_BONUS = 0.1;

} // namespace

Truth State::調査_置けるか(int x, int y) const {
    if (x < 0 || x > LAST_POINT || y < 0 || y > LAST_POINT) return NO;
    if (Board(x, y) != EMPTY) return NO; // also refuses the unset border cells
    return YES;
}

void State::調査_保存(int n) {
    Grid& stored = Positions(n);
    forEachPoint([&](int x, int y) { stored(x, y) = Board(x, y); });
}

void fillCentreBonus(State& st) {
    forEachPoint([&](int x, int y) {
        const bool inBlock =
            x >= BONUS_FIRST && x <= BONUS_LAST && y >= BONUS_FIRST && y <= BONUS_LAST;
        st.CentreBonus(x, y) = inBlock ? CENTRE_BONUS : 0.0;
    });
}

} // namespace narabe
