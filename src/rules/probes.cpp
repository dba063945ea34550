// The run-length and end-cell walks behind the sixteen named probes.
#include "rules/probes.h"

namespace narabe {

namespace {

// True when a coordinate that moves with delta d has left 1..19.
constexpr bool leftBoard(int v, int d) {
    return d != 0 && (v < FIRST_POINT || v > LAST_POINT);
}

// True when a coordinate that moves with delta d stands on the last index that way.
constexpr bool atEdge(int v, int d) {
    return (d < 0 && v == FIRST_POINT) || (d > 0 && v == LAST_POINT);
}

} // namespace

int runLength(const Grid& board, Cell code, int x, int y, Dir d) {
    const Step s = step(d);
    int count = 0;
    for (int k = 1;; ++k) {
        const int px = x + k * s.dx;
        const int py = y + k * s.dy;
        if (leftBoard(px, s.dx) || leftBoard(py, s.dy)) break;
        if (board(px, py) != code) break;
        ++count;
    }
    return count;
}

Cell endCell(const Grid& board, Cell code, int x, int y, Dir d) {
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
