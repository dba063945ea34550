// The match's referee: the game's own state and rule checks judge every move an engine
// plays, in the protocol's points.
#pragma once

#include "adapters/brain/protocol_text.h"
#include "state/state.h"

#include <string_view>

namespace narabe {

enum class Verdict { LEGAL, OFF_BOARD, OCCUPIED, DOUBLE_THREE, DOUBLE_FOUR };

// The verdict as the match's notes say it: "a double three".
std::string_view verdictText(Verdict v);

class Referee {
  public:
    Referee();

    // Whether `side` may play p, checked as a person's move in the game is.
    [[nodiscard]] Verdict judge(ProtocolPoint p, Stone side);
    // Plays a move that judge() allowed; true when it makes exactly five.
    bool play(ProtocolPoint p, Stone side);
    // Whether some point is left that the rules allow `side`.
    [[nodiscard]] bool canMove(Stone side);

    [[nodiscard]] const Grid& board() const { return st_.Board; }

  private:
    State st_;
};

} // namespace narabe
