// The match's referee: the game's own board and rule checks judge every move an engine
// plays.
#pragma once

#include "rules/judge.h"
#include "state/board.h"

#include <string_view>

namespace narabe {

// The verdict as the match's notes say it: "a double three".
std::string_view verdictText(Verdict v);

class Referee {
  public:
    // Whether `side` may play p, checked as a person's move in the game is.
    [[nodiscard]] Verdict judge(Point p, Stone side) const;
    // Plays a move that judge() allowed; true when it makes exactly five.
    bool play(Point p, Stone side);
    // Whether some point is left that the rules allow `side`.
    [[nodiscard]] bool canMove(Stone side) const;

    [[nodiscard]] const Board& board() const { return board_; }

  private:
    Board board_ = emptyBoard();
};

} // namespace narabe
