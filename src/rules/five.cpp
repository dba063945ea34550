// Exactly-five check over the four axes, vertical first.
#include "rules/five.h"

#include "rules/probes.h"

namespace narabe {

Truth 調査_5並び(const Grid& board, Stone stone, int x, int y) {
    for (const Axis& a : AXES) {
        const int n =
            runLength(board, stone, x, y, a.first) + runLength(board, stone, x, y, a.second) + 1;
        if (n == FIVE_STONES) return YES;
    }
    return NO;
}

} // namespace narabe
