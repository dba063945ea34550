// The double-three rule: would a stone on this empty point make open threes on two axes?
#pragma once

#include "state/types.h"

namespace narabe {

// YES (forbidden) when a stone of `stone` on the empty point (x, y) makes an open three on
// two or more axes and does not make exactly five. Puts trial stones on the board while it
// works and leaves it as it was, with (x, y) EMPTY.
Truth 調査_三三(Grid& board, int x, int y, Stone stone);

} // namespace narabe
