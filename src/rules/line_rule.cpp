// Counting fours or threes through a point, one axis at a time.
#include "rules/line_rule.h"

#include "rules/five.h"
#include "rules/probes.h"

namespace narabe {

namespace {

// Fills the gap point beyond the run on side `d` (distance run + 1, known to be an empty
// point of the board because the end cell there is EMPTY), takes that side's run and end
// cell again, and puts the gap back. True when the filled line holds exactly `target`
// stones and is open beyond its far end.
bool gapMakesShape(Grid& board, int x, int y, Code stone, Dir d, int run, int otherRun,
                   int target) {
    const Step s = step(d);
    const int gx = x + (run + 1) * s.dx;
    const int gy = y + (run + 1) * s.dy;
    const Code saved = board(gx, gy);
    board(gx, gy) = stone;
    const int filledRun = runLength(board, stone, x, y, d);
    const Code filledEnd = endCell(board, stone, x, y, d);
    board(gx, gy) = saved;
    return filledRun == target - 1 - otherRun && filledEnd == EMPTY;
}

} // namespace

int countLineShapes(Grid& board, int x, int y, Code stone, LineRule rule) {
    board(x, y) = stone;
    if (調査_5並び(board, stone, x, y) == YES) {
        board(x, y) = EMPTY;
        return NO;
    }
    const LineView view = probeAll(board, stone, x, y); // taken once, never refreshed
    int count = 0;
    for (const Axis& axis : RULE_AXES) {
        const int a = view.runOf(axis.first);
        const int b = view.runOf(axis.second);
        const bool openA = view.endOf(axis.first) == EMPTY;
        const bool openB = view.endOf(axis.second) == EMPTY;
        if (rule.bothEndsOpen ? !(openA && openB) : !(openA || openB)) continue;
        const int s = a + b;
        if (s == rule.target - 2) { // the straight shape: a four of 3 + 1, a three of 2 + 1
            ++count;
            continue;
        }
        if (s > rule.target - 2) continue; // longer lines are not this shape
        if (openA && gapMakesShape(board, x, y, stone, axis.first, a, b, rule.target)) {
            ++count;
            continue;
        }
        if (openB && gapMakesShape(board, x, y, stone, axis.second, b, a, rule.target)) ++count;
    }
    board(x, y) = EMPTY;
    return count > 1 ? YES : NO;
}

} // namespace narabe
