// The judgement of a move: may this side put a stone on this point? The one sequence of the
// rules that the window's press, the record reader, the match's referee and the marks of
// barred points all ask, and the two bars it is made of.
#pragma once

#include "rules/line_facts.h"
#include "state/board.h"

#include <cstdint>

namespace narabe {

enum class Verdict : std::uint8_t {
    ALLOWED,
    OFF_BOARD,    // not a point of the board
    OCCUPIED,     // a stone is there
    DOUBLE_THREE, // open threes on two or more lines and no five
    DOUBLE_FOUR,  // fours on two or more lines and no five
};

// The verdict on a stone of `side` on p, in this order: a point of the board, an empty one,
// not a double three, not a double four. A move that makes exactly five is never barred.
// Any whole numbers are accepted; the board is only read.
Verdict judgeMove(const Board& board, Point p, Stone side);

// The bar alone, from the facts of the point's lines already read for the side: DOUBLE_THREE,
// DOUBLE_FOUR or ALLOWED, the double three first.
Verdict barOf(const PointFacts& facts);

// Whether a verdict is one of the two bars.
constexpr bool isBarred(Verdict v) {
    return v == Verdict::DOUBLE_THREE || v == Verdict::DOUBLE_FOUR;
}

// The double-four bar: true when a stone of `stone` on the empty point p makes a four on two
// or more axes and does not make exactly five. A four is four in a row through the point with
// an end open, or a run that filling one gap beyond an open end joins into exactly five with
// an open far end; an axis counts once.
bool isDoubleFour(const Board& board, Point p, Stone stone);

// The double-three bar: true when a stone of `stone` on the empty point p makes an open three
// on two or more axes and does not make exactly five. An open three has both ends of the run
// through the point open and is three in a row, or a run that filling one gap joins into
// exactly four with an open far end; an axis counts once.
bool isDoubleThree(const Board& board, Point p, Stone stone);

} // namespace narabe
