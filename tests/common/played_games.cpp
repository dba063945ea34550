// Seeded random games played by the rules.
#include "common/played_games.h"

#include "computer/scan/near_points.h"
#include "rules/five.h"
#include "rules/judge.h"

#include <algorithm>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

namespace narabe::test {

ScanPosition playedPosition(int stones, unsigned seed) {
    std::mt19937 rng(seed);
    ScanPosition st;
    Stone mover = BLACK;
    for (int move = 0; move < stones; ++move) {
        std::vector<std::pair<int, int>> open;
        forEachPoint([&](int x, int y) {
            if (st.near(x, y) && st.board(x, y) == EMPTY) open.emplace_back(x, y);
        });
        std::shuffle(open.begin(), open.end(), rng);
        bool played = false;
        for (const auto& [x, y] : open) {
            if (isDoubleThree(st.board, {x, y}, mover) || isDoubleFour(st.board, {x, y}, mover))
                continue;
            if (makesFive(st.board, mover, {x, y})) continue;
            st.board(x, y) = cellOf(mover);
            addNearPoints(st.near, {x, y});
            played = true;
            break;
        }
        if (!played) throw std::runtime_error("random game ran out of moves");
        mover = otherStone(mover);
    }
    st.computer = mover;
    st.human = otherStone(mover);
    return st;
}

} // namespace narabe::test
