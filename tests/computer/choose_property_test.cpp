// Properties of the scan over many seeded random positions: it leaves the state exactly as
// it found it, whatever it picks is a flagged empty point the rules allow, and the score of
// every point and the choice agree with a straightforward model of the evaluation, on
// positions that games reach and on random fillings, with the computer on either side.
#include "common/played_games.h"
#include "computer/position.h"
#include "computer/reference_score.h"
#include "computer/scan/scan.h"
#include "computer/scan/scoring.h"
#include "rules/judge.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <string>

namespace narabe::test {
namespace {

// A random position: up to 120 stones of random colours scattered over a random part of
// the board (rules ignored, so overlines and forbidden shapes occur), flags around every
// stone, sometimes extra flags far from the stones, and a random side for the computer.
ScanPosition randomPosition(std::mt19937& rng) {
    std::uniform_int_distribution<int> coin(0, 1);
    std::uniform_int_distribution<int> stones(0, 120);
    std::uniform_int_distribution<int> lo(1, 10);
    ScanPosition st = initialisedGame(coin(rng) == 0 ? BLACK : WHITE);
    const int from = lo(rng);
    const int to = from + 9;
    std::uniform_int_distribution<int> coord(from, to);
    const int n = stones(rng);
    for (int k = 0; k < n; ++k)
        st.board(coord(rng), coord(rng)) = coin(rng) == 0 ? Cell::BLACK : Cell::WHITE;
    flagAroundStones(st);
    std::uniform_int_distribution<int> any(FIRST_POINT, LAST_POINT);
    if (coin(rng) == 0)
        for (int k = 0; k < 5; ++k)
            st.near(any(rng), any(rng)) = true;
    return st;
}

TEST(ChooseProperty, LeavesTheStateAsItWasAndPicksAnAdmissiblePoint) {
    std::mt19937 rng(20240611u);
    int found = 0;
    for (int round = 0; round < 3000; ++round) {
        ScanPosition st = randomPosition(rng);
        const Board board = st.board;
        const PointTable<bool> flags = st.near;
        const Stone com = st.computer;

        const Choice c = scanMove(st.board, st.near, st.computer, st.human);

        ASSERT_EQ(st.board, board) << "round " << round;
        ASSERT_EQ(st.near, flags) << "round " << round;
        ASSERT_EQ(st.computer, com) << "round " << round;
        if (!c.found) {
            ASSERT_LT(c.score, 0) << "round " << round;
            continue;
        }
        ++found;
        ASSERT_GE(c.score, 0) << "round " << round;
        ASSERT_TRUE(st.near(c.at)) << "round " << round;
        ASSERT_EQ(st.board(c.at), EMPTY) << "round " << round;
        ASSERT_FALSE(isDoubleThree(st.board, c.at, com)) << "round " << round;
        ASSERT_FALSE(isDoubleFour(st.board, c.at, com)) << "round " << round;

        // A second scan of the unchanged state gives the same answer.
        const Choice again = scanMove(st.board, st.near, st.computer, st.human);
        ASSERT_EQ(again.found, c.found);
        ASSERT_EQ(again.at, c.at);
        ASSERT_EQ(again.score, c.score);
    }
    EXPECT_GT(found, 2500); // the positions mostly leave something to play
}

// The same position with the computer on the given side.
ScanPosition withComputerOn(ScanPosition st, Stone com) {
    st.computer = com;
    st.human = otherStone(com);
    return st;
}

struct PositionSource {
    const char* name;
    int count;
    std::function<ScanPosition(int index)> make;
};

TEST(ScoringProperty, EveryPointAndTheChoiceAgreeWithTheStraightforwardModel) {
    std::mt19937 rng(20261207u);
    const PositionSource sources[] = {
        {"played games", 120,
         [](int i) {
             return playedPosition(2 + (i * 37) % 200, 7000u + static_cast<unsigned>(i));
         }},
        {"random fillings", 300, [&rng](int) { return randomPosition(rng); }},
    };
    for (const PositionSource& source : sources) {
        std::map<double, int> scores; // how often each score came up, so that none is missed
        int compared = 0;
        for (int i = 0; i < source.count; ++i) {
            const ScanPosition made = source.make(i);
            for (const Stone com : {BLACK, WHITE}) {
                const ScanPosition st = withComputerOn(made, com);
                const std::string where = std::string(source.name) + " " + std::to_string(i) +
                                          ", computer " + stoneName(com);
                forEachPoint([&](int x, int y) {
                    if (st.board(x, y) != EMPTY) return;
                    const double expected = referenceScore(st, x, y);
                    ASSERT_EQ(scoreOf(st, {x, y}), expected) << where << " at " << Point{x, y};
                    ++scores[expected];
                    ++compared;
                });
                const Choice fast = scanMove(st.board, st.near, st.computer, st.human);
                const Choice model = referenceChoice(st);
                ASSERT_EQ(fast.found, model.found) << where;
                ASSERT_EQ(fast.at, model.at) << where;
                ASSERT_EQ(fast.score, model.score) << where;
            }
        }
        EXPECT_GT(compared, 50000) << source.name;
        // Every score of the list comes up, so each pattern is put to the test.
        for (const double s : {1000.0, 900.0, 800.0, 700.0, 500.0, 400.0, 300.0, 0.1, 0.0})
            EXPECT_GT(scores[s], 10) << source.name << ": score " << s;
    }
}

} // namespace
} // namespace narabe::test
