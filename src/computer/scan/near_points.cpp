// Widening the one-move computer's field of view after a stone is placed: the 5 x 5 square
// around the stone becomes worth considering.
#include "computer/scan/near_points.h"

namespace narabe {

NearPoints newGameNearPoints() {
    NearPoints near{false};
    near(MIDDLE_POINT) = true;
    return near;
}

void addNearPoints(NearPoints& near, Point p) {
    for (int i = p.x - NEAR_RADIUS; i <= p.x + NEAR_RADIUS; ++i)
        for (int j = p.y - NEAR_RADIUS; j <= p.y + NEAR_RADIUS; ++j)
            if (onBoard(i, j)) near(i, j) = true;
}

NearPoints nearPointsOf(const Board& board) {
    NearPoints near = newGameNearPoints();
    forEachPoint([&](int x, int y) {
        if (board(x, y) != EMPTY) addNearPoints(near, {x, y});
    });
    return near;
}

} // namespace narabe
