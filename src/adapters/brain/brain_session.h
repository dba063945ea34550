// The engine's side of the Gomocup protocol: one line in, the answer lines out. It keeps the
// board of the game under way, whose stones are its own and whose the opponent's, and the
// time limits the manager sent, and lets the chosen level answer every move.
//
// Commands: START 19, RESTART, BEGIN, TURN x,y, BOARD with lines x,y,field (1 its own
// stone, 2 the opponent's) ended by DONE, INFO timeout_turn | timeout_match | time_left |
// max_memory | show_detail (other keys are ignored), END and ABOUT; the command word in any
// case. BOARD keeps the time settings and the clock; START and RESTART start the clock anew.
// Anything
// else, a malformed line, an off-board or occupied point or another board size gets one line
// "ERROR message" and changes nothing else. Blank lines are skipped.
#pragma once

#include "computer/levels.h"
#include "state/board.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace narabe {

// The level's name as the command line and ABOUT give it: "初級", "中級" or "上級".
std::string_view levelName(Level level);
// The level for "初級", "中級", "上級", "1", "2" or "3".
std::optional<Level> levelFromName(std::string_view name);

class BrainSession {
  public:
    using Clock = std::chrono::steady_clock;

    // The turn time when no INFO timeout_turn came.
    static constexpr std::chrono::milliseconds DEFAULT_TURN{1000};

    explicit BrainSession(Level level);

    // Handles one line (without its line end) read at `received`, from when the time of a
    // move counts, and appends the answer lines, without line ends, to `out`.
    void handle(std::string_view line, Clock::time_point received, std::vector<std::string>& out);

    // END came: nothing more is read or answered.
    [[nodiscard]] bool ended() const { return ended_; }
    // The game's board as the engine sees it, and its own side (none before it is known).
    [[nodiscard]] const Board& board() const { return board_; }
    [[nodiscard]] std::optional<Stone> own() const { return own_; }
    // The limits of a move asked for `elapsed` ago, from the times the manager sent.
    [[nodiscard]] TimeLimits timeFor(Clock::duration elapsed) const;
    // The room the table of searched positions takes, from INFO max_memory.
    [[nodiscard]] std::size_t tableBytes() const { return table_.bytes(); }

  private:
    void command(std::string_view word, std::string_view args, Clock::time_point received,
                 std::vector<std::string>& out);
    void boardLine(std::string_view line, std::vector<std::string>& out);
    void info(std::string_view args, std::vector<std::string>& out);
    // An empty board, the sides not yet known.
    void newPosition();
    // A new position, with the time used, the match time left and the positions searched
    // forgotten.
    void newGame();
    // Places a stone of `side` at the protocol point (px, py); nothing when the point is off
    // the board or occupied (the error is appended).
    bool place(std::int64_t px, std::int64_t py, Stone side, std::vector<std::string>& out);
    // Chooses, plays and answers the engine's move.
    void move(Clock::time_point received, std::vector<std::string>& out);

    Level level_;
    Board board_;
    bool started_ = false;
    bool inBoard_ = false;
    bool ended_ = false;
    std::optional<Stone> own_;

    // Milliseconds, as INFO gives them, clamped; 0 for the match means no limit.
    std::int64_t timeoutTurn_ = DEFAULT_TURN.count();
    std::int64_t timeoutMatch_ = 0;
    // The match time left as last told (or the whole match time), and the engine's own time
    // used in this game then and now.
    std::optional<std::int64_t> timeLeft_;
    Clock::duration usedAtTimeLeft_{};
    Clock::duration used_{};
    bool showDetail_ = false; // INFO show_detail: a line of analysis after every depth
    // The positions searched in this game, kept from move to move; sized by INFO max_memory.
    TranspositionTable table_;
};

} // namespace narabe
