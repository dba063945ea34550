// The one-point evaluation: read the four lines through the point as the computer's stone
// and as the human's would make them, and let the first pattern of a fixed priority list
// decide.
#include "computer/scoring.h"

#include <array>

namespace narabe {

namespace {

enum class Side { Computer, Human };

// One row of the priority list: a line of the given fact for `side` scores `score`. The
// rows are tested in this order, each over all four lines. The run sum counts the side's
// stones next to the point: 4 is exactly five in a row with it, 3 a four, 2 a three.
struct Pattern {
    Side side;
    LineFact fact;
    double score;
};

constexpr std::array<Pattern, 8> PATTERNS = {{
    {Side::Computer, FIVE, 1000},      // the computer completes exactly five
    {Side::Human, FIVE, 900},          // the human would complete exactly five: block it
    {Side::Computer, RUN3_OPEN2, 800}, // the computer's open four
    {Side::Human, RUN3_OPEN2, 700},    // the human's open four
    {Side::Computer, RUN3_OPEN1, 500}, // the computer's four, at least one end open
    {Side::Computer, RUN2_OPEN2, 400}, // the computer's open three
    {Side::Human, RUN2_OPEN2, 300},    // the human's open three
    {Side::Human, RUN3, 500},          // the human's four, open or closed
}};

} // namespace

double scoreWithFacts(const State& st, int x, int y, const PointFacts& computer, Stone human) {
    const double bonus = st.CentreBonus(x, y);
    if (st.NearFlag(x, y) == NO) return bonus;
    const PointFacts humanFacts = pointFacts(st.Board, x, y, human);
    for (const Pattern& p : PATTERNS)
        if ((p.side == Side::Computer ? computer : humanFacts).any(p.fact)) return p.score;
    return bonus;
}

double 調査_得点(const State& st, int x, int y) {
    if (st.NearFlag(x, y) == NO) return st.CentreBonus(x, y);
    return scoreWithFacts(st, x, y, pointFacts(st.Board, x, y, st.ComStone), st.ManStone);
}

} // namespace narabe
