// The runs of stones from a point, and the five through it.
#include "rules/five.h"

namespace narabe {

namespace {

// True when a coordinate that moves with delta d has left 1..19.
constexpr bool leftBoard(int v, int d) {
    return d != 0 && (v < FIRST_POINT || v > LAST_POINT);
}

} // namespace

int runLength(const Board& board, Cell code, Point p, Direction d) {
    const Step s = step(d);
    int count = 0;
    for (int k = 1;; ++k) {
        const Point q{p.x + k * s.dx, p.y + k * s.dy};
        if (leftBoard(q.x, s.dx) || leftBoard(q.y, s.dy) || board(q) != code) break;
        ++count;
    }
    return count;
}

std::optional<std::array<Point, FIVE_STONES>> fiveThrough(const Board& board, Stone stone,
                                                          Point p) {
    std::optional<std::array<Point, FIVE_STONES>> five;
    for (const Axis& axis : AXES) {
        const int a = runLength(board, stone, p, axis.first);
        const int b = runLength(board, stone, p, axis.second);
        if (a + b + 1 != FIVE_STONES) continue;
        const Step s = step(axis.first);
        five.emplace();
        for (std::size_t k = 0; k < five->size(); ++k) {
            const int d = a - static_cast<int>(k);
            (*five)[k] = {p.x + d * s.dx, p.y + d * s.dy};
        }
    }
    return five;
}

} // namespace narabe
