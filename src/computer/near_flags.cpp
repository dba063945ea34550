// Widening the computer's field of view after a stone is placed: the 5 x 5 square
// around the stone becomes worth considering. Flags only ever grow during a game.
#include "computer/near_flags.h"

namespace narabe {

void 隣接範囲フラグセット(State& st, int x, int y) {
    for (int i = x - NEAR_RADIUS; i <= x + NEAR_RADIUS; ++i)
        for (int j = y - NEAR_RADIUS; j <= y + NEAR_RADIUS; ++j)
            if (onBoard(i, j) && st.NearFlag(i, j) == NO) st.NearFlag(i, j) = YES;
}

} // namespace narabe
