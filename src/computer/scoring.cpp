// The one-point evaluation: put the computer's stone, then the human's, on the point, read
// the four lines through it, and let the first pattern of a fixed priority list decide.
#include "computer/scoring.h"

#include "rules/probes.h"

#include <array>

namespace narabe {

namespace {

// What one line through the candidate looks like for one side, the candidate's stone
// placed: the stones in an unbroken run with it (itself not counted) and the open ends.
struct LineShape {
    int runSum;
    int openEnds; // 0, 1 or 2: end cells that are EMPTY
};

using Lines = std::array<LineShape, AXES.size()>;

Lines readLines(const LineView& v) {
    Lines lines{};
    for (std::size_t i = 0; i < AXES.size(); ++i) {
        const Axis& a = AXES[i];
        lines[i].runSum = v.runOf(a.first) + v.runOf(a.second);
        lines[i].openEnds =
            (v.endOf(a.first) == EMPTY ? 1 : 0) + (v.endOf(a.second) == EMPTY ? 1 : 0);
    }
    return lines;
}

enum class Side { Computer, Human };

// One row of the priority list: a line of `runSum` for `side` with at least `minOpenEnds`
// open ends scores `score`. The rows are tested in this order, each over all four lines.
// A run sum of 4 is exactly five in a row with the candidate, 3 a four, 2 a three.
struct Pattern {
    Side side;
    int runSum;
    int minOpenEnds;
    double score;
};

constexpr std::array<Pattern, 8> PATTERNS = {{
    {Side::Computer, 4, 0, 1000}, // the computer completes exactly five
    {Side::Human, 4, 0, 900},     // the human would complete exactly five: block it
    {Side::Computer, 3, 2, 800},  // the computer's open four
    {Side::Human, 3, 2, 700},     // the human's open four
    {Side::Computer, 3, 1, 500},  // the computer's four, at least one end open
    {Side::Computer, 2, 2, 400},  // the computer's open three
    {Side::Human, 2, 2, 300},     // the human's open three
    {Side::Human, 3, 0, 500},     // the human's four, open or closed
}};

bool holdsOnSomeLine(const Pattern& p, const Lines& lines) {
    for (const LineShape& l : lines)
        if (l.runSum == p.runSum && l.openEnds >= p.minOpenEnds) return true;
    return false;
}

} // namespace

double 調査_得点(const State& st, int x, int y) {
    const double bonus = st.CentreBonus(x, y);
    if (st.NearFlag(x, y) == NO) return bonus;

    const Lines com = readLines(probeAllPlaced(st.Board, st.ComStone, x, y));
    const Lines man = readLines(probeAllPlaced(st.Board, st.ManStone, x, y));

    for (const Pattern& p : PATTERNS)
        if (holdsOnSomeLine(p, p.side == Side::Computer ? com : man)) return p.score;
    return bonus;
}

} // namespace narabe
