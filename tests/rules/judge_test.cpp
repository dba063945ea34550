// The one judgement of a move against a plain reference of the same sequence (a point of the
// board, an empty one, not a double three, not a double four), built on the tests' own
// model of the rules, over many random and played positions and every point of the board
// and around it. Before the callers used the judgement, the same test held it against the
// sequences each of them ran: the press on the board, the record reader, the match's
// referee and the marks of barred points.
#include "common/played_games.h"
#include "common/reference_rules.h"
#include "rules/judge.h"
#include "rules/random_positions.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace narabe {
namespace {

using namespace narabe::test;

// The sequence written out plainly over the reference model.
Verdict referenceVerdict(const Board& board, Point p, Stone side) {
    if (p.x < 1 || p.x > 19 || p.y < 1 || p.y > 19) return Verdict::OFF_BOARD;
    if (board(p.x, p.y) != Cell::EMPTY) return Verdict::OCCUPIED;
    if (referenceDoubleThree(board, p.x, p.y, side)) return Verdict::DOUBLE_THREE;
    if (referenceDoubleFour(board, p.x, p.y, side)) return Verdict::DOUBLE_FOUR;
    return Verdict::ALLOWED;
}

// How often each verdict was given, by its value.
struct Tally {
    int verdicts[5] = {};
};

// Every point from (-2, -2) to (21, 21), for both sides; the board must not change.
void judgeEverywhere(const Board& board, const std::string& where, Tally& tally) {
    const Board before = board;
    for (int x = -2; x <= 21; ++x)
        for (int y = -2; y <= 21; ++y)
            for (const Stone side : {BLACK, WHITE}) {
                const Verdict v = judgeMove(board, {x, y}, side);
                ++tally.verdicts[static_cast<int>(v)];
                ASSERT_EQ(v, referenceVerdict(board, {x, y}, side))
                    << where << " at " << x << ", " << y << "\n"
                    << show(board);
                ASSERT_EQ(isBarred(v), v == Verdict::DOUBLE_THREE || v == Verdict::DOUBLE_FOUR);
            }
    ASSERT_EQ(board, before) << where;
}

TEST(MoveJudgement, AgreesWithThePlainSequenceOverTheReferenceRules) {
    std::mt19937 random(20240622u);
    Tally tally;
    for (int i = 0; i < 1500; ++i) {
        const RandomPosition pos = randomPosition(random);
        judgeEverywhere(pos.board, "random position " + std::to_string(i), tally);
        if (HasFatalFailure()) return;
    }
    for (int i = 0; i < 150; ++i) {
        const Board board =
            playedPosition(2 + (i * 31) % 200, 31000u + static_cast<unsigned>(i)).board;
        judgeEverywhere(board, "played position " + std::to_string(i), tally);
        if (HasFatalFailure()) return;
    }
    // Every verdict came up many times, so that each step of the sequence was compared.
    for (const int n : tally.verdicts)
        EXPECT_GT(n, 1000);
}

} // namespace
} // namespace narabe
