// The double-four rule: would a stone on this empty point make fours on two axes?
#pragma once

#include "state/board.h"

namespace narabe {

// True (barred) when a stone of `stone` on the empty point p makes a four on two or
// more axes and does not make exactly five. A four is four in a row through the point with
// an end open, or a run that filling one gap beyond an open end joins into exactly five with
// an open far end; an axis counts once.
bool isDoubleFour(const Board& board, Point p, Stone stone);

} // namespace narabe
