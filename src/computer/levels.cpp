// The levels' decision. TEMPORARY: 中級 and 上級 play as 初級 until their search is merged.
#include "computer/levels.h"

namespace narabe {

Choice 着手選択(const State& st, Stone side, Level /*level*/, std::chrono::milliseconds /*limit*/) {
    if (st.ComStone == side && st.ManStone == otherStone(side)) return com_着手選択(st);
    State mine = st;
    mine.ComStone = side;
    mine.ManStone = otherStone(side);
    return com_着手選択(mine);
}

} // namespace narabe
