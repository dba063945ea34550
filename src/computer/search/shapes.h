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

    bool operator==(const LineShape&) const = default;
};

// The shape of every line code, with the side's stone on the point.
const std::vector<LineShape>& lineShapes();

// What one side would make by playing a point: the shape of each of the four lines through
// it, in the order of LINE_DIRS.
struct Sight {
    std::array<LineShape, 4> lines{};
};

// The sight of the four lines with these codes.
Sight sightOf(const std::array<LineCode, 4>& codes);

// What a point is worth to a side, in brief, read off the tallies of its four lines.
struct Prospect {
    std::int32_t value = 0;      // how much the side gains by playing there (0: not allowed)
    std::uint8_t fours = 0;      // lines on which it would leave a point that makes five
    std::uint8_t openThrees = 0; // lines on which it would make an open three
    bool five = false;           // it makes five
    bool allowed = false;        // the rules let the side play there
    // It leaves two or more points that make five, so the other side can stop only one.
    bool winningFour = false;

    bool operator==(const Prospect&) const = default;
};

// What each line code adds to a prospect, its shape's and the rules' facts together, packed so
// that the four lines of a point are summed at once: see prospectOf.
using LineTally = std::uint64_t;
const std::vector<LineTally>& lineTallies();

namespace tally {

// The fields of a line tally, so that the tallies of four lines add up: counts of three bits
// (four lines make at most 4), then the value of the shape.
inline constexpr int FIVES = 0;
inline constexpr int FOURS = 3;
inline constexpr int OPEN_FOURS = 6;
inline constexpr int OPEN_THREES = 9;
inline constexpr int RULE_FIVES = 12;
inline constexpr int BAR_FOURS = 15;
inline constexpr int BAR_THREES = 18;
inline constexpr int VALUE = 21;
inline constexpr LineTally FIELD = 7;

// What shapes on two lines at once add to a point's value: the other side cannot answer both.
inline constexpr std::int32_t FOUR_THREE = 3000;
inline constexpr std::int32_t DOUBLE_THREE = 1500;
inline constexpr std::int32_t DOUBLE_FOUR = 8000;

} // namespace tally

// The prospect of a point from the sum of the tallies of its four lines; inline, as the
// search reads it for both sides of every candidate of every position.
inline Prospect prospectOf(LineTally sum) {
    const auto field = [sum](int at) { return static_cast<int>((sum >> at) & tally::FIELD); };
    const int fours = field(tally::FOURS);
    const int openThrees = field(tally::OPEN_THREES);
    Prospect p;
    // The double-four and double-three bar of the rules, from the rules' own facts.
    const int ruleFives = field(tally::RULE_FIVES);
    p.allowed = !barsDoubleFour(ruleFives, field(tally::BAR_FOURS)) &&
                !barsDoubleThree(ruleFives, field(tally::BAR_THREES));
    p.five = field(tally::FIVES) > 0;
    p.fours = static_cast<std::uint8_t>(fours);
    p.openThrees = static_cast<std::uint8_t>(openThrees);
    p.winningFour = p.allowed && (field(tally::OPEN_FOURS) > 0 || fours > 1);
    if (!p.allowed) return p;
    p.value = static_cast<std::int32_t>(sum >> tally::VALUE);
    if (fours >= 2)
        p.value += tally::DOUBLE_FOUR;
    else if (fours == 1 && openThrees >= 1)
        p.value += tally::FOUR_THREE;
    else if (openThrees >= 2)
        p.value += tally::DOUBLE_THREE;
    return p;
}

} // namespace narabe
