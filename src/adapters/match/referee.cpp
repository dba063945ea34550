// The referee's checks: the ones a person's move in the game goes through, in their order.
#include "adapters/match/referee.h"

#include "rules/double_four.h"
#include "rules/double_three.h"
#include "rules/five.h"

namespace narabe {

std::string_view verdictText(Verdict v) {
    switch (v) {
    case Verdict::LEGAL:
        return "allowed";
    case Verdict::OFF_BOARD:
        return "off the board";
    case Verdict::OCCUPIED:
        return "occupied";
    case Verdict::DOUBLE_THREE:
        return "a double three";
    case Verdict::DOUBLE_FOUR:
        return "a double four";
    }
    return "?";
}

Verdict Referee::judge(Point p, Stone side) const {
    if (!onBoard(p)) return Verdict::OFF_BOARD;
    if (!isFreePoint(board_, p)) return Verdict::OCCUPIED;
    if (isDoubleThree(board_, p, side)) return Verdict::DOUBLE_THREE;
    if (isDoubleFour(board_, p, side)) return Verdict::DOUBLE_FOUR;
    return Verdict::LEGAL;
}

bool Referee::play(Point p, Stone side) {
    board_(p) = cellOf(side);
    return makesFive(board_, side, p);
}

bool Referee::canMove(Stone side) const {
    bool found = false;
    forEachPoint([&](int x, int y) {
        if (!found && judge({x, y}, side) == Verdict::LEGAL) found = true;
    });
    return found;
}

} // namespace narabe
