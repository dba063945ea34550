// The evaluation worked out with the named probes on a board that holds the stone.
#include "computer/reference_score.h"

#include "common/probes.h"
#include "common/reference_rules.h"

#include <array>

namespace narabe::test {

namespace {

// One line through the point: the run sum of its two run-length probes and its end cells.
struct Reading {
    int runSum;
    int openEnds;
};

using RunProbe = int (*)(const Board&, Cell, int, int);
using EndProbe = Cell (*)(const Board&, Cell, int, int);
struct LineProbes {
    RunProbe runA, runB;
    EndProbe endA, endB;
};

const std::array<LineProbes, 4> LINES = {{
    {runUp, runDown, endUp, endDown},
    {runLeft, runRight, endLeft, endRight},
    {runUpLeft, runDownRight, endUpLeft, endDownRight},
    {runUpRight, runDownLeft, endUpRight, endDownLeft},
}};

// The four lines through (x, y) with a stone of `stone` put on it.
std::array<Reading, 4> read(const Board& board, int x, int y, Stone stone) {
    Board b = board;
    b(x, y) = cellOf(stone);
    const Cell c = cellOf(stone);
    std::array<Reading, 4> out{};
    for (std::size_t i = 0; i < LINES.size(); ++i) {
        const LineProbes& l = LINES[i];
        out[i].runSum = l.runA(b, c, x, y) + l.runB(b, c, x, y);
        out[i].openEnds =
            (l.endA(b, c, x, y) == EMPTY ? 1 : 0) + (l.endB(b, c, x, y) == EMPTY ? 1 : 0);
    }
    return out;
}

bool some(const std::array<Reading, 4>& lines, int runSum, int minOpen) {
    for (const Reading& r : lines)
        if (r.runSum == runSum && r.openEnds >= minOpen) return true;
    return false;
}

// The positional bonus: 0.1 on the points 9..12 of both axes.
double bonus(int x, int y) {
    return x >= 9 && x <= 12 && y >= 9 && y <= 12 ? 0.1 : 0.0;
}

} // namespace

double referenceScore(const ScanPosition& st, int x, int y) {
    if (!st.near(x, y)) return bonus(x, y);
    const auto com = read(st.board, x, y, st.computer);
    const auto man = read(st.board, x, y, st.human);
    if (some(com, 4, 0)) return 1000;
    if (some(man, 4, 0)) return 900;
    if (some(com, 3, 2)) return 800;
    if (some(man, 3, 2)) return 700;
    if (some(com, 3, 1)) return 500;
    if (some(com, 2, 2)) return 400;
    if (some(man, 2, 2)) return 300;
    if (some(man, 3, 0)) return 500;
    return bonus(x, y);
}

Choice referenceChoice(const ScanPosition& st) {
    Choice best;
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y) {
            if (st.near(x, y) != true || st.board(x, y) != EMPTY) continue;
            if (referenceDoubleThree(st.board, x, y, st.computer)) continue;
            if (referenceDoubleFour(st.board, x, y, st.computer)) continue;
            const double s = referenceScore(st, x, y);
            if (s > best.score) best = {true, x, y, s};
        }
    return best;
}

} // namespace narabe::test
