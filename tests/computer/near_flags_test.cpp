// The neighbourhood flags: the 5 x 5 square around a stone, cut off at the board edge,
// only ever added to, and never written outside points 1..19.
#include "computer/position.h"
#include "computer/scan/near_points.h"

#include <gtest/gtest.h>

#include <string>

namespace narabe::test {
namespace {

int countFlags(const ScanPosition& st) {
    int n = 0;
    for (int i = 0; i < TABLE_SIDE; ++i)
        for (int j = 0; j < TABLE_SIDE; ++j)
            if (st.near(i, j)) ++n;
    return n;
}

struct SquareCase {
    Point stone;
    int count;
    int minX, maxX, minY, maxY; // the flagged square
};

std::ostream& operator<<(std::ostream& os, const SquareCase& c) {
    return os << "stone on " << c.stone;
}

std::string squareName(const ::testing::TestParamInfo<SquareCase>& info) {
    return "stone_" + std::to_string(info.param.stone.x) + "_" + std::to_string(info.param.stone.y);
}

class NearFlagSquare : public ::testing::TestWithParam<SquareCase> {};

TEST_P(NearFlagSquare, FlagsExactlyTheSquareCutAtTheEdge) {
    const SquareCase& c = GetParam();
    ScanPosition st = blankGame(BLACK);
    addNearPoints(st.near, {c.stone.x, c.stone.y});
    EXPECT_EQ(countFlags(st), c.count);
    // Every cell of the table, border row and column included, is checked.
    for (int i = 0; i < TABLE_SIDE; ++i)
        for (int j = 0; j < TABLE_SIDE; ++j) {
            const bool inside = i >= c.minX && i <= c.maxX && j >= c.minY && j <= c.maxY;
            EXPECT_EQ(st.near(i, j), inside ? true : false) << Point{i, j};
        }
}

INSTANTIATE_TEST_SUITE_P(
    Stones, NearFlagSquare,
    ::testing::Values(SquareCase{{10, 10}, 25, 8, 12, 8, 12}, SquareCase{{1, 1}, 9, 1, 3, 1, 3},
                      SquareCase{{19, 10}, 15, 17, 19, 8, 12},
                      SquareCase{{19, 19}, 9, 17, 19, 17, 19}, SquareCase{{2, 2}, 16, 1, 4, 1, 4},
                      SquareCase{{10, 1}, 15, 8, 12, 1, 3}, SquareCase{{18, 2}, 16, 16, 19, 1, 4},
                      SquareCase{{3, 18}, 20, 1, 5, 16, 19}),
    squareName);

TEST(NearFlags, SecondCallForTheSamePointChangesNothing) {
    ScanPosition st = blankGame(WHITE);
    addNearPoints(st.near, {4, 17});
    const PointTable<bool> once = st.near;
    addNearPoints(st.near, {4, 17});
    EXPECT_EQ(st.near, once);
}

TEST(NearFlags, OnlyAddsFlagsAndIgnoresTheBoard) {
    ScanPosition st = initialisedGame(BLACK);
    st.near(1, 19) = true; // flags of earlier moves, far away
    st.near(14, 12) = true;
    put(st, {11, 11, {"o..", ".xo"}}); // stones in the square are flagged like empty points
    addNearPoints(st.near, {12, 12});
    EXPECT_EQ(st.near(11, 11), true);
    EXPECT_EQ(st.near(12, 12), true);
    EXPECT_EQ(st.near(13, 12), true);
    EXPECT_EQ(st.near(1, 19), true);
    EXPECT_EQ(st.near(10, 10), true); // the middle point, also inside the new square
    EXPECT_EQ(st.near(14, 12), true);
    EXPECT_EQ(st.near(9, 9), false); // (9, 9) is three away from (12, 12)
    EXPECT_EQ(st.near(10, 11), true);
    EXPECT_EQ(countFlags(st), 25 + 1); // the square plus (1, 19)
}

TEST(NearFlags, OverlappingSquaresFlagTheirUnion) {
    ScanPosition st = blankGame(BLACK);
    addNearPoints(st.near, {5, 5});
    addNearPoints(st.near, {7, 5}); // shares columns 5..7
    EXPECT_EQ(countFlags(st), 7 * 5);
    EXPECT_EQ(st.near(3, 3), true);
    EXPECT_EQ(st.near(9, 7), true);
    EXPECT_EQ(st.near(10, 5), false);
    EXPECT_EQ(st.near(5, 8), false);
}

} // namespace
} // namespace narabe::test
