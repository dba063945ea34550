// The barred points' marks over random play: after every event the points that carry a mark
// on the window's image are exactly the empty points where the side to move would be refused
// a double three or a double four, as the test's own model of the rules judges them, and none
// while no game is on, nor while the winner of a game is announced. Black and white both come
// to move; the history, 待った, 最初, the hint and the check itself come between the moves.
#include "common/reference_rules.h"
#include "common/silent_ports.h"
#include "render/geometry.h"
#include "render/layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace narabe::test {
namespace {

// Keeps which points carry a barred mark: a mark is a dot of the barred radius in its colour
// on a point's crossing, and drawing the point's cell again takes it away.
class MarkedPoints final : public Surface {
  public:
    void copyPicture(Picture, double x, double y) override {
        const int px = point(x - ORIGIN_X);
        const int py = point(y - ORIGIN_Y);
        if (onBoard(px, py)) marked(px, py) = false;
    }
    void fillRect(double, double, double, double, Colour) override {}
    void drawText(double, double, int, Colour, std::string_view) override {}
    void fillCircle(double x, double y, double radius, Colour colour) override {
        if (radius != BARRED_RADIUS || colour != HINT_COLOUR) return;
        const int px = point(x - MARK_OFFSET - ORIGIN_X);
        const int py = point(y - MARK_OFFSET - ORIGIN_Y);
        ASSERT_TRUE(onBoard(px, py)) << x << ", " << y;
        marked(px, py) = true;
    }
    void refresh() override {}

    PointTable<bool> marked{false};

  private:
    static int point(double twips) { return static_cast<int>(std::floor(twips / CELL_W)); }
};

// Counts the winners announced, and those announced over a board that still carries a mark.
class WinnerBoxes final : public MessageBoxes {
  public:
    explicit WinnerBoxes(const MarkedPoints& board) : board_(board) {}
    void message(std::string_view, std::string_view text) override {
        if (!text.ends_with("の勝ち！！")) return;
        ++winners;
        forEachPoint([&](int x, int y) { marked += board_.marked(x, y) ? 1 : 0; });
    }
    void warning(std::string_view, std::string_view) override {}

    int winners = 0;
    int marked = 0;

  private:
    const MarkedPoints& board_;
};

TEST(BarredMarks, AreExactlyThePointsTheRulesRefuseTheSideToMove) {
    SilentPorts io;
    MarkedPoints board;
    WinnerBoxes boxes(board);
    Ports ports = io.ports();
    GameController game(Ports{.surface = board,
                              .boxes = boxes,
                              .menu = ports.menu,
                              .sound = ports.sound,
                              .clock = ports.clock,
                              .browser = ports.browser,
                              .frame = ports.frame,
                              .program = ports.program,
                              .about = ports.about,
                              .dialogs = ports.dialogs,
                              .homePage = ports.homePage});
    game.load();
    game.toggleBarredMarks();
    std::mt19937 rng(17);
    std::normal_distribution<double> near(3300, 1100);
    int marksSeen[2] = {0, 0};
    for (int event = 0; event < 3000; ++event) {
        const auto r = rng() % 100;
        if (r < 2)
            game.playTwoPlayers();
        else if (r < 3)
            game.playBlack();
        else if (r < 7)
            game.stepBack();
        else if (r < 10)
            game.stepForward();
        else if (r < 11)
            game.toStart();
        else if (r < 12)
            game.toggleBarredMarks();
        else if (r < 14)
            game.showHint();
        else if (r < 15)
            game.takeBack();
        else
            game.pressed(near(rng), near(rng));

        const Game& st = game.game();
        const bool shown = io.checks[slotOf(CheckItem::BARRED_MARKS)] && st.mode != Mode::NO_GAME;
        Board work = st.board;
        forEachPoint([&](int x, int y) {
            const bool refused = shown && work(x, y) == EMPTY &&
                                 (referenceDoubleThree(work, x, y, st.turn.value()) ||
                                  referenceDoubleFour(work, x, y, st.turn.value()));
            ASSERT_EQ(board.marked(x, y), refused)
                << "event " << event << " at " << x << ", " << y << " for "
                << (st.turn == BLACK ? "black" : "white");
            if (refused) ++marksSeen[st.turn == BLACK ? 0 : 1];
        });
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(marksSeen[0], 0);
    EXPECT_GT(marksSeen[1], 0);
    EXPECT_GT(boxes.winners, 0);
    EXPECT_EQ(boxes.marked, 0) << "marks left on the board while a winner is announced";
}

} // namespace
} // namespace narabe::test
