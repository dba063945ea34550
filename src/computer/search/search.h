// The searching levels' decision: a win by continuous fours when there is one, else an
// alpha-beta search deepened one ply at a time until the work runs out, whose positions are
// judged by what each side could make on the points near the stones.
#pragma once

#include "computer/search/board.h"
#include "computer/search/timeman.h"
#include "computer/search/tt.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace narabe {

// How a level searches.
struct SearchStyle {
    int maxDepth;  // plies of the deepest search; answers to fives do not count
    int width;     // quiet moves tried one ply above the leaves, two more each ply higher
    int rootFours; // fours of the search for a win by fours before the main search
    int leafFours; // the same at the main search's last ply (0: none)
};

struct Decision {
    bool found = false; // false: the side to move may play nowhere
    Point at;
    int score = 0;
};

// Scores beyond these are a five made `n` plies on: WIN_SCORE - n for the side to move,
// -(WIN_SCORE - n) for the other side. Smaller scores count in hundredths of a stone.
inline constexpr int WIN_SCORE = 1'000'000;
inline constexpr int WON_SCORE = WIN_SCORE - 1000;

// What a completed depth of the search found.
struct DepthReport {
    int depth = 0;
    int score = 0;          // for the side to move
    std::int64_t nodes = 0; // positions looked at so far
    std::chrono::steady_clock::duration time{};
    std::vector<Point> line; // the best line found, the side to move's move first
};

// Told every completed depth.
using DepthListener = std::function<void(const DepthReport&)>;

// The move the side to move on `stones` plays, with `table` kept from earlier searches of
// the game; `listener`, when given, hears every depth.
Decision searchMove(const Board& stones, Stone side, const SearchStyle& style, NodeBudget& work,
                    TranspositionTable& table, const DepthListener& listener = {});

// The same with a table of its own, sized for the work.
Decision searchMove(const Board& stones, Stone side, const SearchStyle& style, NodeBudget& work,
                    const DepthListener& listener = {});

} // namespace narabe
