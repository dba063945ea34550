// Refereed games between levels, the flags and bonus kept as the game keeps them.
#include "common/level_games.h"

#include "computer/near_flags.h"
#include "rules/double_four.h"
#include "rules/double_three.h"
#include "rules/five.h"

#include <algorithm>
#include <random>
#include <stdexcept>

namespace narabe::test {

namespace {

constexpr int OPENING_LOW = MIDDLE_POINT - 3;
constexpr int OPENING_HIGH = MIDDLE_POINT + 3;

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

Stone playGame(const Opening& opening, Player black, Player white, const Seen& seen) {
    State st;
    clearForNewGame(st, [](int, int) {});
    fillCentreBonus(st);
    Stone mover = BLACK;
    const auto place = [&](int x, int y) {
        st.Board(x, y) = cellOf(mover);
        隣接範囲フラグセット(st, x, y);
        mover = otherStone(mover);
    };
    for (const auto& [x, y] : opening.stones)
        place(x, y);
    for (int stones = 3; stones < LAST_POINT * LAST_POINT; ++stones) {
        const Player p = mover == BLACK ? black : white;
        if (seen) seen(st, mover);
        Work work(p.positions, NO_DEADLINE);
        const Choice c = 着手選択(st, mover, p.level, work);
        if (!c.found) return Stone::NOBODY;
        if (st.Board(c.x, c.y) != EMPTY || 調査_三三(st.Board, c.x, c.y, mover) == YES ||
            調査_四四(st.Board, c.x, c.y, mover) == YES)
            throw std::logic_error("a level chose a point the rules refuse");
        const Stone played = mover;
        place(c.x, c.y);
        if (調査_5並び(st.Board, played, c.x, c.y) == YES) return played;
    }
    return Stone::NOBODY;
}

} // namespace narabe::test
