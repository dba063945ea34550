// Continuous fours: the attacker tries each four it may play; the defender has one answer,
// the point that would make five, unless the rules bar it there.
#include "computer/search/vcf.h"

#include <optional>
#include <vector>

namespace narabe {

namespace {

class Fours {
  public:
    Fours(SearchBoard& board, NodeBudget& work)
        : board_(board), work_(work), attacker_(board.toMove()), defender_(otherStone(attacker_)) {}

    // The first move of the attacker's win, the attacker to move, with no point that would
    // make five for either side except `mustStop` for the defender, which the attacker must
    // take with a four; nothing when there is no win within `fours` fours.
    std::optional<Point> wins(std::optional<Point> mustStop, int fours) {
        if (fours <= 0) return std::nullopt;
        std::vector<Point> moves;
        const auto isFour = [&](Point s) {
            const Prospect a = board_.prospect(s, attacker_);
            return a.allowed && a.fours > 0;
        };
        if (mustStop) {
            if (isFour(*mustStop)) moves.push_back(*mustStop);
        } else {
            board_.forEachCandidate([&](Point s) {
                if (isFour(s)) moves.push_back(s);
            });
        }
        // A four that leaves two five points wins at once; the others need their answers.
        for (const Point at : moves)
            if (board_.prospect(at, attacker_).winningFour) return at;
        for (const Point at : moves) {
            if (answerWins(at, fours)) return at;
            if (work_.spent()) return std::nullopt;
        }
        return std::nullopt;
    }

  private:
    // The attacker's four on `at`, with its one five point; the defender takes that point.
    bool answerWins(Point at, int fours) {
        const Point five = fivePointOf(at, attacker_);
        board_.play(at);
        const Prospect answer = board_.prospect(five, defender_);
        bool won = !answer.allowed; // the defender may not stop it
        if (!won && work_.spend() && !answer.five && !answer.winningFour) {
            // The answer's own four, if any, must be stopped next.
            std::optional<Point> mustStop;
            if (answer.fours > 0) mustStop = fivePointOf(five, defender_);
            board_.play(five);
            won = wins(mustStop, fours - 1).has_value();
            board_.undo();
        }
        board_.undo();
        return won;
    }

    // The one point that would make five after `side` plays s, which leaves one.
    Point fivePointOf(Point s, Stone side) const {
        const Sight sight = board_.sight(s, side);
        for (std::size_t i = 0; i < sight.lines.size(); ++i)
            if (sight.lines[i].shape == Shape::FOUR)
                return SearchBoard::along(s, i, sight.lines[i].fiveAt);
        return s;
    }

    SearchBoard& board_;
    NodeBudget& work_;
    Stone attacker_;
    Stone defender_;
};

} // namespace

bool winsByFours(SearchBoard& board, int fours, NodeBudget& work, Point& first) {
    if (!work.spend()) return false;
    const Stone attacker = board.toMove();
    int defenderFives = 0;
    std::optional<Point> mustStop;
    bool five = false;
    board.forEachCandidate([&](Point s) {
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
    const std::optional<Point> win = Fours(board, work).wins(mustStop, fours);
    if (win) first = *win;
    return win.has_value();
}

} // namespace narabe
