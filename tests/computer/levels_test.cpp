// The searching levels on positions with one right answer, or a few, for either colour: a
// five at once, the answers to a four and to open threes, wins by continuous fours, no point
// the rules bar, and a four whose only answer the rules bar for the other side. And 初級 is
// the game's one-move scan, whoever the state names as the computer.
#include "common/level_games.h"
#include "common/played_games.h"
#include "computer/levels.h"
#include "computer/position.h"
#include "computer/scan/scan.h"
#include "rules/judge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace narabe::test {
namespace {

// Enough work for every case; the wins are found long before it runs out.
constexpr std::int64_t POSITIONS = 5000;

const Level SEARCHING[] = {Level::INTERMEDIATE, Level::ADVANCED};
const Stone BOTH_COLOURS[] = {BLACK, WHITE};

// 'o' is the side to move, 'x' the other side. With `barred` false the side must play one
// of the '*' points; with `barred` true the '*' point is barred for it and must not be played.
struct TacticCase {
    std::string name;
    std::vector<Diagram> pictures;
    bool barred = false;
};

std::ostream& operator<<(std::ostream& os, const TacticCase& c) {
    return os << c.name;
}

class Tactics : public ::testing::TestWithParam<TacticCase> {};

TEST_P(Tactics, EverySearchingLevelFindsTheAnswer) {
    const TacticCase& c = GetParam();
    for (const Level level : SEARCHING) {
        for (const Stone side : BOTH_COLOURS) {
            SCOPED_TRACE(std::string(stoneName(side)) +
                         (level == Level::INTERMEDIATE ? " 中級" : " 上級"));
            ScanPosition st = blankGame(side);
            std::vector<Point> marked;
            for (const Diagram& d : c.pictures)
                for (const Point& p : put(st, d))
                    marked.push_back(p);
            const Board before = st.board;
            NodeBudget work(POSITIONS, NO_DEADLINE);
            const Choice choice = chooseMove(st.board, st.near, side, level, work);
            ASSERT_EQ(st.board, before);
            ASSERT_TRUE(choice.found);
            const Point at = choice.at;
            ASSERT_EQ(st.board(at.x, at.y), EMPTY) << at;
            EXPECT_EQ(isDoubleThree(st.board, {at.x, at.y}, side), false) << at;
            EXPECT_EQ(isDoubleFour(st.board, {at.x, at.y}, side), false) << at;
            const bool onMarked = std::find(marked.begin(), marked.end(), at) != marked.end();
            EXPECT_NE(onMarked, c.barred) << "played " << at;
        }
    }
}

const TacticCase TACTICS[] = {
    // Either end of its four makes five; the other side's four waits.
    TacticCase{"five_at_once_before_stopping_a_four",
               {{2, 5, {"*oooo*"}}, {10, 10, {"x", "x", "x", "x", "."}}}},
    TacticCase{"stops_a_four", {{4, 9, {"oxxxx*"}}, {12, 3, {"o"}}}},
    // The ends and the points beyond them all stop an open three.
    TacticCase{"stops_an_open_three", {{6, 10, {"**xxx**"}}, {3, 3, {"o"}}}},
    TacticCase{"stops_a_split_open_three", {{6, 10, {"*x*xx*"}}, {3, 3, {"o"}}}},
    // (7, 5) makes a four on the row and an open three on the column: the answer to the
    // four leaves the three to become an open four.
    TacticCase{"wins_by_a_four_and_a_three",
               {{3, 5, {"xooo*."}}, {7, 3, {"x", ".", "*", "o", "o", ".", "."}}}},
    // The same win while the other side has an open three: winning comes before
    // stopping it.
    TacticCase{
        "wins_by_fours_before_stopping_an_open_three",
        {{3, 5, {"xooo*."}}, {7, 3, {"x", ".", "*", "o", "o", ".", "."}}, {12, 15, {".xxx."}}}},
    // The other side wins by fours from (7, 5): a four on the row whose answer (8, 5)
    // leaves the column's three to become an open four. The points that leave it no such
    // win: (7, 5) and (8, 5) on the row, (7, 4), (7, 8) and (7, 9) on the column.
    TacticCase{"stops_the_other_sides_win_by_fours",
               {{3, 5, {"oxxx**"}}, {7, 3, {"o", "*", ".", "x", "x", "*", "*"}}}},
    // (6, 13) would make two threes and is barred until (6, 10) has made the column a
    // four; the fours (6, 10) on the row, (6, 13) on the column and an open four on row
    // 13 win. (5, 10) is a four too, whose answer spoils the column.
    TacticCase{
        "wins_by_fours_that_open_a_barred_point",
        {{6, 9, {"x"}}, {6, 10, {"*ooox"}}, {6, 11, {"o"}}, {6, 12, {"ox"}}, {7, 13, {"oo"}}}},
    // (10, 10) would make an open three on the row and on the column.
    TacticCase{"never_plays_a_barred_point",
               {{8, 10, {"oo*"}}, {10, 8, {"o", "o"}}, {14, 14, {"x"}}},
               true},
    // The four's only answer is barred, and so is the other side's: the side loses, and
    // still plays no barred point.
    TacticCase{"plays_no_barred_point_when_the_answer_is_barred",
               {{8, 10, {"oo*"}},
                {10, 8, {"o", "o"}},
                {11, 11, {"x"}},
                {12, 12, {"x"}},
                {13, 13, {"x"}},
                {14, 14, {"x"}},
                {15, 15, {"o"}}},
               true},
    // A four on the diagonal whose five point (10, 10) would make two threes for the
    // other side, which therefore cannot stop it.
    TacticCase{"uses_the_other_sides_barred_point",
               {{9, 9, {"x"}},
                {11, 10, {"xx"}},
                {10, 11, {"x", "x"}},
                {11, 11, {"o"}},
                {12, 12, {"o"}},
                {13, 13, {"o"}},
                {14, 14, {"*x"}}}},
};

INSTANTIATE_TEST_SUITE_P(Positions, Tactics, ::testing::ValuesIn(TACTICS),
                         [](const ::testing::TestParamInfo<TacticCase>& p) {
                             return p.param.name;
                         });

// The table of searched positions kept from one decision to the next, through every tactic
// forwards and back, leads to an answer as a fresh table does with the same work: its entries
// of other positions, older searches and other plies mislead nothing.
TEST(SearchingLevels, SolveEveryTacticWithATableKeptFromTheOthers) {
    for (const Level level : SEARCHING) {
        for (const Stone side : BOTH_COLOURS) {
            TranspositionTable kept;
            for (int pass = 0; pass < 2; ++pass) {
                for (std::size_t i = 0; i < std::size(TACTICS); ++i) {
                    const TacticCase& c = TACTICS[pass == 0 ? i : std::size(TACTICS) - 1 - i];
                    SCOPED_TRACE(c.name + " " + std::string(stoneName(side)) +
                                 (level == Level::INTERMEDIATE ? " 中級" : " 上級"));
                    ScanPosition st = blankGame(side);
                    std::vector<Point> marked;
                    for (const Diagram& d : c.pictures)
                        for (const Point& p : put(st, d))
                            marked.push_back(p);
                    NodeBudget work(POSITIONS, NO_DEADLINE);
                    const Point at = chooseMove(st.board, st.near, side, level, work, kept).at;
                    const bool onMarked =
                        std::find(marked.begin(), marked.end(), at) != marked.end();
                    EXPECT_NE(onMarked, c.barred) << "played " << at;
                }
            }
        }
    }
}

// A searching level stops thinking when its time is up: given little time, it does little
// work, and at the deadline of a work that would take far longer it stops all the same, with
// a point the rules allow either way; given too little for a search, it answers the one-move
// scan's point.
TEST(SearchingLevels, StopWhenTheirTimeIsUp) {
    // A quiet position of a game between 中級 and itself, before its twelfth move.
    ScanPosition st;
    Stone toMove = BLACK;
    int moves = 0;
    const Player p{Level::INTERMEDIATE, 1000};
    playGame(openings(1, 7u)[0], p, p, [&](const ScanPosition& seen, Stone mover) {
        if (++moves != 12) return;
        st = seen;
        toMove = mover;
    });
    const auto legal = [&](const Choice& c) {
        const Board& board = st.board;
        return c.found && board(c.at) == EMPTY && !isDoubleThree(board, c.at, toMove) &&
               !isDoubleFour(board, c.at, toMove);
    };
    for (const Level level : SEARCHING) {
        TranspositionTable table;
        auto start = std::chrono::steady_clock::now();
        const std::chrono::milliseconds little{20};
        EXPECT_TRUE(
            legal(chooseMove(st.board, st.near, toMove, level, TimeLimits{little, little}, table)));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds{200});

        start = std::chrono::steady_clock::now();
        NodeBudget work(5'000'000, start + std::chrono::milliseconds{20});
        EXPECT_TRUE(legal(chooseMove(st.board, st.near, toMove, level, work)));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds{200});

