// Random play driven in-process, with steps through the history, the move numbers and the
// about dialog among the moves, checking after every event the invariants of the game
// state that a transcript cannot show: the stored position of the current move count is
// the board, and the record agrees with the board.
#include "common/silent_ports.h"
#include "rules/five.h"

#include <gtest/gtest.h>

#include <random>

namespace narabe::test {
namespace {

void checkState(const Game& st, const std::string& where) {
    ASSERT_LE(st.moveCount, st.moveTotal) << where;
    ASSERT_TRUE(st.positions(st.moveCount) == st.board) << where;
    for (int k = 0; k < st.moveCount; ++k)
        ASSERT_TRUE(st.board(st.moves(k).at) == st.moves(k).stone) << where << " move " << k;
    // The last-move mark belongs to the last move on the board, also after steps back.
    if (st.moveCount > 0) {
        const int k = st.moveCount - 1;
        ASSERT_EQ(st.last.x, st.moves(k).at.x) << where;
        ASSERT_EQ(st.last.y, st.moves(k).at.y) << where;
        ASSERT_EQ(st.lastStone, st.moves(k).stone) << where;
    }
    for (int v = 0; v < TABLE_SIDE; ++v) {
        ASSERT_EQ(st.board(0, v), Cell::UNSET) << where;
        ASSERT_EQ(st.board(v, 0), Cell::UNSET) << where;
    }
    if (st.mode != Mode::NO_GAME) {
        ASSERT_TRUE((st.turn == BLACK && st.opponent == WHITE) ||
                    (st.turn == WHITE && st.opponent == BLACK))
            << where;
        // A game in progress never holds a five of the side that just moved.
        if (st.moveCount > 0) {
            ASSERT_FALSE(makesFive(st.board, st.lastStone.value(), st.last)) << where;
        }
    }
}

TEST(GameStateSoak, StoredPositionsAndRecordAgreeWithTheBoardAfterEveryEvent) {
    SilentPorts io;
    GameController game(io.ports());
    game.load();
    std::mt19937 rng(7);
    std::normal_distribution<double> near(3300, 1400);
    int ended = 0;
    for (int event = 0; event < 20000; ++event) {
        const auto r = rng() % 100;
        if (io.aboutShown) // the modal dialog takes all input until a button closes it
            (r < 50 ? game.about().homePagePressed() : game.about().okPressed());
        else if (r < 2)
            game.playTwoPlayers();
        else if (r < 4)
            game.playBlack();
        else if (r < 6)
            game.playWhite();
        else if (r < 9)
            game.stepBack();
        else if (r < 12)
            game.stepForward();
        else if (r < 13)
            game.toStart();
        else if (r < 14)
            game.toggleMoveNumbers();
        else if (r < 15)
            game.showAbout();
        else
            game.pressed(near(rng), near(rng));
        if (game.game().mode == Mode::NO_GAME && game.game().moveCount > 0) ++ended;
        checkState(game.game(), "event " + std::to_string(event));
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(ended, 0);
    EXPECT_FALSE(io.ended);
}

} // namespace
} // namespace narabe::test
