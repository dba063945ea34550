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
        Cell cell; // put on (x, y) first when the point is on the board; UNSET: nothing
        Truth expected;
    };
    const Case cases[] = {
        // border cells keep their unset value and are refused
        {0, 5, Cell::UNSET, NO},
        {5, 0, Cell::UNSET, NO},
        {0, 0, Cell::UNSET, NO},
        {0, 19, Cell::UNSET, NO},
        {19, 0, Cell::UNSET, NO},
        // outside the table: refused by the range test, never used as an index
        {-1, 5, Cell::UNSET, NO},
        {5, -1, Cell::UNSET, NO},
        {20, 5, Cell::UNSET, NO},
        {5, 20, Cell::UNSET, NO},
        {20, 20, Cell::UNSET, NO},
        {-1, -1, Cell::UNSET, NO},
        {INT_MIN, 10, Cell::UNSET, NO},
        {10, INT_MAX, Cell::UNSET, NO},
        {1000, 1000, Cell::UNSET, NO},
        // empty points, corners and edges included
        {1, 1, Cell::UNSET, YES},
        {19, 19, Cell::UNSET, YES},
        {1, 19, Cell::UNSET, YES},
        {19, 1, Cell::UNSET, YES},
        {10, 10, Cell::UNSET, YES},
        {1, 10, Cell::UNSET, YES},
        {10, 19, Cell::UNSET, YES},
        // a point holding either stone
        {10, 10, Cell::BLACK, NO},
        {10, 10, Cell::WHITE, NO},
        {1, 1, Cell::BLACK, NO},
        {19, 19, Cell::WHITE, NO},
        {19, 1, Cell::WHITE, NO},
        // an empty point next to stones is still free
        {10, 10, EMPTY, YES},
    };
    for (const Case& c : cases) {
        State s = newGameState();
        if (c.cell != Cell::UNSET) s.Board(c.x, c.y) = c.cell;
        // neighbours with stones must not matter
        if (c.x >= 2 && c.x <= 18 && c.y >= 2 && c.y <= 18) {
            s.Board(c.x - 1, c.y) = Cell::BLACK;
            s.Board(c.x + 1, c.y) = Cell::WHITE;
        }
        const Grid before = s.Board;
        Truth answer = NO;
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
            const Truth answer = s.調査_置けるか(x, y);
            const bool inPlay = x >= 1 && x <= 19 && y >= 1 && y <= 19;
            EXPECT_EQ(answer, inPlay ? YES : NO) << x << "," << y;
            free += answer == YES;
        }
    EXPECT_EQ(free, 19 * 19);
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
    b(1, 1) = Cell::BLACK;
    b(19, 19) = Cell::WHITE;
    b(1, 19) = Cell::WHITE;
    b(19, 1) = Cell::BLACK;
    b(10, 10) = Cell::BLACK;
    b(11, 10) = Cell::WHITE;
    b(3, 17) = Cell::BLACK;
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
    s.Board(0, 5) = Cell::BLACK;
    s.Board(7, 0) = Cell::WHITE;
    s.Board(0, 0) = EMPTY;
    s.調査_保存(3);
    EXPECT_EQ(s.Positions(3)(0, 5), Cell::UNSET);
    EXPECT_EQ(s.Positions(3)(7, 0), Cell::UNSET);
    EXPECT_EQ(s.Positions(3)(0, 0), Cell::UNSET);
    EXPECT_TRUE(samePoints(s.Positions(3), s.Board));
}

TEST(StoreTest, OverwritesAnEarlierEntryCompletely) {
    State s = newGameState();
    s.Board = someStones();
    s.調査_保存(4);
    s.Board = emptyBoard();
    s.Board(5, 5) = Cell::WHITE;
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
    Stone stone = BLACK;
    for (int k = 0; k < 6; ++k) {
        s.Board(moves[k].x, moves[k].y) = cellOf(stone);
        s.調査_保存(k + 1);
        stone = otherStone(stone);
    }
    EXPECT_EQ(s.Positions(0), empty);
    EXPECT_TRUE(samePoints(s.Positions(0), emptyBoard()));
    // Entry 2 shows exactly the first two moves.
    Grid two = emptyBoard();
    two(10, 10) = Cell::BLACK;
    two(11, 11) = Cell::WHITE;
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
