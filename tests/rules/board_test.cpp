// The test of a free point: a point of the board that holds no stone.
#include "rules/diagram.h"
#include "state/board.h"

#include <gtest/gtest.h>

#include <climits>

namespace narabe {
namespace {

using test::Point;

TEST(PlacementTest, AcceptsOnlyEmptyPointsOfTheBoard) {
    struct Case {
        int x, y;
        Cell cell; // put on (x, y) first when the point is on the board; UNSET: nothing
        bool expected;
    };
    const Case cases[] = {
        // border cells keep their unset value and are refused
        {0, 5, Cell::UNSET, false},
        {5, 0, Cell::UNSET, false},
        {0, 0, Cell::UNSET, false},
        {0, 19, Cell::UNSET, false},
        {19, 0, Cell::UNSET, false},
        // outside the table: refused by the range test, never used as an index
        {-1, 5, Cell::UNSET, false},
        {5, -1, Cell::UNSET, false},
        {20, 5, Cell::UNSET, false},
        {5, 20, Cell::UNSET, false},
        {20, 20, Cell::UNSET, false},
        {-1, -1, Cell::UNSET, false},
        {INT_MIN, 10, Cell::UNSET, false},
        {10, INT_MAX, Cell::UNSET, false},
        {1000, 1000, Cell::UNSET, false},
        // empty points, corners and edges included
        {1, 1, Cell::UNSET, true},
        {19, 19, Cell::UNSET, true},
        {1, 19, Cell::UNSET, true},
        {19, 1, Cell::UNSET, true},
        {10, 10, Cell::UNSET, true},
        {1, 10, Cell::UNSET, true},
        {10, 19, Cell::UNSET, true},
        // a point holding either stone
        {10, 10, Cell::BLACK, false},
        {10, 10, Cell::WHITE, false},
        {1, 1, Cell::BLACK, false},
        {19, 19, Cell::WHITE, false},
        {19, 1, Cell::WHITE, false},
        // an empty point next to stones is still free
        {10, 10, EMPTY, true},
    };
    for (const Case& c : cases) {
        Board s = emptyBoard();
        if (c.cell != Cell::UNSET) s(c.x, c.y) = c.cell;
        // neighbours with stones must not matter
        if (c.x >= 2 && c.x <= 18 && c.y >= 2 && c.y <= 18) {
            s(c.x - 1, c.y) = Cell::BLACK;
            s(c.x + 1, c.y) = Cell::WHITE;
        }
        const Board before = s;
        bool answer = false;
        EXPECT_NO_THROW(answer = isFreePoint(s, {c.x, c.y})) << c.x << "," << c.y;
        EXPECT_EQ(answer, c.expected) << "(" << c.x << ", " << c.y << ")";
        EXPECT_EQ(s, before);
    }
}

TEST(PlacementTest, EveryPointOfAFreshBoardIsFreeAndNoBorderCellIs) {
    Board s = emptyBoard();
    int free = 0;
    for (int x = -2; x <= 21; ++x)
        for (int y = -2; y <= 21; ++y) {
            const bool answer = isFreePoint(s, {x, y});
            const bool inPlay = x >= 1 && x <= 19 && y >= 1 && y <= 19;
            EXPECT_EQ(answer, inPlay ? true : false) << x << "," << y;
            free += answer;
        }
    EXPECT_EQ(free, 19 * 19);
}

TEST(PlacementTest, BoardNeverResetRefusesEverything) {
    // Before the first reset every cell is unset, so nothing is EMPTY.
    const Board s;
    for (int x = 0; x <= 19; ++x)
        for (int y = 0; y <= 19; ++y)
            EXPECT_EQ(isFreePoint(s, {x, y}), false) << x << "," << y;
}

} // namespace
} // namespace narabe
