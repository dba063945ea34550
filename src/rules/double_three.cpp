// The double-three rule from the facts of the four lines through the point.
#include "rules/double_three.h"

#include "rules/line_facts.h"

namespace narabe {

Truth 調査_三三(Grid& board, int x, int y, Stone stone) {
    const bool forbidden = pointFacts(board, x, y, stone).doubleThree();
    board(x, y) = EMPTY;
    return forbidden ? YES : NO;
}

} // namespace narabe
