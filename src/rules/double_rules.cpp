// The double-four and double-three rules from the facts of the four lines through the point.
#include "rules/double_four.h"

#include "rules/double_three.h"
#include "rules/line_facts.h"

namespace narabe {

namespace {

// Whether the rule forbids the point; the point is left EMPTY, whatever it held.
template <bool (PointFacts::*Forbids)() const> Truth judge(Grid& board, int x, int y, Stone stone) {
    const bool forbidden = (pointFacts(board, x, y, stone).*Forbids)();
    board(x, y) = EMPTY;
    return forbidden ? YES : NO;
}

} // namespace

Truth 調査_四四(Grid& board, int x, int y, Stone stone) {
    return judge<&PointFacts::doubleFour>(board, x, y, stone);
}

Truth 調査_三三(Grid& board, int x, int y, Stone stone) {
    return judge<&PointFacts::doubleThree>(board, x, y, stone);
}

} // namespace narabe
