// Compiled by the layering test: the rules' checks and the board's queries are callable with
// a read-only board, and a read-only board hands out read-only cells, so that nothing in
// rules/ or state/ can write through a board it was given to read.
#include "rules/five.h"
#include "rules/judge.h"
#include "rules/line_facts.h"
#include "state/board.h"

#include <type_traits>
#include <utility>

namespace narabe {

static_assert(requires(const Board& b, Point p, Stone s, Cell c, Direction d) {
    judgeMove(b, p, s);
    isDoubleThree(b, p, s);
    isDoubleFour(b, p, s);
    fiveThrough(b, s, p);
    makesFive(b, s, p);
    runLength(b, c, p, d);
    runLength(b, s, p, d);
    pointFacts(b, p, s);
    lineCodes(b, p, s);
    isFreePoint(b, p);
    b.at(p);
});

static_assert(std::is_same_v<decltype(std::declval<const Board&>()(Point{})), const Cell&>);
static_assert(std::is_same_v<decltype(std::declval<const Board&>()(1, 1)), const Cell&>);
static_assert(std::is_same_v<decltype(std::declval<const Board&>().at(Point{})), const Cell*>);

} // namespace narabe
