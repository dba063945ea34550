// A four: four in a row through the point with an open end, or a run that one filled
// gap joins into exactly five with an open far end.
#include "rules/double_four.h"

#include "rules/line_rule.h"

namespace narabe {

int 調査_四四(Grid& board, int x, int y, Code stone) {
    return countLineShapes(board, x, y, stone, LineRule{5, false});
}

} // namespace narabe
