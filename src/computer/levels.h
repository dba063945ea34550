// The computer's strengths behind one call, used by the game, the engine and the hint:
// 初級 is the game's one-move scan, 中級 and 上級 search.
#pragma once

#include "computer/choose.h"
#include "computer/work.h"
#include "state/state.h"

#include <chrono>
#include <cstdint>

namespace narabe {

enum class Level : std::uint8_t { 初級 = 1, 中級 = 2, 上級 = 3 };

// The point `level` plays for `side` to move in st (st.Board; at 初級 also st.NearFlag and
// st.CentreBonus, exactly as com_着手選択 does with side as the computer's stone and the other
// as the human's). found == false: no point the rules allow (the game is drawn). Never thinks
// longer than `limit`; a level also has its own time (中級 100 ms, 上級 1 s) and uses the
// smaller of the two.
Choice 着手選択(const State& st, Stone side, Level level, std::chrono::milliseconds limit);

// The same within `work`, which counts the positions looked at: with NO_DEADLINE the choice
// depends on the position, the side, the level and the work's budget alone.
Choice 着手選択(const State& st, Stone side, Level level, Work& work);

// The level's own time.
std::chrono::milliseconds ownTime(Level level);

// The positions a searching level looks at in `time`: a rate that this machine's release
// build reaches in well under that time.
std::int64_t positionsIn(std::chrono::milliseconds time);

} // namespace narabe
