// A four: four in a row through the point with an open end, or a run that one filled
// gap joins into exactly five with an open far end.
#include "rules/double_four.h"

#include "rules/line_rule.h"

namespace narabe {

Truth 調査_四四(Grid& board, int x, int y, Stone stone) {
    return countLineShapes(board, x, y, stone, FOUR_RULE);
}

} // namespace narabe
