// The judgement of a move, the bar from the facts of the point's lines.
#include "rules/judge.h"

namespace narabe {

Verdict barOf(const PointFacts& facts) {
    if (facts.doubleThree()) return Verdict::DOUBLE_THREE;
    if (facts.doubleFour()) return Verdict::DOUBLE_FOUR;
    return Verdict::ALLOWED;
}

Verdict judgeMove(const Board& board, Point p, Stone side) {
    if (!onBoard(p)) return Verdict::OFF_BOARD;
    if (board(p) != EMPTY) return Verdict::OCCUPIED;
    return barOf(pointFacts(board, p, side));
}

} // namespace narabe
