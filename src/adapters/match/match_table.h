// The match's results per engine and the table it prints: wins, losses, draws, score,
// faults, time per move and the Elo difference with its 95 % interval.
#pragma once

#include "adapters/match/game.h"

#include <array>
#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace narabe {

struct EngineTally {
    int games = 0;
    int wins = 0;
    int losses = 0;
    int draws = 0;
    int fouls = 0;
    int crashes = 0;
    int timeouts = 0;
    std::vector<double> moveMs;

    [[nodiscard]] double points() const { return wins + draws / 2.0; }
};

// The Elo difference that a score (points per game, 0..1) means, and its 95 % interval:
// the score's normal interval from the spread of the games' results, each end turned into
// Elo. A score of 0 or 1 is an infinite difference.
struct EloEstimate {
    double elo = 0;
    double low = 0;
    double high = 0;
};
std::optional<EloEstimate> eloOf(const EngineTally& t);

class MatchTable {
  public:
    // Counts a game between the engines `black` and `white` (0 is A, 1 is B).
    void add(std::size_t black, std::size_t white, const GameResult& r);
    [[nodiscard]] const EngineTally& tally(std::size_t engine) const { return tallies_[engine]; }
    [[nodiscard]] int games() const { return tallies_[0].games; }

    // The table, one row for A and one for B, then the engines' command lines.
    void print(std::ostream& out, const std::array<std::string, 2>& commands) const;

  private:
    std::array<EngineTally, 2> tallies_;
};

// The text of a number of Elo: "+127.7", "-3.0", "+inf", "-inf".
std::string eloText(double elo);

} // namespace narabe
