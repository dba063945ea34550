// The computer's strengths: the point a level plays for one side, within a time limit.
#pragma once

#include "computer/choose.h"
#include "state/state.h"

#include <chrono>
#include <cstdint>

namespace narabe {

enum class Level : std::uint8_t { 初級 = 1, 中級 = 2, 上級 = 3 };

// The point `level` plays for `side` to move in st (st.Board; at 初級 also st.NearFlag and
// st.CentreBonus, exactly as com_着手選択 does with side as the computer's stone and the
// other as the human's). found == false: no point the rules allow.
// Never thinks longer than `limit`; each level also has its own time and uses the smaller.
Choice 着手選択(const State& st, Stone side, Level level, std::chrono::milliseconds limit);

} // namespace narabe
