// The board of a new game.
#include "state/board.h"

namespace narabe {

Board emptyBoard() {
    Board board;
    forEachPoint([&](int x, int y) { board(x, y) = EMPTY; });
    return board;
}

} // namespace narabe