        // Too little time for a search: the one-move scan's point.
        const std::chrono::milliseconds tooLittle =
            timing::LEAST_SEARCH - std::chrono::milliseconds{1};
        const Choice scan = scanMove(st.board, st.near, toMove, otherStone(toMove));
        const Choice got =
            chooseMove(st.board, st.near, toMove, level, TimeLimits{tooLittle, tooLittle}, table);
        EXPECT_EQ(got.at, scan.at);
    }
}

// 初級 plays the game's own scan for the side asked, with the other side as the human,
// whatever the position holds as the computer's and the human's stones.
TEST(BeginnerLevel, IsTheGamesScanForTheSideAsked) {
    for (unsigned seed = 0; seed < 200; ++seed) {
        ScanPosition st = playedPosition(static_cast<int>(seed % 60), 700u + seed);
        const Stone side = seed % 2 == 0 ? st.computer : otherStone(st.computer);
        ScanPosition asComputer = st;
        asComputer.computer = side;
        asComputer.human = otherStone(side);
        st.computer = otherStone(side);
        st.human = side;
        const Choice expected =
            scanMove(asComputer.board, asComputer.near, asComputer.computer, asComputer.human);
        NodeBudget work(POSITIONS, NO_DEADLINE);
        const Choice got = chooseMove(st.board, st.near, side, Level::BEGINNER, work);
        ASSERT_EQ(got.found, expected.found) << "seed " << seed;
        ASSERT_EQ(got.at.x, expected.at.x) << "seed " << seed;
        ASSERT_EQ(got.at.y, expected.at.y) << "seed " << seed;
        ASSERT_EQ(got.score, expected.score) << "seed " << seed;
    }
}

} // namespace
} // namespace narabe::test
