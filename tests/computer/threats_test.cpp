// The search of continuous fours against a plain model built on the rules' own checks, on
// positions from random games: the same answer for either side to move, and a first move that
// does start a win.
#include "common/played_games.h"
#include "computer/search/vcf.h"
#include "rules/five.h"
#include "rules/judge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace narabe::test {
namespace {

// The plain model: every empty point near the attacker's stones is tried as a four, the
// answers found by asking the five check about every point.
class PlainFours {
  public:
    explicit PlainFours(Board board) : g_(board) {}

    // Whether `a`, to move, wins with at most `fours` fours.
    bool wins(Stone a, int fours) {
        if (!fivePoints(a).empty()) return true;
        const std::vector<Point> theirs = fivePoints(otherStone(a));
        if (theirs.size() > 1 || fours == 0) return false;
        std::vector<Point> tries = theirs;
        if (theirs.empty())
            forEachPoint([&](int x, int y) {
                if (nearStoneOf(a, x, y)) tries.push_back({x, y});
            });
        for (const Point p : tries)
            if (fourWins(a, p, fours)) return true;
        return false;
    }

    // Whether `a` playing p, a four, wins with at most `fours` fours, p included.
    bool fourWins(Stone a, Point p, int fours) {
        if (g_(p.x, p.y) != EMPTY || !allowed(a, p)) return false;
        g_(p.x, p.y) = cellOf(a);
        const std::vector<Point> five = fivePoints(a);
        bool won = five.size() > 1;
        if (five.size() == 1) {
            const Stone d = otherStone(a);
            won = !allowed(d, five[0]);
            if (!won) {
                g_(five[0].x, five[0].y) = cellOf(d);
                won = wins(a, fours - 1);
                g_(five[0].x, five[0].y) = EMPTY;
            }
        }
        g_(p.x, p.y) = EMPTY;
        return won;
    }

  private:
    std::vector<Point> fivePoints(Stone s) const {
        std::vector<Point> out;
        forEachPoint([&](int x, int y) {
            if (g_(x, y) == EMPTY && makesFive(g_, s, {x, y})) out.push_back({x, y});
        });
        return out;
    }
    bool allowed(Stone s, Point p) {
        return makesFive(g_, s, {p.x, p.y}) ||
               (!isDoubleThree(g_, {p.x, p.y}, s) && !isDoubleFour(g_, {p.x, p.y}, s));
    }
    bool nearStoneOf(Stone s, int x, int y) const {
        if (g_(x, y) != EMPTY) return false;
        for (int i = -4; i <= 4; ++i)
            for (int j = -4; j <= 4; ++j)
                if (onBoard(x + i, y + j) && g_(x + i, y + j) == s) return true;
        return false;
    }
    Board g_;
};

constexpr int FOURS = 3;

TEST(ContinuousFours, AgreeWithAPlainModelOfTheRules) {
    int wins = 0;
    int losses = 0;
    for (unsigned seed = 0; seed < 100; ++seed) {
        const ScanPosition st = playedPosition(30 + static_cast<int>(seed % 40), 4000u + seed);
        for (const Stone side : {BLACK, WHITE}) {
            const std::string where =
                "seed " + std::to_string(seed) + (side == BLACK ? " black" : " white");
            SearchBoard board(st.board, side);
            NodeBudget work(1'000'000, NO_DEADLINE);
            Point first;
            const bool found = winsByFours(board, FOURS, work, first);
            ASSERT_FALSE(work.spent()) << where;
            PlainFours model(st.board);
            ASSERT_EQ(found, model.wins(side, FOURS)) << where;
            if (!found) {
                ++losses;
                continue;
            }
            ++wins;
            // The first move makes five, or is a four that wins.
            const bool five = makesFive(st.board, side, {first.x, first.y});
            ASSERT_TRUE(five || model.fourWins(side, first, FOURS)) << where;
        }
    }
    EXPECT_GT(wins, 20); // both answers come up often
    EXPECT_GT(losses, 20);
}

} // namespace
} // namespace narabe::test
