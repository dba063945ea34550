// The table of line facts and reading a point's lines into it.
#include "rules/line_facts.h"

#include "rules/five.h"

#include <cstddef>

namespace narabe {

namespace {

// The cells read on each side of the point.
constexpr int WINDOW = LINE_REACH;
// What a cell holds, seen from one side.
using Digit = LineDigit;
constexpr Digit OPEN = LINE_OPEN;
constexpr Digit OWN = LINE_OWN;
constexpr Digit SHUT = LINE_SHUT;
constexpr std::size_t DIGITS = 3;
// The different cells of one side (3^WINDOW), and of a whole line.
constexpr std::size_t SIDE_COUNT = 243;
constexpr std::size_t LINE_COUNT = LINE_CODES;

// One line of the table: the cells at distances 1..WINDOW on the first side, then on the
// second. Beyond the window a line is taken as shut; no fact depends on what lies there.
struct Line {
    static constexpr std::size_t CELLS = 2 * static_cast<std::size_t>(WINDOW);
    std::array<Digit, CELLS> cells{};

    [[nodiscard]] constexpr Digit at(int side, int distance) const {
        if (distance > WINDOW) return SHUT;
        return cells[static_cast<std::size_t>(side * WINDOW + distance - 1)];
    }
    // The side's own stones in an unbroken run from `distance` outwards.
    [[nodiscard]] constexpr int run(int side, int distance = 1) const {
        int n = 0;
        while (at(side, distance + n) == OWN)
            ++n;
        return n;
    }
    // Whether the cell just beyond a run of `run` stones is an empty point.
    [[nodiscard]] constexpr bool openAfter(int side, int run) const {
        return at(side, run + 1) == OPEN;
    }
};

static_assert(SIDE_COUNT == DIGITS * DIGITS * DIGITS * DIGITS * DIGITS);
static_assert(LINE_COUNT == SIDE_COUNT * SIDE_COUNT);

constexpr Line lineOf(std::size_t index) {
    Line l;
    for (Digit& d : l.cells) {
        d = static_cast<Digit>(index % DIGITS);
        index /= DIGITS;
    }
    return l;
}

// Filling the empty point beyond the run on `side` and taking that side's run again: true
// when the filled line holds exactly `target` stones and its far end is open.
constexpr bool gapMakes(const Line& l, int side, int run, int otherRun, int target) {
    const int filled = run + 1 + l.run(side, run + 2);
    return filled == target - 1 - otherRun && l.openAfter(side, filled);
}

// The shape a rule counts on one line: the gate on the open ends, then the straight shape of
// `target` - 1 stones, or a gap on either open side that makes `target` stones.
constexpr bool shapeOn(const Line& l, int target, bool bothEndsOpen) {
    const int a = l.run(0);
    const int b = l.run(1);
    const bool openA = l.openAfter(0, a);
    const bool openB = l.openAfter(1, b);
    if (bothEndsOpen ? !(openA && openB) : !(openA || openB)) return false;
    const int straight = target - 2;
    if (a + b == straight) return true;
    if (a + b > straight) return false;
    return (openA && gapMakes(l, 0, a, b, target)) || (openB && gapMakes(l, 1, b, a, target));
}

constexpr LineFacts factsOf(const Line& l) {
    const int a = l.run(0);
    const int b = l.run(1);
    const int runSum = a + b;
    const int openEnds = (l.openAfter(0, a) ? 1 : 0) + (l.openAfter(1, b) ? 1 : 0);
    LineFacts facts = 0;
    const auto add = [&facts](bool holds, LineFact f) {
        if (holds) facts |= static_cast<LineFacts>(f);
    };
    add(runSum + 1 == FIVE_STONES, LineFact::FIVE);
    add(shapeOn(l, FIVE_STONES, false), LineFact::BAR_FOUR);
    add(shapeOn(l, FIVE_STONES - 1, true), LineFact::BAR_THREE);
    add(runSum == 3, LineFact::RUN3);
    add(runSum == 3 && openEnds >= 1, LineFact::RUN3_OPEN1);
    add(runSum == 3 && openEnds == 2, LineFact::RUN3_OPEN2);
    add(runSum == 2 && openEnds == 2, LineFact::RUN2_OPEN2);
    return facts;
}

constexpr std::array<LineFacts, LINE_COUNT> makeTable() {
    std::array<LineFacts, LINE_COUNT> table{};
    for (std::size_t i = 0; i < LINE_COUNT; ++i)
        table[i] = factsOf(lineOf(i));
    return table;
}

// The table, worked out on first use (about a millisecond).
const std::array<LineFacts, LINE_COUNT>& factsTable() {
    static const std::array<LineFacts, LINE_COUNT> table = makeTable();
    return table;
}

// The digit of every cell code, seen from each side: [BLACK's view, WHITE's view][code].
constexpr std::array<std::array<Digit, 256>, 2> makeDigits() {
    std::array<std::array<Digit, 256>, 2> digits{};
    for (auto& view : digits)
        view.fill(SHUT);
    for (auto& view : digits)
        view[static_cast<std::uint8_t>(Cell::EMPTY)] = OPEN;
    digits[0][static_cast<std::uint8_t>(Cell::BLACK)] = OWN;
    digits[1][static_cast<std::uint8_t>(Cell::WHITE)] = OWN;
    return digits;
}

constexpr std::array<std::array<Digit, 256>, 2> DIGITS_BY_SIDE = makeDigits();

// The four lines through a point as steps in the board's storage; each line is read from
// the point outwards, first along the step and then against it.
constexpr std::array<std::ptrdiff_t, 4> makeLineSteps() {
    std::array<std::ptrdiff_t, 4> steps{};
    for (std::size_t i = 0; i < steps.size(); ++i)
        steps[i] = Board::X_STEP * step(LINE_DIRS[i]).dx + Board::Y_STEP * step(LINE_DIRS[i]).dy;
    return steps;
}
constexpr std::array<std::ptrdiff_t, 4> LINE_STEPS = makeLineSteps();

} // namespace

std::array<LineCode, 4> lineCodes(const Board& board, Point p, Stone stone) {
    const std::array<Digit, 256>& digit = DIGITS_BY_SIDE[stone == BLACK ? 0 : 1];
    const Cell* at = board.at(p);
    // The digits of one side, nearest cell lowest, as a number in base 3.
    const auto side = [&](std::ptrdiff_t s) {
        LineCode code = 0;
        for (std::ptrdiff_t k = WINDOW; k >= 1; --k)
            code = code * 3 + digit[static_cast<std::uint8_t>(at[k * s])];
        return code;
    };
    std::array<LineCode, 4> codes{};
    for (std::size_t i = 0; i < LINE_STEPS.size(); ++i)
        codes[i] = side(LINE_STEPS[i]) + static_cast<LineCode>(SIDE_COUNT) * side(-LINE_STEPS[i]);
    return codes;
}

LineFacts lineFacts(LineCode code) {
    return factsTable()[code];
}

PointFacts pointFacts(const Board& board, Point p, Stone stone) {
    const std::array<LineFacts, LINE_COUNT>& table = factsTable();
    const std::array<LineCode, 4> codes = lineCodes(board, p, stone);
    PointFacts facts;
    for (std::size_t i = 0; i < codes.size(); ++i)
        facts.lines[i] = table[codes[i]];
    return facts;
}

} // namespace narabe
