// The computer's decision: the point it plays, if any, and what it thought of it.
#pragma once

#include "state/types.h"

namespace narabe {

// Below every score a candidate can get.
inline constexpr double NO_SCORE = -9999;

struct Choice {
    bool found = false; // false: no point the rules allow is left (the game is drawn)
    Point at;
    double score = NO_SCORE;
};

} // namespace narabe
