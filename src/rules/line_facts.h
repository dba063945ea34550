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

#include "state/types.h"

#include <array>
#include <cstdint>

namespace narabe {

// The facts of one line through the point, with the side's stone on the point. The run sum
// counts the side's stones next to the point on both sides; the ends of the run are open when
// the cells just beyond them are empty points.
enum LineFact : std::uint8_t {
    FIVE = 1 << 0,       // exactly five in a row (a run sum of 4)
    FOUR = 1 << 1,       // a four as the double-four rule counts it
    THREE = 1 << 2,      // an open three as the double-three rule counts it
    RUN3 = 1 << 3,       // a run sum of 3
    RUN3_OPEN1 = 1 << 4, // a run sum of 3 with at least one end open
    RUN3_OPEN2 = 1 << 5, // a run sum of 3 with both ends open
    RUN2_OPEN2 = 1 << 6, // a run sum of 2 with both ends open
};

// The facts of the four lines through a point for one side.
struct PointFacts {
    std::array<std::uint8_t, 4> lines{};

    // Whether any line has the fact.
    [[nodiscard]] bool any(LineFact f) const {
        return ((lines[0] | lines[1] | lines[2] | lines[3]) & f) != 0;
    }
    // How many lines have the fact.
    [[nodiscard]] int count(LineFact f) const {
        int n = 0;
        for (const std::uint8_t l : lines)
            n += (l & f) != 0 ? 1 : 0;
        return n;
    }
    // The double-four and double-three rules: shapes on two or more lines, and no five.
    [[nodiscard]] bool doubleFour() const { return !any(FIVE) && count(FOUR) > 1; }
    [[nodiscard]] bool doubleThree() const { return !any(FIVE) && count(THREE) > 1; }
};

// The facts of the four lines through (x, y), x and y in 1..19, for `stone`. Only reads the
// board, and not the point itself.
PointFacts pointFacts(const Grid& board, int x, int y, Stone stone);

} // namespace narabe
