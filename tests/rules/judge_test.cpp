// The one judgement of a move against the sequences each of its callers ran before it
// existed: the press on the board, the record reader, the match's referee and the marks of
// barred points, over many random positions and every point of the board and around it.
#include "common/played_games.h"
#include "rules/double_four.h"
#include "rules/double_three.h"
#include "rules/judge.h"
#include "rules/random_positions.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace narabe {
namespace {

using namespace narabe::test;

// The press on the board: refused without a word, refused as a double three or four, played.
enum class Press { REFUSED, DOUBLE_THREE, DOUBLE_FOUR, PLAYED };

Press pressSequence(const Board& board, Point p, Stone side) {
    if (!isFreePoint(board, p)) return Press::REFUSED;
    if (isDoubleThree(board, p, side)) return Press::DOUBLE_THREE;
    if (isDoubleFour(board, p, side)) return Press::DOUBLE_FOUR;
    return Press::PLAYED;
}

Press pressOf(Verdict v) {
    switch (v) {
    case Verdict::OFF_BOARD:
    case Verdict::OCCUPIED:
        return Press::REFUSED;
    case Verdict::DOUBLE_THREE:
        return Press::DOUBLE_THREE;
    case Verdict::DOUBLE_FOUR:
        return Press::DOUBLE_FOUR;
    case Verdict::ALLOWED:
        break;
    }
    return Press::PLAYED;
}

// The record reader's faults of a move, and the referee's verdicts: the same five answers.
Verdict recordSequence(const Board& board, Point p, Stone side) {
    if (!isFreePoint(board, p)) return onBoard(p) ? Verdict::OCCUPIED : Verdict::OFF_BOARD;
    if (isDoubleThree(board, p, side)) return Verdict::DOUBLE_THREE;
    if (isDoubleFour(board, p, side)) return Verdict::DOUBLE_FOUR;
    return Verdict::ALLOWED;
}

Verdict refereeSequence(const Board& board, Point p, Stone side) {
    if (!onBoard(p)) return Verdict::OFF_BOARD;
    if (!isFreePoint(board, p)) return Verdict::OCCUPIED;
    if (isDoubleThree(board, p, side)) return Verdict::DOUBLE_THREE;
    if (isDoubleFour(board, p, side)) return Verdict::DOUBLE_FOUR;
    return Verdict::ALLOWED;
}

// The marks of barred points, for the points of the board.
bool markSequence(const Board& board, Point p, Stone side) {
    return board(p) == EMPTY && (isDoubleThree(board, p, side) || isDoubleFour(board, p, side));
}

struct Tally {
    int verdicts[5] = {};
};

// Every point from (-2, -2) to (21, 21), for both sides, judged once and by each sequence.
void judgeEverywhere(const Board& board, const std::string& where, Tally& tally) {
    for (int x = -2; x <= 21; ++x)
        for (int y = -2; y <= 21; ++y)
            for (const Stone side : {BLACK, WHITE}) {
                const Point p{x, y};
                const Verdict v = judgeMove(board, p, side);
                ++tally.verdicts[static_cast<int>(v)];
                ASSERT_EQ(pressOf(v), pressSequence(board, p, side))
                    << where << " at " << x << ", " << y;
                ASSERT_EQ(v, recordSequence(board, p, side)) << where << " at " << x << ", " << y;
                ASSERT_EQ(v, refereeSequence(board, p, side)) << where << " at " << x << ", " << y;
                if (onBoard(p)) {
                    const bool barred = v == Verdict::DOUBLE_THREE || v == Verdict::DOUBLE_FOUR;
                    ASSERT_EQ(barred, markSequence(board, p, side))
                        << where << " at " << x << ", " << y;
                }
            }
}

TEST(MoveJudgement, AgreesWithEveryCallersSequence) {
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
    // Every verdict came up many times, so that each branch of the sequences was compared.
    for (const int n : tally.verdicts)
        EXPECT_GT(n, 1000);
}

} // namespace
} // namespace narabe
