// The end-cell walk behind the tests' eight end-cell probes.
#include "common/probes.h"

namespace narabe {

namespace {

// True when a coordinate that moves with delta d stands on the last index that way.
constexpr bool atEdge(int v, int d) {
    return (d < 0 && v == FIRST_POINT) || (d > 0 && v == LAST_POINT);
}

} // namespace

Cell endCell(const Board& board, Cell code, int x, int y, Direction d) {
    const Step s = step(d);
    int px = x;
    int py = y;
    while (!atEdge(px, s.dx) && !atEdge(py, s.dy) && board(px, py) == code) {
        px += s.dx;
        py += s.dy;
    }
    return board(px, py);
}

} // namespace narabe
