// The candidate scan: scan order and ties, the rule checks for the computer's stone, the
// draw when nothing is admissible, and the state left as it was.
#include "computer/position.h"
#include "computer/scan/scan.h"
#include "computer/scan/scoring.h"
#include "rules/judge.h"

#include <gtest/gtest.h>

#include <string>

namespace narabe::test {
namespace {

// Runs the scan and checks that the board and the flags are as before.
Choice chooseKeepingState(ScanPosition& st) {
    const Board board = st.board;
    const PointTable<bool> flags = st.near;
    const Choice c = scanMove(st.board, st.near, st.computer, st.human);
    EXPECT_EQ(st.board, board) << "board changed by the scan";
    EXPECT_EQ(st.near, flags) << "flags changed by the scan";
    return c;
}

// A position of several pictures, with either the listed points flagged or, when the
// list is empty and `aroundStones` is set, the neighbourhood of every stone as in a game.
struct Setup {
    std::vector<Diagram> pictures;
    std::vector<Point> flags;
    bool aroundStones = false;
};

ScanPosition build(Stone com, const Setup& s) {
    ScanPosition st = blankGame(com);
    for (const Diagram& d : s.pictures)
        put(st, d);
    if (s.aroundStones) flagAroundStones(st);
    for (const Point& p : s.flags)
        st.near(p.x, p.y) = true;
    return st;
}

const Stone BOTH_COLOURS[] = {BLACK, WHITE};

TEST(Choose, FirstMoveOfAGameIsTheMiddlePoint) {
    for (const Stone com : BOTH_COLOURS) {
        SCOPED_TRACE(stoneName(com));
        ScanPosition st = initialisedGame(com);
        const Choice c = chooseKeepingState(st);
        ASSERT_TRUE(c.found);
        EXPECT_EQ(c.at, (Point{10, 10}));
        EXPECT_EQ(c.score, 0.1);
    }
}

struct PickCase {
    std::string name;
    Setup setup;
    Point expected;
    double score;
};

std::ostream& operator<<(std::ostream& os, const PickCase& c) {
    return os << c.name;
}
std::string caseName(const ::testing::TestParamInfo<PickCase>& info) {
    return info.param.name;
}

class Pick : public ::testing::TestWithParam<PickCase> {};

TEST_P(Pick, PlaysTheFirstBestAdmissiblePoint) {
    const PickCase& c = GetParam();
    for (const Stone com : BOTH_COLOURS) {
        SCOPED_TRACE(std::string("computer plays ") + stoneName(com));
        ScanPosition st = build(com, c.setup);
        const Choice choice = chooseKeepingState(st);
        ASSERT_TRUE(choice.found);
        EXPECT_EQ(choice.at, c.expected);
        EXPECT_EQ(choice.score, c.score);
    }
}

// Columns are scanned left to right, each from the top: the first of equal scores stays.
INSTANTIATE_TEST_SUITE_P(
    ScanOrder, Pick,
    ::testing::Values(
        PickCase{"smaller_column_wins_a_tie", {{}, {{4, 2}, {3, 15}}}, {3, 15}, 0},
        PickCase{"smaller_row_wins_a_tie_in_one_column", {{}, {{5, 9}, {5, 6}}}, {5, 6}, 0},
        PickCase{"first_of_equal_bonuses_stays",
                 {{}, {{12, 12}, {9, 12}, {12, 9}, {9, 9}}},
                 {9, 9},
                 0.1},
        PickCase{"a_later_higher_score_replaces", {{}, {{3, 15}, {9, 9}}}, {9, 9}, 0.1},
        PickCase{"the_last_point_scanned", {{}, {{19, 19}}}, {19, 19}, 0},
        PickCase{"first_of_equal_open_threes_stays",
                 {{{3, 12, {".", "o", "o", "*", "."}}, {3, 2, {".*oo."}}}, {{4, 2}, {3, 15}}},
                 {3, 15},
                 400},
        PickCase{"flagged_stones_are_skipped",
                 {{{2, 2, {"ooo"}}}, {{2, 2}, {3, 2}, {4, 2}, {19, 1}}},
                 {19, 1},
                 0}),
    caseName);

// Winning comes before blocking, blocking a five before an open four of one's own.
INSTANTIATE_TEST_SUITE_P(
    Urgency, Pick,
    ::testing::Values(
        PickCase{"own_five_before_blocking_a_five",
                 {{{2, 2, {"o", "x", "x", "x", "x", "."}}, {9, 5, {"xoooo."}}}, {}, true},
                 {14, 5},
                 1000},
        PickCase{"blocking_a_five_before_an_open_four",
                 {{{2, 2, {"o", "x", "x", "x", "x", "."}}, {10, 5, {".ooo."}}}, {}, true},
                 {2, 7},
                 900},
        PickCase{"own_open_four_before_blocking_an_open_four",
                 {{{3, 2, {".", "x", "x", "x", "."}}, {10, 5, {".ooo."}}}, {}, true},
                 {10, 5},
                 800}),
    caseName);

// Double threes and double fours for the computer's stone are skipped, whatever they
// would score and whichever colour the computer plays.
struct ForbiddenCase {
    std::string name;
    Setup setup;
    Point forbidden;
    bool doubleThree; // which rule forbids it: double three, else double four
    Point expected;
    double score;
};

std::ostream& operator<<(std::ostream& os, const ForbiddenCase& c) {
    return os << c.name;
}
std::string forbiddenName(const ::testing::TestParamInfo<ForbiddenCase>& info) {
    return info.param.name;
}

class Forbidden : public ::testing::TestWithParam<ForbiddenCase> {};

TEST_P(Forbidden, IsNeverChosen) {
    const ForbiddenCase& c = GetParam();
    for (const Stone com : BOTH_COLOURS) {
        SCOPED_TRACE(std::string("computer plays ") + stoneName(com));
        ScanPosition st = build(com, c.setup);
        const Point f = c.forbidden;
        // The position is what it claims: the point is forbidden by the named rule, and it
        // would score at least as much as the point expected, which comes later in the scan.
        ASSERT_EQ(st.near(f.x, f.y), true);
        ASSERT_EQ(isDoubleThree(st.board, {f.x, f.y}, com), c.doubleThree ? true : false);
        ASSERT_EQ(isDoubleFour(st.board, {f.x, f.y}, com), c.doubleThree ? false : true);
        ASSERT_GE(scoreOf(st, f), c.score);

        const Choice choice = chooseKeepingState(st);
        ASSERT_TRUE(choice.found);
        EXPECT_EQ(choice.at, c.expected);
        EXPECT_EQ(choice.score, c.score);
    }
}

// Computer stones making a double three at (3, 10).
const Diagram DOUBLE_THREE{2, 9, {".....", ".*oo.", ".o...", ".o...", "....."}};
// Computer stones making a double four at (3, 10).
const Diagram DOUBLE_FOUR{2, 9, {"......", ".*ooo.", ".o....", ".o....", ".o....", "......"}};
// The double three at (3, 10), which is also the only point that stops the human's five.
const Diagram DOUBLE_THREE_ON_HUMAN_FIVE{
    2, 9, {".......", ".*oo...", ".ox....", ".o.x...", "....x..", ".....x.", "......o"}};

INSTANTIATE_TEST_SUITE_P(
    Rules, Forbidden,
    ::testing::Values(ForbiddenCase{"double_three_ahead_of_an_equal_open_three",
                                    {{DOUBLE_THREE}, {{3, 10}, {6, 10}}},
                                    {3, 10},
                                    true,
                                    {6, 10},
                                    400},
                      ForbiddenCase{"double_four_ahead_of_an_equal_open_four",
                                    {{DOUBLE_FOUR}, {{3, 10}, {7, 10}}},
                                    {3, 10},
                                    false,
                                    {7, 10},
                                    800},
                      ForbiddenCase{"double_three_that_would_block_a_five",
                                    {{DOUBLE_THREE_ON_HUMAN_FIVE}, {{3, 10}, {2, 9}}},
                                    {3, 10},
                                    true,
                                    {2, 9},
                                    0},
                      ForbiddenCase{"double_three_that_would_block_a_five_in_play",
                                    {{DOUBLE_THREE_ON_HUMAN_FIVE}, {}, true},
                                    {3, 10},
                                    true,
                                    {2, 12},
                                    400}),
    forbiddenName);

// No admissible point: the scan reports none although empty points remain.
struct NoneCase {
    std::string name;
    Setup setup;
};

std::ostream& operator<<(std::ostream& os, const NoneCase& c) {
    return os << c.name;
}
std::string noneName(const ::testing::TestParamInfo<NoneCase>& info) {
    return info.param.name;
}

class NothingAdmissible : public ::testing::TestWithParam<NoneCase> {};

TEST_P(NothingAdmissible, ReportsNoPoint) {
    for (const Stone com : BOTH_COLOURS) {
        SCOPED_TRACE(std::string("computer plays ") + stoneName(com));
        ScanPosition st = build(com, GetParam().setup);
        const Choice choice = chooseKeepingState(st);
        EXPECT_FALSE(choice.found);
        EXPECT_LT(choice.score, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, NothingAdmissible,
    ::testing::Values(
        NoneCase{"no_point_flagged", {}},
        NoneCase{"only_stones_flagged", {{{8, 8, {"ox", "xo"}}}, {{8, 8}, {9, 8}, {8, 9}, {9, 9}}}},
        NoneCase{"only_a_double_three_left", {{DOUBLE_THREE}, {{3, 10}, {4, 10}, {5, 10}}}},
        NoneCase{"only_a_double_four_left", {{DOUBLE_FOUR}, {{3, 10}, {3, 13}, {6, 10}}}},
        NoneCase{"an_unflagged_five_is_not_seen",
                 {{{4, 4, {"oooo*"}}}, {{4, 4}, {5, 4}, {6, 4}, {7, 4}}}}),
    noneName);

} // namespace
} // namespace narabe::test
