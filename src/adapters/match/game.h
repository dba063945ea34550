// One game of a match: two engines from an opening to a five, a draw or a fault, refereed by
// the game's own rules.
#pragma once

#include "adapters/match/openings.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace narabe {

struct GameOptions {
    std::chrono::milliseconds moveTime{1000}; // sent as INFO timeout_turn
};

// Latency of the processes and pipes allowed beyond the move time before a move is late.
inline constexpr std::chrono::milliseconds MOVE_GRACE{50};
// The time an engine has to answer START, which includes its start-up.
inline constexpr std::chrono::milliseconds START_TIME{5000};
// The time an engine has to end after END before it is killed.
inline constexpr std::chrono::milliseconds END_TIME{200};

// How a game ended for the engine that lost it by a fault.
enum class Fault {
    NONE,
    FOUL,    // a barred, occupied or off-board point, or an answer that is no move
    CRASH,   // its output ended, or it could not be given a command
    TIMEOUT, // no answer within the move time and the grace
    // Not a game: the engine's output ended before it answered START (a command that is
    // missing or cannot be run, an engine that ends at once). The match cannot be played.
    NOT_STARTED,
};

struct GameResult {
    std::optional<std::size_t> winner; // the engine that won (0 black, 1 white); none: a draw
    Fault fault = Fault::NONE;         // how the loser lost, when not to a five
    std::string note;                  // what the loser did, for a game lost by a fault
    std::array<std::vector<double>, 2> moveMs; // each engine's time for each of its moves
    int moves = 0;                             // moves played after the opening
};

// Plays the opening's game between the commands, black first.
GameResult playGame(const std::array<std::string, 2>& commands, const Opening& opening,
                    const GameOptions& options);

} // namespace narabe
