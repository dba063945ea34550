// What the four lines through a point show for one side, as if its stone stood on the point.
//
// Every rule and the computer's scoring depend on a line through a point only through the
// five cells on each side of it: what they hold decides the runs of stones next to the point,
// the cells at their ends, and what filling a gap beyond an end would make (a run reaching
// further than five cells is too long for any shape the game looks for). So each line is
// read as ten cells, each of them the side's own stone, an empty point, or neither (the other
// side's stone, or no point of the board), and the facts of all 3^10 such lines are worked
// out into a table on first use.
#pragma once

#include "rules/directions.h"
#include "state/board.h"

#include <array>
#include <cstdint>

namespace narabe {

// The facts of one line through the point, with the side's stone on the point, as bits of a
// LineFacts. The run sum counts the side's stones next to the point on both sides; the ends
// of the run are open when the cells just beyond them are empty points.
enum class LineFact : std::uint8_t {
    FIVE = 1 << 0,       // exactly five in a row (a run sum of 4)
    BAR_FOUR = 1 << 1,   // a four as the double-four bar counts it
    BAR_THREE = 1 << 2,  // an open three as the double-three bar counts it
    RUN3 = 1 << 3,       // a run sum of 3
    RUN3_OPEN1 = 1 << 4, // a run sum of 3 with at least one end open
    RUN3_OPEN2 = 1 << 5, // a run sum of 3 with both ends open
    RUN2_OPEN2 = 1 << 6, // a run sum of 2 with both ends open
};

// The facts of one line, one bit a fact.
using LineFacts = std::uint8_t;

constexpr bool holds(LineFacts facts, LineFact f) {
    return (facts & static_cast<LineFacts>(f)) != 0;
}

// The double-four and double-three bar, from how many lines through the point make five, the
// bar's four and the bar's open three: shapes on two or more lines, and no five.
constexpr bool barsDoubleFour(int fives, int fours) {
    return fives == 0 && fours > 1;
}
constexpr bool barsDoubleThree(int fives, int threes) {
    return fives == 0 && threes > 1;
}

// The facts of the four lines through a point for one side.
struct PointFacts {
    std::array<LineFacts, 4> lines{};

    // Whether any line has the fact.
    [[nodiscard]] bool any(LineFact f) const {
        return holds(static_cast<LineFacts>(lines[0] | lines[1] | lines[2] | lines[3]), f);
    }
    // How many lines have the fact.
    [[nodiscard]] int count(LineFact f) const {
        int n = 0;
        for (const LineFacts l : lines)
            n += holds(l, f) ? 1 : 0;
        return n;
    }
    [[nodiscard]] bool doubleFour() const {
        return barsDoubleFour(count(LineFact::FIVE), count(LineFact::BAR_FOUR));
    }
    [[nodiscard]] bool doubleThree() const {
        return barsDoubleThree(count(LineFact::FIVE), count(LineFact::BAR_THREE));
    }
};

// One line through a point as a side sees it, the number every table of lines is indexed by:
// the cells at distances 1..LINE_REACH along the line's step and then against it, each an
// empty point (LINE_OPEN), the side's stone (LINE_OWN) or neither (LINE_SHUT), as the digits
// of a number in base 3. The cell at distance k along the step is digit k - 1, the cell at
// distance k against it digit LINE_REACH + k - 1.
using LineCode = std::uint32_t;
inline constexpr int LINE_REACH = 5;
inline constexpr LineCode LINE_CODES = 59049; // 3^(2 * LINE_REACH)
enum LineDigit : std::uint8_t { LINE_OPEN = 0, LINE_OWN = 1, LINE_SHUT = 2 };

// The four lines through a point, each by the direction of its step: horizontal, vertical,
// falling and rising diagonal.
inline constexpr std::array<Direction, 4> LINE_DIRS = {Direction::RIGHT, Direction::DOWN,
                                                       Direction::DOWN_RIGHT, Direction::UP_RIGHT};

// The codes of the four lines through p, a point of the board, for `stone`, in the order of
// LINE_DIRS. Only reads the board, and not the point itself.
std::array<LineCode, 4> lineCodes(const Board& board, Point p, Stone stone);

// The facts of one line, with the side's stone on the point.
LineFacts lineFacts(LineCode code);

// The facts of the four lines through p, a point of the board, for `stone`. Only reads the
// board, and not the point itself.
PointFacts pointFacts(const Board& board, Point p, Stone stone);

} // namespace narabe
