// The computer's decision: the first point, in column-major scan order, with the best
// score among the flagged empty points that the rules allow for the computer's stone.
#pragma once

#include "state/state.h"

namespace narabe {

struct Choice {
    bool found = false; // false: no admissible point is left (the game is drawn)
    int x = 0;
    int y = 0;
    double score = -9999;
};

// Scans x = 1..19 (outer) and y = 1..19 (inner); ties go to the first point scanned.
// Leaves the state as it was.
Choice com_着手選択(State& st);

} // namespace narabe
