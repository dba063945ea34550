// The referee: the game's own judgement of a move and its five, on the match's board.
#include "adapters/match/referee.h"

#include "rules/five.h"
#include "rules/judge.h"

namespace narabe {

std::string_view verdictText(Verdict v) {
    switch (v) {
    case Verdict::ALLOWED:
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
    return judgeMove(board_, p, side);
}

bool Referee::play(Point p, Stone side) {
    board_(p) = cellOf(side);
    return makesFive(board_, side, p);
}

bool Referee::canMove(Stone side) const {
    bool found = false;
    forEachPoint([&](int x, int y) {
        if (!found && judge({x, y}, side) == Verdict::ALLOWED) found = true;
    });
    return found;
}

} // namespace narabe
