// What a stone on a point makes of one line through it, for the searching computer: a five,
// a four (one point that would then make five, or two), or how many more stones it is from a
// four, worked out once for every line code the rules read (the five cells on each side).
//
// Only fives that take in the point itself count, so a shape says what the stone adds. The
// fives are exact, six or more in a row being none; the rules' double-three and double-four
// bar is another matter, read from the rules' own facts of the same lines.
#pragma once

#include "rules/line_facts.h"

#include <array>
#include <cstdint>
#include <vector>

namespace narabe {

// In rising order of strength. An "open" shape leads to two five points, a plain one to one.
enum class Shape : std::uint8_t {
    NONE,       // no five through the point can come of this line
    ONE,        // one more stone makes a TWO
    OPEN_ONE,   // one more stone makes an OPEN_TWO
    TWO,        // one more stone makes a THREE
    OPEN_TWO,   // one more stone makes an OPEN_THREE
    THREE,      // one more stone makes a FOUR
    OPEN_THREE, // one more stone makes an OPEN_FOUR
    FOUR,       // one empty point of the line would make five
    OPEN_FOUR,  // two or more would: the other side cannot stop both
    FIVE,       // exactly five in a row
};

inline constexpr int SHAPE_COUNT = 10;

struct LineShape {
    Shape shape = Shape::NONE;
    // For a FOUR: where its five point lies, in cells along the line's step (negative:
    // against it). 0 otherwise.
    std::int8_t fiveAt = 0;
    // The rules' facts of the same line (lineFacts), kept beside the shape so that one
    // look-up serves both.
    std::uint8_t ruleFacts = 0;

    bool operator==(const LineShape&) const = default;
};

// The shape of every line code, with the side's stone on the point.
const std::vector<LineShape>& lineShapes();

// What one side would make by playing a point: the shape of each of the four lines through
// it (in the order of LINE_DIRS), and whether the rules let it play there.
struct Sight {
    std::array<LineShape, 4> lines{};
    bool allowed = false;

    [[nodiscard]] int count(Shape s) const {
        int n = 0;
        for (const LineShape& l : lines)
            n += l.shape == s ? 1 : 0;
        return n;
    }
    [[nodiscard]] bool five() const { return count(Shape::FIVE) > 0; }
    // Lines on which the stone leaves a point that would make five.
    [[nodiscard]] int fours() const { return count(Shape::FOUR) + count(Shape::OPEN_FOUR); }
};

// The sight of the four lines with these codes.
Sight sightOf(const std::array<LineCode, 4>& codes);

// What a point is worth to a side, in brief: read for every point as the board changes.
struct Prospect {
    std::int32_t value = 0; // how much the side gains by playing there (0: not allowed)
    std::uint8_t fours = 0; // lines on which it would leave a point that makes five
    bool five = false;      // it makes five
    bool allowed = false;   // the rules let the side play there
    // It leaves two or more points that make five, so the other side can stop only one.
    bool winningFour = false;

    bool operator==(const Prospect&) const = default;
};

// What each line code adds to a prospect, packed so that the four lines of a point are summed
// at once: see prospectOf.
using LineTally = std::uint64_t;
const std::vector<LineTally>& lineTallies();

// The prospect of a point from the sum of the tallies of its four lines.
Prospect prospectOf(LineTally sum);

} // namespace narabe
