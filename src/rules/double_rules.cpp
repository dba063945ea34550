// The double-four and double-three rules from the facts of the four lines through the point.
#include "rules/double_four.h"

#include "rules/double_three.h"
#include "rules/line_facts.h"

namespace narabe {

bool isDoubleFour(const Board& board, Point p, Stone stone) {
    return pointFacts(board, p, stone).doubleFour();
}

bool isDoubleThree(const Board& board, Point p, Stone stone) {
    return pointFacts(board, p, stone).doubleThree();
}

} // namespace narabe
