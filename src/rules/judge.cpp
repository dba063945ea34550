// The judgement of a move and the two bars, from the facts of the four lines through the
// point.
#include "rules/judge.h"

namespace narabe {

Verdict barOf(const PointFacts& facts) {
    if (facts.doubleThree()) return Verdict::DOUBLE_THREE;
    if (facts.doubleFour()) return Verdict::DOUBLE_FOUR;
    return Verdict::ALLOWED;
}

Verdict judgeMove(const Board& board, Point p, Stone side) {
    if (!isFreePoint(board, p)) return onBoard(p) ? Verdict::OCCUPIED : Verdict::OFF_BOARD;
    return barOf(pointFacts(board, p, side));
}

bool isDoubleFour(const Board& board, Point p, Stone stone) {
    return pointFacts(board, p, stone).doubleFour();
}

bool isDoubleThree(const Board& board, Point p, Stone stone) {
    return pointFacts(board, p, stone).doubleThree();
}

} // namespace narabe
