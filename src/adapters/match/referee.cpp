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

Referee::Referee() {
    clearForNewGame(st_, [](int, int) {});
}

Verdict Referee::judge(ProtocolPoint p, Stone side) {
    if (!onProtocolBoard(p)) return Verdict::OFF_BOARD;
    const int x = p.x + FIRST_POINT;
    const int y = p.y + FIRST_POINT;
    if (st_.調査_置けるか(x, y) == NO) return Verdict::OCCUPIED;
    if (調査_三三(st_.Board, x, y, side) == YES) return Verdict::DOUBLE_THREE;
    if (調査_四四(st_.Board, x, y, side) == YES) return Verdict::DOUBLE_FOUR;
    return Verdict::LEGAL;
}

bool Referee::play(ProtocolPoint p, Stone side) {
    const int x = p.x + FIRST_POINT;
    const int y = p.y + FIRST_POINT;
    st_.Board(x, y) = cellOf(side);
    return 調査_5並び(st_.Board, side, x, y) == YES;
}

bool Referee::canMove(Stone side) {
    bool found = false;
    forEachPoint([&](int x, int y) {
        if (!found && judge(protocolPoint(x, y), side) == Verdict::LEGAL) found = true;
    });
    return found;
}

} // namespace narabe
