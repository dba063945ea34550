// The one-point evaluation: read the four lines through the point as the computer's stone
// and as the human's would make them, and let the first pattern of a fixed priority list
// decide.
#include "computer/scan/scoring.h"

#include <array>

namespace narabe {

namespace {

// The block of points that earns the positional bonus: 9..12 on both axes, which reaches
// one point beyond the middle point (10, 10) up and left and two down and right.
constexpr int BONUS_FIRST = 9;
constexpr int BONUS_LAST = 12;
constexpr double CENTRE_BONUS = 0.1;

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
    {Side::Computer, LineFact::FIVE, 1000},      // the computer completes exactly five
    {Side::Human, LineFact::FIVE, 900},          // the human would complete exactly five
    {Side::Computer, LineFact::RUN3_OPEN2, 800}, // the computer's open four
    {Side::Human, LineFact::RUN3_OPEN2, 700},    // the human's open four
    {Side::Computer, LineFact::RUN3_OPEN1, 500}, // the computer's four, at least one end open
    {Side::Computer, LineFact::RUN2_OPEN2, 400}, // the computer's open three
    {Side::Human, LineFact::RUN2_OPEN2, 300},    // the human's open three
    {Side::Human, LineFact::RUN3, 500},          // the human's four, open or closed
}};

} // namespace

double centreBonus(Point p) {
    const bool inBlock =
        p.x >= BONUS_FIRST && p.x <= BONUS_LAST && p.y >= BONUS_FIRST && p.y <= BONUS_LAST;
    return inBlock ? CENTRE_BONUS : 0.0;
}

double scoreWithFacts(const Board& board, const NearPoints& near, Point p,
                      const PointFacts& computer, Stone human) {
    const double bonus = centreBonus(p);
    if (!near(p)) return bonus;
    const PointFacts humanFacts = pointFacts(board, p, human);
    for (const Pattern& pattern : PATTERNS)
        if ((pattern.side == Side::Computer ? computer : humanFacts).any(pattern.fact))
            return pattern.score;
    return bonus;
}

} // namespace narabe
