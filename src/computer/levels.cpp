// The levels: how each searches, its own time, and the time it is given as a node budget and
// a deadline.
#include "computer/levels.h"

#include "computer/scan/scan.h"
#include "computer/search/search.h"

#include <algorithm>

namespace narabe {

namespace {

constexpr SearchStyle styleOf(Level level) {
    // 中級 looks three plies ahead among fewer moves and sees fours only at the root;
    // 上級 goes as deep as its time allows and looks for fours at every leaf.
    return level == Level::INTERMEDIATE ? SearchStyle{3, 8, 8, 0} : SearchStyle{12, 12, 16, 5};
}

} // namespace

std::chrono::milliseconds ownTime(Level level) {
    using std::chrono::milliseconds;
    switch (level) {
    case Level::BEGINNER:
        return milliseconds{0};
    case Level::INTERMEDIATE:
        return milliseconds{100};
    case Level::ADVANCED:
        return milliseconds{1000};
    }
    return milliseconds{0};
}

Choice chooseMove(const Board& board, const NearPoints& near, Stone side, Level level,
                  NodeBudget& budget) {
    if (level == Level::BEGINNER) return scanMove(board, near, side, otherStone(side));
    const Decision d = searchMove(board, side, styleOf(level), budget);
    return Choice{d.found, d.at, static_cast<double>(d.score)};
}

Choice chooseMove(const Board& board, const NearPoints& near, Stone side, Level level,
                  NodeBudget& budget, TranspositionTable& table) {
    if (level == Level::BEGINNER) return scanMove(board, near, side, otherStone(side));
    const Decision d = searchMove(board, side, styleOf(level), budget, table);
    return Choice{d.found, d.at, static_cast<double>(d.score)};
}

Choice chooseMove(const Board& board, const NearPoints& near, Stone side, Level level,
                  const TimeLimits& limits, TranspositionTable& table,
                  const DepthListener& listener) {
    if (level == Level::BEGINNER || limits.hard < timing::LEAST_SEARCH)
        return scanMove(board, near, side, otherStone(side));
    const auto start = std::chrono::steady_clock::now();
    if (level == Level::INTERMEDIATE) {
        // The game's 中級: its own work and a table of its own, within the time given.
        NodeBudget budget(positionsIn(std::min(limits.hard, ownTime(level))), start + limits.hard);
        const Decision d = searchMove(board, side, styleOf(level), budget, listener);
        return Choice{d.found, d.at, static_cast<double>(d.score)};
    }
    NodeBudget budget(NO_BUDGET, start + limits.hard, start + limits.soft);
    const Decision d = searchMove(board, side, styleOf(level), budget, table, listener);
    return Choice{d.found, d.at, static_cast<double>(d.score)};
}

} // namespace narabe
