// The placement test and the stored positions of the game state.
#include "rules/diagram.h"
#include "state/state.h"

#include <gtest/gtest.h>

#include <climits>

namespace narabe {
namespace {

using test::emptyBoard;
using test::Point;

// A state whose board is that of a new game (points 1..19 EMPTY, border cells UNSET).
State newGameState() {
    State s;
    s.Board = emptyBoard();
    return s;
}

TEST(PlacementTest, AcceptsOnlyEmptyPointsOfTheBoard) {
    struct Case {
        int x, y;
        Code cell; // put on (x, y) first when the point is on the board; UNSET: nothing
        int expected;
    };
    const Case cases[] = {
        // border cells keep their unset value and are refused
        {0, 5, UNSET, NO},
        {5, 0, UNSET, NO},
        {0, 0, UNSET, NO},
        {0, 19, UNSET, NO},
        {19, 0, UNSET, NO},
        // outside the table: refused by the range test, never used as an index
        {-1, 5, UNSET, NO},
        {5, -1, UNSET, NO},
        {20, 5, UNSET, NO},
        {5, 20, UNSET, NO},
        {20, 20, UNSET, NO},
        {-1, -1, UNSET, NO},
        {INT_MIN, 10, UNSET, NO},
        {10, INT_MAX, UNSET, NO},
        {1000, 1000, UNSET, NO},
        // empty points, corners and edges included
        {1, 1, UNSET, YES},
        {19, 19, UNSET, YES},
        {1, 19, UNSET, YES},
        {19, 1, UNSET, YES},
        {10, 10, UNSET, YES},
        {1, 10, UNSET, YES},
        {10, 19, UNSET, YES},
        // a point holding either stone
        {10, 10, BLACK, NO},
        {10, 10, WHITE, NO},
        {1, 1, BLACK, NO},
        {19, 19, WHITE, NO},
        {19, 1, WHITE, NO},
        // an empty point next to stones is still free
        {10, 10, EMPTY, YES},
    };
    for (const Case& c : cases) {
        State s = newGameState();
        if (c.cell != UNSET) s.Board(c.x, c.y) = c.cell;
        // neighbours with stones must not matter
        if (c.x >= 2 && c.x <= 18 && c.y >= 2 && c.y <= 18) {
            s.Board(c.x - 1, c.y) = BLACK;
            s.Board(c.x + 1, c.y) = WHITE;
        }
        const Grid before = s.Board;
        int answer = -1;
        EXPECT_NO_THROW(answer = s.調査_置けるか(c.x, c.y)) << c.x << "," << c.y;
        EXPECT_EQ(answer, c.expected) << "(" << c.x << ", " << c.y << ")";
        EXPECT_EQ(s.Board, before);
    }
}

TEST(PlacementTest, EveryPointOfAFreshBoardIsFreeAndNoBorderCellIs) {
    State s = newGameState();
    int free = 0;
    for (int x = -2; x <= 21; ++x)
        for (int y = -2; y <= 21; ++y) {
            const int answer = s.調査_置けるか(x, y);
            const bool inPlay = x >= 1 && x <= 19 && y >= 1 && y <= 19;
            EXPECT_EQ(answer, inPlay ? YES : NO) << x << "," << y;
            free += answer == YES;
        }
    EXPECT_EQ(free, POINT_COUNT);
}

TEST(PlacementTest, BoardNeverResetRefusesEverything) {
    // Before the first reset every cell is unset, so nothing is EMPTY.
    const State s;
    for (int x = 0; x <= 19; ++x)
        for (int y = 0; y <= 19; ++y)
            EXPECT_EQ(s.調査_置けるか(x, y), NO) << x << "," << y;
}

// A board with a few stones on it, edges and corners included.
Grid someStones() {
    Grid b = emptyBoard();
    b(1, 1) = BLACK;
    b(19, 19) = WHITE;
    b(1, 19) = WHITE;
    b(19, 1) = BLACK;
    b(10, 10) = BLACK;
    b(11, 10) = WHITE;
    b(3, 17) = BLACK;
    return b;
}

// Positions(n) as a board: its points 1..19 with the border cells left as they are.
bool samePoints(const Grid& a, const Grid& b) {
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            if (a(x, y) != b(x, y)) return false;
    return true;
}

TEST(StoreTest, CopiesThePointsOfTheBoardIntoTheEntryOnly) {
    for (const int n : {0, 1, 7, 361, 500}) {
        State s = newGameState();
        s.Board = someStones();
        s.Positions(n + (n < 500 ? 1 : -1)) = emptyBoard(); // a neighbouring entry
        const Grid neighbourBefore = s.Positions(n + (n < 500 ? 1 : -1));
        const Grid boardBefore = s.Board;
        s.調査_保存(n);
        EXPECT_TRUE(samePoints(s.Positions(n), s.Board)) << "n = " << n;
        EXPECT_EQ(s.Positions(n + (n < 500 ? 1 : -1)), neighbourBefore) << "n = " << n;
        EXPECT_EQ(s.Board, boardBefore) << "storing changed the board";
    }
}

TEST(StoreTest, StoresOnlyPointsOneToNineteen) {
    State s = newGameState();
    s.Board = someStones();
    // Border cells are never written in play; here they are, to see they are not copied.
    s.Board(0, 5) = BLACK;
    s.Board(7, 0) = WHITE;
    s.Board(0, 0) = EMPTY;
    s.調査_保存(3);
    EXPECT_EQ(s.Positions(3)(0, 5), UNSET);
    EXPECT_EQ(s.Positions(3)(7, 0), UNSET);
    EXPECT_EQ(s.Positions(3)(0, 0), UNSET);
    EXPECT_TRUE(samePoints(s.Positions(3), s.Board));
}

TEST(StoreTest, OverwritesAnEarlierEntryCompletely) {
    State s = newGameState();
    s.Board = someStones();
    s.調査_保存(4);
    s.Board = emptyBoard();
    s.Board(5, 5) = WHITE;
    s.調査_保存(4);
    EXPECT_TRUE(samePoints(s.Positions(4), s.Board));
    EXPECT_EQ(s.Positions(4)(1, 1), EMPTY);
}

TEST(StoreTest, EntryStaysUntilStoredAgain) {
    State s = newGameState();
    s.調査_保存(0);
    const Grid empty = s.Positions(0);
    // A game of a few moves, each stored under its own count.
    const Point moves[] = {{10, 10}, {11, 11}, {1, 1}, {19, 19}, {10, 11}, {5, 15}};
    Code stone = BLACK;
    for (int k = 0; k < 6; ++k) {
        s.Board(moves[k].x, moves[k].y) = stone;
        s.調査_保存(k + 1);
        stone = otherStone(stone);
    }
    EXPECT_EQ(s.Positions(0), empty);
    EXPECT_TRUE(samePoints(s.Positions(0), emptyBoard()));
    // Entry 2 shows exactly the first two moves.
    Grid two = emptyBoard();
    two(10, 10) = BLACK;
    two(11, 11) = WHITE;
    EXPECT_TRUE(samePoints(s.Positions(2), two));
    EXPECT_TRUE(samePoints(s.Positions(6), s.Board));
}

TEST(StoreTest, EntriesOutsideTheRecordAreProgramErrors) {
    State s = newGameState();
    EXPECT_THROW(s.調査_保存(501), std::out_of_range);
    EXPECT_THROW(s.調査_保存(-1), std::out_of_range);
}

} // namespace
} // namespace narabe
