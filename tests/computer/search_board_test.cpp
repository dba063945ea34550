// The search's board, which keeps its line codes and prospects up to date move by move: after
// any moves played and taken back, what it says of every point is what the rules say (a five,
// a point barred), and its prospects and key are those of a board built afresh from the same
// stones.
#include "common/played_games.h"
#include "computer/search/board.h"
#include "rules/five.h"
#include "rules/judge.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace narabe::test {
namespace {

// Compares every point of `board` with a board built from `stones` and with the rules.
void expectAsBuiltAfresh(const SearchBoard& board, Board stones, Stone toMove,
                         const std::string& trace) {
    const SearchBoard fresh(stones, toMove);
    ASSERT_EQ(board.toMove(), toMove) << trace;
    ASSERT_EQ(board.key(), fresh.key()) << trace;
    for (const Stone side : {BLACK, WHITE}) {
        forEachPoint([&](int x, int y) {
            const Point s{x, y};
            if (stones(x, y) != EMPTY) return;
            ASSERT_EQ(board.prospect(s, side), fresh.prospect(s, side))
                << trace << " at " << x << ", " << y;
            ASSERT_EQ(board.sight(s, side).lines, fresh.sight(s, side).lines) << trace;
            const Prospect p = board.prospect(s, side);
            ASSERT_EQ(p.five, makesFive(stones, side, {x, y})) << trace;
            const bool barred =
                isDoubleThree(stones, {x, y}, side) || isDoubleFour(stones, {x, y}, side);
            ASSERT_EQ(p.allowed, !barred) << trace << " at " << x << ", " << y;
        });
    }
}

TEST(SearchBoard, MovesPlayedAndTakenBackLeaveWhatABoardBuiltAfreshSees) {
    std::mt19937 rng(31415u);
    std::uniform_int_distribution<int> coord(FIRST_POINT, LAST_POINT);
    std::uniform_int_distribution<int> action(0, 3);
    for (int round = 0; round < 30; ++round) {
        const ScanPosition start = playedPosition(10 + round, 500u + static_cast<unsigned>(round));
        Board stones = start.board;
        Stone toMove = start.computer;
        SearchBoard board(stones, toMove);
        std::vector<Point> played;
        for (int step = 0; step < 30; ++step) {
            if (action(rng) == 0 && !played.empty()) {
                board.undo();
                stones(played.back().x, played.back().y) = EMPTY;
                played.pop_back();
            } else {
                Point s{coord(rng), coord(rng)};
                while (stones(s.x, s.y) != EMPTY)
                    s = {coord(rng), coord(rng)};
                board.play(s);
                stones(s.x, s.y) = cellOf(toMove);
                played.push_back(s);
            }
            toMove = played.size() % 2 == 0 ? start.computer : otherStone(start.computer);
            expectAsBuiltAfresh(board, stones, toMove,
                                "round " + std::to_string(round) + ", step " +
                                    std::to_string(step));
            if (HasFatalFailure()) return;
        }
    }
}

} // namespace
} // namespace narabe::test
