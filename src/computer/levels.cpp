// The levels: how each searches, its own time, and how time becomes a count of positions.
#include "computer/levels.h"

#include "computer/search.h"

#include <algorithm>

namespace narabe {

namespace {

// Positions looked at per millisecond of thinking. The release build looks at about 600 a
// millisecond on one core of the 2-core machine it was measured on (bench_levels), so a
// level's work takes about a third of its time there and is done in time even with twice as
// much other work beside it; the deadline is only a safety stop.
constexpr std::int64_t POSITIONS_PER_MS = 200;

constexpr SearchStyle styleOf(Level level) {
    // 中級 looks three plies ahead among fewer moves and sees fours only at the root;
    // 上級 goes as deep as its time allows and looks for fours at every leaf.
    return level == Level::中級 ? SearchStyle{3, 8, 8, 0} : SearchStyle{12, 12, 16, 5};
}

} // namespace

std::chrono::milliseconds ownTime(Level level) {
    using std::chrono::milliseconds;
    switch (level) {
    case Level::初級:
        return milliseconds{0};
    case Level::中級:
        return milliseconds{100};
    case Level::上級:
        return milliseconds{1000};
    }
    return milliseconds{0};
}

std::int64_t positionsIn(std::chrono::milliseconds time) {
    return std::max<std::int64_t>(1, time.count() * POSITIONS_PER_MS);
}

Choice 着手選択(const State& st, Stone side, Level level, Work& work) {
    if (level == Level::初級) return com_着手選択(st, side, otherStone(side));
    const Decision d = searchMove(st.Board, side, styleOf(level), work);
    Choice c;
    c.found = d.found;
    c.x = d.at.x;
    c.y = d.at.y;
    c.score = d.score;
    return c;
}

Choice 着手選択(const State& st, Stone side, Level level, std::chrono::milliseconds limit) {
    const auto start = std::chrono::steady_clock::now();
    Work work(positionsIn(std::min(limit, ownTime(level))), start + limit);
    return 着手選択(st, side, level, work);
}

} // namespace narabe
