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

void checkState(const State& st, const std::string& where) {
    ASSERT_LE(st.MoveCount, st.MoveTotal) << where;
    ASSERT_TRUE(st.Positions(st.MoveCount) == st.Board) << where;
    for (int k = 0; k < st.MoveCount; ++k)
        ASSERT_TRUE(st.Board(st.MoveX(k), st.MoveY(k)) == st.MoveStone(k))
            << where << " move " << k;
    // The last-move mark belongs to the last move on the board, also after steps back.
    if (st.MoveCount > 0) {
        const int k = st.MoveCount - 1;
        ASSERT_EQ(st.LastX, st.MoveX(k)) << where;
        ASSERT_EQ(st.LastY, st.MoveY(k)) << where;
        ASSERT_EQ(st.LastStone, st.MoveStone(k)) << where;
    }
    for (int v = 0; v < TABLE_SIDE; ++v) {
        ASSERT_EQ(st.Board(0, v), Cell::UNSET) << where;
        ASSERT_EQ(st.Board(v, 0), Cell::UNSET) << where;
    }
    if (st.GameState != NO_GAME) {
        ASSERT_TRUE((st.Turn == BLACK && st.Opponent == WHITE) ||
                    (st.Turn == WHITE && st.Opponent == BLACK))
            << where;
        // A game in progress never holds a five of the side that just moved.
        if (st.MoveCount > 0) {
            ASSERT_EQ(調査_5並び(st.Board, st.LastStone, st.LastX, st.LastY), NO) << where;
        }
    }
}

TEST(GameStateSoak, StoredPositionsAndRecordAgreeWithTheBoardAfterEveryEvent) {
    SilentPorts io;
    Form1 game(io.ports());
    game.Form_Load();
    std::mt19937 rng(7);
    std::normal_distribution<double> near(3300, 1400);
    int ended = 0;
    for (int event = 0; event < 20000; ++event) {
        const auto r = rng() % 100;
        if (io.aboutShown) // the modal dialog takes all input until a button closes it
            (r < 50 ? game.form2().Command1_Click() : game.form2().Command2_Click());
        else if (r < 2)
            game.TAIMAN_Click();
        else if (r < 4)
            game.SENTE_Click();
        else if (r < 6)
            game.GOTE_Click();
        else if (r < 9)
            game.MODORU_Click();
        else if (r < 12)
            game.SUSUMU_Click();
        else if (r < 13)
            game.SAISYO_Click();
        else if (r < 14)
            game.BANGOU_Click();
        else if (r < 15)
            game.VER_Click();
        else
            game.Form_MouseDown(near(rng), near(rng));
        if (game.state().GameState == NO_GAME && game.state().MoveCount > 0) ++ended;
        checkState(game.state(), "event " + std::to_string(event));
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(ended, 0);
    EXPECT_FALSE(io.ended);
}

} // namespace
} // namespace narabe::test
