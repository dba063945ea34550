// The one-point score: which of the eight patterns decides, in which order, how the lines
// and their ends are read, the centre bonus, and the board left as it was.
#include "computer/position.h"
#include "computer/scan/scoring.h"

#include <gtest/gtest.h>

#include <string>

namespace narabe::test {
namespace {

// Scores `p` and checks that neither the board nor the flags changed.
double scoreKeepingState(ScanPosition& st, Point p) {
    const Board board = st.board;
    const PointTable<bool> flags = st.near;
    const double s = scoreOf(st, p);
    EXPECT_EQ(st.board, board) << "board changed by scoring " << p;
    EXPECT_EQ(st.near, flags) << "flags changed by scoring " << p;
    return s;
}

struct ScoreCase {
    std::string name;
    Diagram picture; // exactly one '*': the flagged point scored
    double expected;
};

std::ostream& operator<<(std::ostream& os, const ScoreCase& c) {
    return os << c.name;
}

class Score : public ::testing::TestWithParam<ScoreCase> {};

// Every case is scored with the computer on black and on white.
TEST_P(Score, FirstPatternInPriorityOrderDecides) {
    const ScoreCase& c = GetParam();
    for (const Stone com : {BLACK, WHITE}) {
        SCOPED_TRACE(std::string("computer plays ") + stoneName(com));
        ScanPosition st = blankGame(com);
        const std::vector<Point> marked = put(st, c.picture);
        ASSERT_EQ(marked.size(), 1u);
        st.near(marked[0].x, marked[0].y) = true;
        EXPECT_EQ(scoreKeepingState(st, marked[0]), c.expected);
    }
}

std::string caseName(const ::testing::TestParamInfo<ScoreCase>& info) {
    return info.param.name;
}

// 'o' computer, 'x' human, '*' the point scored. Single rows are horizontal lines.
INSTANTIATE_TEST_SUITE_P(
    EachRow, Score,
    ::testing::Values(
        ScoreCase{"computer_five", {3, 5, {"oooo*"}}, 1000},
        ScoreCase{"computer_five_filling_the_middle", {3, 5, {"oo*oo"}}, 1000},
        ScoreCase{"computer_five_closed_at_both_ends", {3, 5, {"xoooo*x"}}, 1000},
        ScoreCase{"human_five", {3, 5, {"xxxx*"}}, 900},
        ScoreCase{"human_five_filling_a_gap", {3, 5, {"x*xxx"}}, 900},
        ScoreCase{"computer_open_four", {3, 5, {".ooo*."}}, 800},
        ScoreCase{"computer_open_four_split", {3, 5, {".o*oo."}}, 800},
        ScoreCase{"human_open_four", {3, 5, {".xxx*."}}, 700},
        ScoreCase{"computer_four_closed_on_the_left", {3, 5, {"xooo*."}}, 500},
        ScoreCase{"computer_four_closed_on_the_right", {3, 5, {".ooo*x"}}, 500},
        ScoreCase{"computer_four_closed_at_both_ends_scores_nothing", {3, 5, {"xooo*x"}}, 0},
        ScoreCase{"computer_open_three", {3, 5, {".oo*."}}, 400},
        ScoreCase{"computer_open_three_split", {3, 5, {".o*o."}}, 400},
        ScoreCase{"computer_closed_three_scores_nothing", {3, 5, {"xoo*."}}, 0},
        ScoreCase{"human_open_three", {3, 5, {".xx*."}}, 300},
        ScoreCase{"human_closed_three_scores_nothing", {3, 5, {"oxx*."}}, 0},
        ScoreCase{"human_four_closed_at_both_ends", {3, 5, {"oxxx*o"}}, 500},
        ScoreCase{"human_four_closed_at_one_end", {3, 5, {"oxxx*."}}, 500},
        ScoreCase{"lone_stones_score_nothing", {3, 3, {".o.", "x*o", "..."}}, 0}),
    caseName);

// Two lines through the point, each holding a different row: the earlier row wins even
// where it scores less. The later row's pattern always lies on the vertical line, the line
// read first, so scoring line by line instead of row by row fails these cases too.
INSTANTIATE_TEST_SUITE_P(
    RowOrder, Score,
    ::testing::Values(
        ScoreCase{"computer_five_before_human_five",
                  {3, 3, {"....x", "....x", "....x", "....x", "oooo*"}},
                  1000},
        ScoreCase{"human_five_before_computer_open_four",
                  {3, 3, {".....", "....o", "....o", "....o", "xxxx*", "....."}},
                  900},
        ScoreCase{"computer_open_four_before_human_open_four",
                  {3, 3, {"......", "....x.", "....x.", "....x.", ".ooo*.", "......"}},
                  800},
        ScoreCase{"human_open_four_before_computer_four",
                  {3, 3, {"....x.", "....o.", "....o.", "....o.", ".xxx*.", "......"}},
                  700},
        ScoreCase{"computer_four_before_computer_open_three",
                  {3, 3, {"......", "....o.", "....o.", "xooo*.", "......"}},
                  500},
        ScoreCase{"computer_four_before_human_open_three",
                  {3, 3, {"......", "....x.", "....x.", "xooo*.", "......"}},
                  500},
        ScoreCase{"computer_open_three_before_human_open_three",
                  {3, 3, {"......", "....x.", "....x.", "..oo*.", "......"}},
                  400},
        ScoreCase{"computer_open_three_before_human_four",
                  {3, 3, {"....o.", "....x.", "....x.", "....x.", "..oo*.", "....o."}},
                  400},
        ScoreCase{"human_open_three_before_human_four",
                  {3, 3, {"....o.", "....x.", "....x.", "....x.", "..xx*.", "....o."}},
                  300},
        ScoreCase{"two_open_threes_score_as_one",
                  {3, 3, {"......", "....o.", "....o.", "..oo*.", "......"}},
                  400}),
    caseName);

// The run sums are compared for equality: six or more in a row is nothing on that line,
// though another line through the point still counts.
INSTANTIATE_TEST_SUITE_P(
    Overlines, Score,
    ::testing::Values(ScoreCase{"computer_six_is_no_five", {3, 5, {"ooooo*."}}, 0},
                      ScoreCase{"computer_six_through_the_point", {3, 5, {"oo*ooo"}}, 0},
                      ScoreCase{"human_six_is_no_five", {3, 5, {"xxxx*x"}}, 0},
                      ScoreCase{"computer_seven_is_no_four_either", {3, 5, {".ooo*ooo."}}, 0},
                      ScoreCase{"human_six_leaves_the_computer_open_three",
                                {3, 3, {"......", ".....o", ".....o", "xxxxx*", "......"}},
                                400},
                      ScoreCase{"computer_six_leaves_the_human_five",
                                {3, 3, {".....x", ".....x", ".....x", ".....x", "ooooo*"}},
                                900}),
    caseName);

// Only the unbroken run and the single cell beyond each end are read: stones after a gap
// are not counted and do not close the end.
INSTANTIATE_TEST_SUITE_P(
    RunAndEndCells, Score,
    ::testing::Values(
        ScoreCase{"stones_beyond_a_gap_are_not_counted", {3, 5, {"oo.o*.."}}, 0},
        ScoreCase{"human_stones_beyond_a_gap_are_not_counted", {3, 5, {"xx.x*.."}}, 0},
        ScoreCase{"a_gap_before_a_human_stone_is_an_open_end", {3, 5, {"x.oo*.x"}}, 400},
        ScoreCase{"a_gap_before_own_stone_is_an_open_end", {3, 5, {"o.ooo*."}}, 800},
        ScoreCase{"stones_on_two_lines_do_not_add", {3, 3, {"....", ".o..", "o*..", "...."}}, 0},
        ScoreCase{
            "diagonal_sides_are_paired_with_their_opposites", {3, 3, {"o.o", ".*.", "..."}}, 0},
        ScoreCase{
            "falling_diagonal_five", {3, 3, {"o....", ".o...", "..o..", "...o.", "....*"}}, 1000},
        ScoreCase{"rising_diagonal_five_through_the_point",
                  {3, 3, {"....o", "...o.", "..*..", ".o...", "o...."}},
                  1000},
        ScoreCase{"rising_diagonal_open_three",
                  {3, 3, {".....", "...o.", "..*..", ".o...", "....."}},
                  400},
        ScoreCase{"falling_diagonal_human_open_four",
                  {3, 3, {"......", ".x....", "..x...", "...x..", "....*.", "......"}},
                  700},
        ScoreCase{"vertical_human_open_three", {3, 3, {".", "x", "x", "*", "."}}, 300}),
    caseName);

// The board edge closes an end: a run that reaches it, or a point that stands on it.
INSTANTIATE_TEST_SUITE_P(
    BoardEdge, Score,
    ::testing::Values(ScoreCase{"left_edge_closes_the_three", {1, 5, {"oo*.."}}, 0},
                      ScoreCase{"three_one_point_off_the_edge_is_open", {1, 5, {".oo*."}}, 400},
                      ScoreCase{"right_edge_closes_the_three", {15, 5, {"..*oo"}}, 0},
                      ScoreCase{"top_edge_closes_the_three", {6, 1, {"o", "o", "*", "."}}, 0},
                      ScoreCase{"bottom_edge_closes_the_three", {6, 16, {".", "*", "o", "o"}}, 0},
                      ScoreCase{"corner_closes_the_falling_diagonal",
                                {1, 1, {"o...", ".o..", "..*.", "...."}},
                                0},
                      ScoreCase{"corner_closes_the_rising_diagonal",
                                {1, 16, {"....", "..*.", ".o..", "o..."}},
                                0},
                      ScoreCase{"edge_leaves_the_four_one_open_end", {1, 5, {"ooo*."}}, 500},
                      ScoreCase{"point_on_the_edge_closes_its_own_end", {1, 5, {"*ooo."}}, 500},
                      ScoreCase{"human_four_at_the_edge", {1, 5, {"xxx*."}}, 500},
                      ScoreCase{"human_three_at_the_edge_scores_nothing", {1, 5, {"xx*.."}}, 0},
                      ScoreCase{"human_five_ending_on_the_edge", {15, 5, {"xxxx*"}}, 900},
                      ScoreCase{"computer_five_from_the_edge", {15, 5, {"*oooo"}}, 1000}),
    caseName);

// A pattern's score replaces the centre bonus; with no pattern the bonus is the score.
INSTANTIATE_TEST_SUITE_P(
    CentreBlock, Score,
    ::testing::Values(
        ScoreCase{"lone_stones_in_the_block_give_the_bonus", {9, 9, {".o.", "x*o", "..."}}, 0.1},
        ScoreCase{"five_replaces_the_bonus", {6, 10, {"oooo*"}}, 1000},
        ScoreCase{"open_three_replaces_the_bonus", {7, 10, {".oo*."}}, 400},
        ScoreCase{"human_open_three_replaces_the_bonus", {9, 12, {".xx*."}}, 300}),
    caseName);

struct BonusCase {
    Point p;
    double bonus;
};

class Bonus : public ::testing::TestWithParam<BonusCase> {};

// An unflagged point gets the bonus alone, whatever the stones around it make.
TEST_P(Bonus, UnflaggedPointGetsOnlyTheBonus) {
    const BonusCase& c = GetParam();
    for (const Stone com : {BLACK, WHITE}) {
        SCOPED_TRACE(std::string("computer plays ") + stoneName(com));
        ScanPosition st = blankGame(com);
        put(st, {c.p.x - 4, c.p.y, {"oooo*"}});            // a five for the computer
        put(st, {c.p.x, c.p.y + 1, {"x", "x", "x", "x"}}); // and one for the human
        flagAroundStones(st);
        st.near(c.p.x, c.p.y) = false;
        EXPECT_EQ(scoreKeepingState(st, c.p), c.bonus);
    }
}

// A flagged point on an empty board has no pattern: it gets the same bonus.
TEST_P(Bonus, FlaggedPointWithoutPatternGetsTheBonus) {
    const BonusCase& c = GetParam();
    ScanPosition st = blankGame(WHITE);
    st.near(c.p.x, c.p.y) = true;
    EXPECT_EQ(scoreKeepingState(st, c.p), c.bonus);
}

INSTANTIATE_TEST_SUITE_P(Points, Bonus,
                         ::testing::Values(BonusCase{{9, 9}, 0.1}, BonusCase{{12, 12}, 0.1},
                                           BonusCase{{9, 12}, 0.1}, BonusCase{{12, 9}, 0.1},
                                           BonusCase{{10, 10}, 0.1}, BonusCase{{8, 10}, 0},
                                           BonusCase{{13, 10}, 0}, BonusCase{{10, 13}, 0},
                                           BonusCase{{10, 8}, 0}, BonusCase{{15, 5}, 0}));

// A point where no pattern holds scores its bonus whether the computer considers it or not.
TEST(Bonus, IsTheSameConsideredOrNotWhenNoPatternHolds) {
    ScanPosition st = blankGame(BLACK);
    EXPECT_EQ(scoreKeepingState(st, {5, 5}), 0.0);
    EXPECT_EQ(scoreKeepingState(st, {10, 10}), 0.1);
    st.near(5, 5) = true;
    st.near(10, 10) = true;
    EXPECT_EQ(scoreKeepingState(st, {5, 5}), 0.0);
    EXPECT_EQ(scoreKeepingState(st, {10, 10}), 0.1);
}

TEST(Score, LeavesThePointEmptyAndTheOtherCellsAlone) {
    ScanPosition st = blankGame(BLACK);
    put(st, {3, 3, {"x....", ".o...", "..*o.", "...x.", "....."}});
    flagAroundStones(st);
    const Board before = st.board;
    for (int x = 2; x <= 8; ++x)
        for (int y = 2; y <= 8; ++y)
            if (st.board(x, y) == EMPTY) scoreOf(st, {x, y});
    EXPECT_EQ(st.board, before);
    EXPECT_EQ(st.board(5, 5), EMPTY);
}

} // namespace
} // namespace narabe::test
