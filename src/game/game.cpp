// The bookkeeping of the game's record.
#include "game/game.h"

namespace narabe {

void Game::storePosition(int n) {
    Board& stored = positions(n);
    forEachPoint([&](int x, int y) { stored(x, y) = board(x, y); });
}

void Game::keepMove(Point p, Stone stone) {
    moves(moveCount) = {p, stone};
    board(p) = cellOf(stone);
    addNearPoints(near, p);
    moveCount = moveCount + 1;
    storePosition(moveCount);
    moveTotal = moveCount;
}

} // namespace narabe
