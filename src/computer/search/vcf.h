// The search of continuous fours: a win in which every move of the attacker leaves a point
// that would make five, so that the defender's every answer is forced. It is exact under the
// game's rules: a four whose only answer is barred for the defender wins at once, and the
// defender's answer may itself make a four that the attacker must stop with a four.
#pragma once

#include "computer/search/board.h"
#include "computer/search/timeman.h"

namespace narabe {

// Whether the side to move wins by at most `fours` fours (its five included), within `work`;
// the first move of the win goes to `first`. False also when the work ran out first.
bool winsByFours(SearchBoard& board, int fours, NodeBudget& work, Point& first);

} // namespace narabe
