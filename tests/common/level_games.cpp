// Refereed games between levels, the flags and bonus kept as the game keeps them.
#include "common/level_games.h"

#include "computer/scan/near_points.h"
#include "rules/five.h"
#include "rules/judge.h"

#include <algorithm>
#include <random>
#include <stdexcept>

namespace narabe::test {

namespace {

constexpr int OPENING_LOW = MIDDLE_POINT.x - 3;
constexpr int OPENING_HIGH = MIDDLE_POINT.x + 3;

} // namespace

std::vector<Opening> openings(int count, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> coord(OPENING_LOW, OPENING_HIGH);
    std::vector<Opening> list;
    while (static_cast<int>(list.size()) < count) {
        Opening o{};
        for (auto& s : o.stones)
            s = {coord(rng), coord(rng)};
        const auto& [a, b, c] = o.stones;
        if (a == b || b == c || a == c) continue;
        list.push_back(o);
    }
    return list;
}

std::optional<Stone> playGame(const Opening& opening, Player black, Player white,
                              const Seen& seen) {
    ScanPosition st;
    Stone mover = BLACK;
    const auto place = [&](int x, int y) {
        st.board(x, y) = cellOf(mover);
        addNearPoints(st.near, {x, y});
        mover = otherStone(mover);
    };
    for (const auto& [x, y] : opening.stones)
        place(x, y);
    for (int stones = 3; stones < LAST_POINT * LAST_POINT; ++stones) {
        const Player p = mover == BLACK ? black : white;
        if (seen) seen(st, mover);
        NodeBudget budget(p.positions, NO_DEADLINE);
        const Choice c = chooseMove(st.board, st.near, mover, p.level, budget);
        if (!c.found) return std::nullopt;
        if (st.board(c.at) != EMPTY || isDoubleThree(st.board, c.at, mover) ||
            isDoubleFour(st.board, c.at, mover))
            throw std::logic_error("a level chose a point the rules refuse");
        const Stone played = mover;
        place(c.at.x, c.at.y);
        if (makesFive(st.board, played, c.at)) return played;
    }
    return std::nullopt;
}

} // namespace narabe::test
