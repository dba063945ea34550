// The computer's decision: the first point, in column-major scan order, with the best
// score among the flagged empty points that the rules allow for the computer's stone.
#pragma once

#include "state/state.h"

namespace narabe {

// Below every score a candidate can get.
inline constexpr double NO_SCORE = -9999;

struct Choice {
    bool found = false; // false: no admissible point is left (the game is drawn)
    int x = 0;
    int y = 0;
    double score = NO_SCORE;
};

// Scans x = 1..19 (outer) and y = 1..19 (inner); ties go to the first point scanned. The
// computer plays `com` and the human `man`.
Choice com_着手選択(const State& st, Stone com, Stone man);

// The scan for the game's sides, ComStone and ManStone.
inline Choice com_着手選択(const State& st) {
    return com_着手選択(st, st.ComStone, st.ManStone);
}

} // namespace narabe
