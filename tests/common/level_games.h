// Games between two levels in process, refereed by the rules: each side's point is checked
// to be empty and allowed, and a five ends the game. The openings are three random stones in
// the middle 7 x 7 square (black, white, black), white to move next. Shared by the tests and
// the benchmarks, which time the levels on positions of such games.
#pragma once

#include "common/scan_position.h"
#include "computer/levels.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace narabe::test {

struct Player {
    Level level;
    std::int64_t positions; // the work of each decision
};

struct Opening {
    std::array<std::array<int, 2>, 3> stones; // (x, y) of black, white, black
};

// `count` different openings from a fixed seed.
std::vector<Opening> openings(int count, unsigned seed);

// Called with the position before each move of a game and the side to move.
using Seen = std::function<void(const ScanPosition&, Stone)>;

// The winner of a game from the opening, or nothing for a draw. Throws std::logic_error when
// a player picks a point the rules refuse.
std::optional<Stone> playGame(const Opening& opening, Player black, Player white,
                              const Seen& seen = {});

} // namespace narabe::test
