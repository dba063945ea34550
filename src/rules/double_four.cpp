// The double-four rule from the facts of the four lines through the point.
#include "rules/double_four.h"

#include "rules/line_facts.h"

namespace narabe {

Truth 調査_四四(Grid& board, int x, int y, Stone stone) {
    const bool forbidden = pointFacts(board, x, y, stone).doubleFour();
    board(x, y) = EMPTY;
    return forbidden ? YES : NO;
}

} // namespace narabe
