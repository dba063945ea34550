// Properties of the scan over many seeded random positions: it leaves the state exactly as
// it found it, and whatever it picks is a flagged empty point the rules allow.
#include "computer/choose.h"
#include "computer/position.h"
#include "rules/double_four.h"
#include "rules/double_three.h"

#include <gtest/gtest.h>

#include <random>

namespace narabe::test {
namespace {

// A random position: up to 120 stones of random colours scattered over a random part of
// the board (rules ignored, so overlines and forbidden shapes occur), flags around every
// stone, sometimes extra flags far from the stones, and a random side for the computer.
State randomPosition(std::mt19937& rng) {
    std::uniform_int_distribution<int> coin(0, 1);
    std::uniform_int_distribution<int> stones(0, 120);
    std::uniform_int_distribution<int> lo(1, 10);
    State st = initialisedGame(coin(rng) == 0 ? BLACK : WHITE);
    const int from = lo(rng);
    const int to = from + 9;
    std::uniform_int_distribution<int> coord(from, to);
    const int n = stones(rng);
    for (int k = 0; k < n; ++k)
        st.Board(coord(rng), coord(rng)) = coin(rng) == 0 ? Cell::BLACK : Cell::WHITE;
    flagAroundStones(st);
    std::uniform_int_distribution<int> any(FIRST_POINT, LAST_POINT);
    if (coin(rng) == 0)
        for (int k = 0; k < 5; ++k)
            st.NearFlag(any(rng), any(rng)) = YES;
    return st;
}

TEST(ChooseProperty, LeavesTheStateAsItWasAndPicksAnAdmissiblePoint) {
    std::mt19937 rng(20240611u);
    int found = 0;
    for (int round = 0; round < 3000; ++round) {
        State st = randomPosition(rng);
        const Grid board = st.Board;
        const PointTable<Truth> flags = st.NearFlag;
        const PointTable<double> bonus = st.CentreBonus;
        const Stone com = st.ComStone;

        const Choice c = com_着手選択(st);

        ASSERT_EQ(st.Board, board) << "round " << round;
        ASSERT_EQ(st.NearFlag, flags) << "round " << round;
        ASSERT_EQ(st.CentreBonus, bonus) << "round " << round;
        ASSERT_EQ(st.ComStone, com) << "round " << round;
        if (!c.found) {
            ASSERT_LT(c.score, 0) << "round " << round;
            continue;
        }
        ++found;
        ASSERT_GE(c.score, 0) << "round " << round;
        ASSERT_EQ(st.NearFlag(c.x, c.y), YES) << "round " << round;
        ASSERT_EQ(st.Board(c.x, c.y), EMPTY) << "round " << round;
        ASSERT_EQ(調査_三三(st.Board, c.x, c.y, com), NO) << "round " << round;
        ASSERT_EQ(調査_四四(st.Board, c.x, c.y, com), NO) << "round " << round;

        // A second scan of the unchanged state gives the same answer.
        const Choice again = com_着手選択(st);
        ASSERT_EQ(again.found, c.found);
        ASSERT_EQ(again.x, c.x);
        ASSERT_EQ(again.y, c.y);
        ASSERT_EQ(again.score, c.score);
    }
    EXPECT_GT(found, 2500); // the positions mostly leave something to play
}

} // namespace
} // namespace narabe::test
