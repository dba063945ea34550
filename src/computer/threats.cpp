// Continuous fours: the attacker tries each four it may play; the defender has one answer,
// the point that would make five, unless the rules bar it there.
#include "computer/threats.h"

#include <optional>
#include <vector>

namespace narabe {

namespace {

class Fours {
  public:
    Fours(SearchBoard& board, Work& work)
        : board_(board), work_(work), attacker_(board.toMove()), defender_(otherStone(attacker_)) {}

    // The attacker to move, with no point that would make five for either side except
    // `mustStop` for the defender, which the attacker must take with a four.
    bool wins(std::optional<Spot> mustStop, int fours, Spot& first) {
        if (fours <= 0) return false;
        std::vector<Spot> moves;
        const auto isFour = [&](Spot s) {
            const Prospect a = board_.prospect(s, attacker_);
            return a.allowed && a.fours > 0;
        };
        if (mustStop) {
            if (isFour(*mustStop)) moves.push_back(*mustStop);
        } else {
            board_.forEachCandidate([&](Spot s) {
                if (isFour(s)) moves.push_back(s);
            });
        }
        // A four that leaves two five points wins at once; the others need their answers.
        for (const Spot at : moves) {
            if (board_.prospect(at, attacker_).winningFour) {
                first = at;
                return true;
            }
        }
        for (const Spot at : moves) {
            if (answerWins(at, fours)) {
                first = at;
                return true;
            }
            if (work_.spent()) return false;
        }
        return false;
    }

  private:
    // The attacker's four on `at`, with its one five point; the defender takes that point.
    bool answerWins(Spot at, int fours) {
        const Spot five = fivePointOf(at, attacker_);
        board_.play(at);
        const Prospect answer = board_.prospect(five, defender_);
        bool won = !answer.allowed; // the defender may not stop it
        if (!won && work_.spend() && !answer.five && !answer.winningFour) {
            // The answer's own four, if any, must be stopped next.
            std::optional<Spot> mustStop;
            if (answer.fours > 0) mustStop = fivePointOf(five, defender_);
            board_.play(five);
            Spot next;
            won = wins(mustStop, fours - 1, next);
            board_.undo();
        }
        board_.undo();
        return won;
    }

    // The one point that would make five after `side` plays s, which leaves one.
    Spot fivePointOf(Spot s, Stone side) const {
        const Sight sight = board_.sight(s, side);
        for (std::size_t i = 0; i < sight.lines.size(); ++i)
            if (sight.lines[i].shape == Shape::FOUR)
                return SearchBoard::along(s, i, sight.lines[i].fiveAt);
        return s;
    }

    SearchBoard& board_;
    Work& work_;
    Stone attacker_;
    Stone defender_;
};

} // namespace

bool winsByFours(SearchBoard& board, int fours, Work& work, Spot& first) {
    if (!work.spend()) return false;
    const Stone attacker = board.toMove();
    int defenderFives = 0;
    std::optional<Spot> mustStop;
    bool five = false;
    board.forEachCandidate([&](Spot s) {
        if (five) return;
        if (board.prospect(s, attacker).five) {
            five = true;
            first = s;
        } else if (board.prospect(s, otherStone(attacker)).five) {
            ++defenderFives;
            mustStop = s;
        }
    });
    if (five) return true;
    if (defenderFives > 1) return false;
    return Fours(board, work).wins(mustStop, fours, first);
}

} // namespace narabe
