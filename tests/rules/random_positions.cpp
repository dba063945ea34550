// Random positions around a point, and the board's symmetries.
#include "rules/random_positions.h"

#include <algorithm>
#include <cstdlib>

namespace narabe::test {

RandomPosition randomPosition(std::mt19937& random) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<int> coordinate(1, 19);
    RandomPosition pos{
        emptyBoard(), {coordinate(random), coordinate(random)}, unit(random) < 0.5 ? BLACK : WHITE};
    const double lineDensity = 0.1 + 0.75 * unit(random); // near P, on its lines
    const double restDensity = 0.6 * unit(random) * unit(random);
    const double mine = 0.5 + 0.45 * unit(random); // share of the stones of the tested code
    const int reach = 3 + static_cast<int>(unit(random) * 4.0); // how far the dense part goes
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y) {
            const int dx = x - pos.p.x;
            const int dy = y - pos.p.y;
            if (dx == 0 && dy == 0) continue;
            const bool onLine = dx == 0 || dy == 0 || std::abs(dx) == std::abs(dy);
            const bool near = std::max(std::abs(dx), std::abs(dy)) <= reach;
            const double density = onLine && near ? lineDensity : restDensity;
            if (unit(random) >= density) continue;
            pos.board(x, y) = cellOf(unit(random) < mine ? pos.stone : otherStone(pos.stone));
        }
    return pos;
}

Point transform(int symmetry, Point p) {
    // Reflect x, reflect y, swap the axes: eight combinations.
    int x = p.x;
    int y = p.y;
    if ((symmetry & 1) != 0) x = 20 - x;
    if ((symmetry & 2) != 0) y = 20 - y;
    if ((symmetry & 4) != 0) std::swap(x, y);
    return {x, y};
}

Board transform(int symmetry, const Board& board) {
    Board out;
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y) {
            const Point t = transform(symmetry, {x, y});
            out(t.x, t.y) = board(x, y);
        }
    return out;
}

Board swapColours(const Board& board) {
    Board out = board;
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y) {
            const Cell c = board(x, y);
            if (c == BLACK) out(x, y) = cellOf(WHITE);
            if (c == WHITE) out(x, y) = cellOf(BLACK);
        }
    return out;
}

} // namespace narabe::test
