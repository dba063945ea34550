// The table of line shapes and the tallies of what they are worth. Fives and five points are
// counted directly from the code; every weaker shape is the best that one more stone within
// four cells of the point leads to, two steps down.
#include "computer/search/shapes.h"

#include <algorithm>
#include <array>
#include <vector>

namespace narabe {

namespace {

// A five through the point lies within this distance of it.
constexpr int FIVE_REACH = 4;

// The digit of the code that holds the cell `offset` cells from the point along the step.
constexpr int digitOf(int offset) {
    return offset > 0 ? offset - 1 : LINE_REACH - offset - 1;
}

constexpr LineCode powerOf3(int n) {
    LineCode p = 1;
    for (int i = 0; i < n; ++i)
        p *= 3;
    return p;
}

constexpr LineDigit digitAt(LineCode code, int offset) {
    return static_cast<LineDigit>(code / powerOf3(digitOf(offset)) % 3);
}

// The code with the empty cell at `offset` holding the side's stone.
constexpr LineCode withStone(LineCode code, int offset) {
    return code + powerOf3(digitOf(offset)) * LINE_OWN;
}

// Whether the side's stone on the point makes exactly five on the line, as the rules judge it.
bool lineMakesFive(LineCode code) {
    return holds(lineFacts(code), LineFact::FIVE);
}

class ShapeTable {
  public:
    ShapeTable() : shapes_(LINE_CODES), known_(LINE_CODES, false) {
        for (LineCode code = 0; code < LINE_CODES; ++code)
            shapeOf(code);
    }
    [[nodiscard]] const std::vector<LineShape>& shapes() const { return shapes_; }

  private:
    LineShape shapeOf(LineCode code) {
        if (!known_[code]) {
            shapes_[code] = work(code);
            known_[code] = true;
        }
        return shapes_[code];
    }

    LineShape work(LineCode code) {
        if (lineMakesFive(code)) return {Shape::FIVE, 0};
        int fivePoints = 0;
        int fiveAt = 0;
        int best = 0;
        for (int offset = -FIVE_REACH; offset <= FIVE_REACH; ++offset) {
            if (offset == 0 || digitAt(code, offset) != LINE_OPEN) continue;
            const LineCode more = withStone(code, offset);
            if (lineMakesFive(more)) {
                ++fivePoints;
                fiveAt = offset;
            }
            // One stone further from a shape is two steps below it: a FOUR is a THREE away.
            best = std::max(best, static_cast<int>(shapeOf(more).shape) - 2);
        }
        if (fivePoints >= 2) return {Shape::OPEN_FOUR, 0};
        if (fivePoints == 1) return {Shape::FOUR, static_cast<std::int8_t>(fiveAt)};
        return {static_cast<Shape>(best), 0};
    }

    std::vector<LineShape> shapes_;
    std::vector<bool> known_;
};

static_assert(powerOf3(2 * LINE_REACH) == LINE_CODES);

// What a line shape is worth to the side that makes it, weakest to strongest.
constexpr std::array<std::int32_t, SHAPE_COUNT> SHAPE_VALUE = {
    0,      // NONE
    1,      // ONE
    4,      // OPEN_ONE
    8,      // TWO
    30,     // OPEN_TWO
    35,     // THREE
    150,    // OPEN_THREE
    180,    // FOUR
    8000,   // OPEN_FOUR
    100000, // FIVE
};

} // namespace

const std::vector<LineShape>& lineShapes() {
    static const ShapeTable table;
    return table.shapes();
}

Sight sightOf(const std::array<LineCode, 4>& codes) {
    const std::vector<LineShape>& shapes = lineShapes();
    Sight v;
    for (std::size_t i = 0; i < codes.size(); ++i)
        v.lines[i] = shapes[codes[i]];
    return v;
}

const std::vector<LineTally>& lineTallies() {
    static const std::vector<LineTally> tallies = [] {
        const std::vector<LineShape>& shapes = lineShapes();
        std::vector<LineTally> t(LINE_CODES);
        for (LineCode code = 0; code < LINE_CODES; ++code) {
            const LineShape& l = shapes[code];
            const LineFacts facts = lineFacts(code);
            const auto bit = [](bool b) { return b ? LineTally{1} : LineTally{0}; };
            t[code] = bit(l.shape == Shape::FIVE) << tally::FIVES |
                      bit(l.shape == Shape::FOUR || l.shape == Shape::OPEN_FOUR) << tally::FOURS |
                      bit(l.shape == Shape::OPEN_FOUR) << tally::OPEN_FOURS |
                      bit(l.shape == Shape::OPEN_THREE) << tally::OPEN_THREES |
                      bit(holds(facts, LineFact::FIVE)) << tally::RULE_FIVES |
                      bit(holds(facts, LineFact::BAR_FOUR)) << tally::BAR_FOURS |
                      bit(holds(facts, LineFact::BAR_THREE)) << tally::BAR_THREES |
                      static_cast<LineTally>(SHAPE_VALUE[static_cast<std::size_t>(l.shape)])
                          << tally::VALUE;
        }
        return t;
    }();
    return tallies;
}

} // namespace narabe
