// Seeded random games played by the rules.
#include "common/played_games.h"

#include "computer/near_flags.h"
#include "rules/double_four.h"
#include "rules/double_three.h"
#include "rules/five.h"

#include <algorithm>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

namespace narabe::test {

namespace {

// The state of a game against the computer just after it was initialised.
State newGame() {
    State st;
    clearForNewGame(st, [](int, int) {});
    fillCentreBonus(st);
    return st;
}

} // namespace

State playedPosition(int stones, unsigned seed) {
    std::mt19937 rng(seed);
    State st = newGame();
    Stone mover = BLACK;
    for (int move = 0; move < stones; ++move) {
        std::vector<std::pair<int, int>> open;
        forEachPoint([&](int x, int y) {
            if (st.NearFlag(x, y) == YES && st.Board(x, y) == EMPTY) open.emplace_back(x, y);
        });
        std::shuffle(open.begin(), open.end(), rng);
        bool played = false;
        for (const auto& [x, y] : open) {
            if (調査_三三(st.Board, x, y, mover) == YES || 調査_四四(st.Board, x, y, mover) == YES)
                continue;
            if (調査_5並び(st.Board, mover, x, y) == YES) continue;
            st.Board(x, y) = cellOf(mover);
            隣接範囲フラグセット(st, x, y);
            played = true;
            break;
        }
        if (!played) throw std::runtime_error("random game ran out of moves");
        mover = otherStone(mover);
    }
    st.ComStone = mover;
    st.ManStone = otherStone(mover);
    st.Turn = mover;
    st.Opponent = otherStone(mover);
    return st;
}

} // namespace narabe::test
