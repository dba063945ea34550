// The searching levels' decision: a win by continuous fours when there is one, else an
// alpha-beta search deepened one ply at a time until the work runs out, whose positions are
// judged by what each side could make on the points near the stones.
#pragma once

#include "computer/search/board.h"
#include "computer/search/timeman.h"

namespace narabe {

// How a level searches.
struct SearchStyle {
    int maxDepth;  // plies of the deepest search; answers to fives do not count
    int width;     // moves tried in a position without threats, the most promising first
    int rootFours; // fours of the search for a win by fours before the main search
    int leafFours; // the same at the main search's last ply (0: none)
};

struct Decision {
    bool found = false; // false: the side to move may play nowhere
    Point at;
    int score = 0;
};

// The move the side to move on `stones` plays.
Decision searchMove(const Board& stones, Stone side, const SearchStyle& style, NodeBudget& work);

} // namespace narabe
