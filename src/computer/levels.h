// The computer's strengths behind one call, used by the game, the engine and the hint:
// 初級 is the one-move scan, 中級 and 上級 search.
#pragma once

#include "computer/scan/near_points.h"
#include "computer/scan/scan.h"
#include "computer/search/search.h"
#include "computer/search/timeman.h"
#include "state/board.h"

#include <chrono>

namespace narabe {

// The point `level` plays for `side` to move on `board`: at BEGINNER the one-move scan over
// `near`, with `side` as the computer's stone and the other as the human's; the searching
// levels read the board alone. found == false: no point the rules allow (the game is drawn).
// Thinks no longer than `limits` allow: 中級 as the game's, with its own work and a table of
// its own, 上級 all the time with `table`, kept from the game's earlier moves. With a hard
// limit too short for a search, the one-move scan's point comes at once. `listener`, when
// given, hears every depth a searching level completes.
Choice chooseMove(const Board& board, const NearPoints& near, Stone side, Level level,
                  const TimeLimits& limits, TranspositionTable& table,
                  const DepthListener& listener = {});

// The same within `budget`, which counts the positions looked at: with NO_DEADLINE the choice
// depends on the position, the side, the level and the budget alone.
Choice chooseMove(const Board& board, const NearPoints& near, Stone side, Level level,
                  NodeBudget& budget);
// The same with `table` kept from earlier searches.
Choice chooseMove(const Board& board, const NearPoints& near, Stone side, Level level,
                  NodeBudget& budget, TranspositionTable& table);

// The level's own time, as the game gives it.
std::chrono::milliseconds ownTime(Level level);

} // namespace narabe
