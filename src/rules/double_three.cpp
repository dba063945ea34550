// An open three: both ends of the run through the point open, and either three in a row,
// or a run that one filled gap joins into exactly four with an open far end.
#include "rules/double_three.h"

#include "rules/line_rule.h"

namespace narabe {

Truth 調査_三三(Grid& board, int x, int y, Stone stone) {
    return countLineShapes(board, x, y, stone, THREE_RULE);
}

} // namespace narabe
