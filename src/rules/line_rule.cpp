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
bool gapMakesShape(Grid& board, int x, int y, Stone stone, Dir d, int run, int otherRun,
                   int target) {
    const Step s = step(d);
    const TrialStone gap(board, x + (run + 1) * s.dx, y + (run + 1) * s.dy, stone);
    const int filledRun = runLength(board, stone, x, y, d);
    const Cell filledEnd = endCell(board, stone, x, y, d);
    return filledRun == target - 1 - otherRun && filledEnd == EMPTY;
}

} // namespace

Truth countLineShapes(Grid& board, int x, int y, Stone stone, LineRule rule) {
    const TrialStone trial(board, x, y, stone, EMPTY);
    if (調査_5並び(board, stone, x, y) == YES) return NO;
    const LineView view = probeAll(board, stone, x, y); // taken once, never refreshed
    // The straight shape: a four of 3 + 1 stones, a three of 2 + 1.
    const int straight = rule.target - 2;
    int count = 0;
    for (const Axis& axis : RULE_AXES) {
        const int a = view.runOf(axis.first);
        const int b = view.runOf(axis.second);
        const bool openA = view.endOf(axis.first) == EMPTY;
        const bool openB = view.endOf(axis.second) == EMPTY;
        if (rule.bothEndsOpen ? !(openA && openB) : !(openA || openB)) continue;
        const int s = a + b;
        if (s == straight) {
            ++count;
            continue;
        }
        if (s > straight) continue; // longer lines are not this shape
        if (openA && gapMakesShape(board, x, y, stone, axis.first, a, b, rule.target)) {
            ++count;
            continue;
        }
        if (openB && gapMakesShape(board, x, y, stone, axis.second, b, a, rule.target)) ++count;
    }
    return count > 1 ? YES : NO;
}

} // namespace narabe
