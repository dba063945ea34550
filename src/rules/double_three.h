// The double-three rule: would a stone on this empty point make open threes on two axes?
#pragma once

#include "state/board.h"

namespace narabe {

// True (barred) when a stone of `stone` on the empty point p makes an open three on
// two or more axes and does not make exactly five. An open three has both ends of the run
// through the point open and is three in a row, or a run that filling one gap joins into
// exactly four with an open far end; an axis counts once.
bool isDoubleThree(const Board& board, Point p, Stone stone);

} // namespace narabe
