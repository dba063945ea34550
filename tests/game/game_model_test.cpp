// The stored positions of the game: each entry holds the board's points as they were when
// it was stored, and nothing else.
#include "game/game.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace narabe {
namespace {

// A game whose board is that of a new game (points 1..19 EMPTY, border cells UNSET).
Game newGameState() {
    Game s;
    s.board = emptyBoard();
    return s;
}

// A board with a few stones on it, edges and corners included.
Board someStones() {
    Board b = emptyBoard();
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
bool samePoints(const Board& a, const Board& b) {
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            if (a(x, y) != b(x, y)) return false;
    return true;
}

TEST(StoreTest, CopiesThePointsOfTheBoardIntoTheEntryOnly) {
    for (const int n : {0, 1, 7, 361, 500}) {
        Game s = newGameState();
        s.board = someStones();
        s.positions(n + (n < 500 ? 1 : -1)) = emptyBoard(); // a neighbouring entry
        const Board neighbourBefore = s.positions(n + (n < 500 ? 1 : -1));
        const Board boardBefore = s.board;
        s.storePosition(n);
        EXPECT_TRUE(samePoints(s.positions(n), s.board)) << "n = " << n;
        EXPECT_EQ(s.positions(n + (n < 500 ? 1 : -1)), neighbourBefore) << "n = " << n;
        EXPECT_EQ(s.board, boardBefore) << "storing changed the board";
    }
}

TEST(StoreTest, StoresOnlyPointsOneToNineteen) {
    Game s = newGameState();
    s.board = someStones();
    // Border cells are never written in play; here they are, to see they are not copied.
    s.board(0, 5) = Cell::BLACK;
    s.board(7, 0) = Cell::WHITE;
    s.board(0, 0) = EMPTY;
    s.storePosition(3);
    EXPECT_EQ(s.positions(3)(0, 5), Cell::UNSET);
    EXPECT_EQ(s.positions(3)(7, 0), Cell::UNSET);
    EXPECT_EQ(s.positions(3)(0, 0), Cell::UNSET);
    EXPECT_TRUE(samePoints(s.positions(3), s.board));
}

TEST(StoreTest, OverwritesAnEarlierEntryCompletely) {
    Game s = newGameState();
    s.board = someStones();
    s.storePosition(4);
    s.board = emptyBoard();
    s.board(5, 5) = Cell::WHITE;
    s.storePosition(4);
    EXPECT_TRUE(samePoints(s.positions(4), s.board));
    EXPECT_EQ(s.positions(4)(1, 1), EMPTY);
}

TEST(StoreTest, EntryStaysUntilStoredAgain) {
    Game s = newGameState();
    s.storePosition(0);
    const Board empty = s.positions(0);
    // A game of a few moves, each stored under its own count.
    const Point moves[] = {{10, 10}, {11, 11}, {1, 1}, {19, 19}, {10, 11}, {5, 15}};
    Stone stone = BLACK;
    for (int k = 0; k < 6; ++k) {
        s.board(moves[k].x, moves[k].y) = cellOf(stone);
        s.storePosition(k + 1);
        stone = otherStone(stone);
    }
    EXPECT_EQ(s.positions(0), empty);
    EXPECT_TRUE(samePoints(s.positions(0), emptyBoard()));
    // Entry 2 shows exactly the first two moves.
    Board two = emptyBoard();
    two(10, 10) = Cell::BLACK;
    two(11, 11) = Cell::WHITE;
    EXPECT_TRUE(samePoints(s.positions(2), two));
    EXPECT_TRUE(samePoints(s.positions(6), s.board));
}

TEST(StoreTest, EntriesOutsideTheRecordAreProgramErrors) {
    Game s = newGameState();
    EXPECT_THROW(s.storePosition(501), std::out_of_range);
    EXPECT_THROW(s.storePosition(-1), std::out_of_range);
}

} // namespace
} // namespace narabe
