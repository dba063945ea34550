// The protocol's commands, the engine's view of the game and its time for a move.
#include "adapters/brain/brain_session.h"

#include "adapters/brain/protocol_text.h"
#include "support/help.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

namespace narabe {

namespace {

using std::chrono::milliseconds;

// The only board size played.
constexpr std::int64_t BOARD_SIZE = LAST_POINT;

// The BOARD lines' field for the engine's own stone and for the opponent's.
constexpr std::int64_t OWN_FIELD = 1;
constexpr std::int64_t OPPONENT_FIELD = 2;
// Marks stones of a winning line or forbidden points in a continuous game, never played here.
constexpr std::int64_t CONTINUOUS_FIELD = 3;

struct NamedLevel {
    Level level;
    std::string_view name;
    std::string_view number;
};

constexpr std::array<NamedLevel, 3> LEVELS = {{
    {Level::BEGINNER, "初級", "1"},
    {Level::INTERMEDIATE, "中級", "2"},
    {Level::ADVANCED, "上級", "3"},
}};

// The black and the white stones on the board.
std::pair<int, int> stoneCounts(const Board& board) {
    std::pair<int, int> n{0, 0};
    forEachPoint([&](int x, int y) {
        if (board(x, y) == BLACK) ++n.first;
        if (board(x, y) == WHITE) ++n.second;
    });
    return n;
}

std::string error(std::string_view message) {
    return "ERROR " + std::string(message);
}

// "MESSAGE depth D eval E nodes N nps S pv x,y ...": E in hundredths of a stone for the side
// to move, or "win N" / "loss N" when a five in N moves of the winner is certain.
std::string analysisLine(const DepthReport& r) {
    std::string eval = std::to_string(r.score);
    if (r.score >= WON_SCORE || r.score <= -WON_SCORE) {
        const int plies = WIN_SCORE - std::abs(r.score) + 1;
        eval = (r.score > 0 ? "win " : "loss ") + std::to_string((plies + 1) / 2);
    }
    const auto ms = std::chrono::duration_cast<milliseconds>(r.time).count();
    const std::int64_t nps = r.nodes * 1000 / std::max<std::int64_t>(ms, 1);
    std::string line = "MESSAGE depth " + std::to_string(r.depth) + " eval " + eval + " nodes " +
                       std::to_string(r.nodes) + " nps " + std::to_string(nps) + " pv";
    for (const Point p : r.line)
        line += " " + pointLine(p);
    return line;
}

} // namespace

std::string_view levelName(Level level) {
    for (const NamedLevel& l : LEVELS)
        if (l.level == level) return l.name;
    return "?";
}

std::optional<Level> levelFromName(std::string_view name) {
    for (const NamedLevel& l : LEVELS)
        if (name == l.name || name == l.number) return l.level;
    return std::nullopt;
}

BrainSession::BrainSession(Level level) : level_(level) {
    newGame();
}

void BrainSession::newPosition() {
    board_ = emptyBoard();
    own_.reset();
    inBoard_ = false;
}

void BrainSession::newGame() {
    newPosition();
    timeLeft_.reset();
    used_ = {};
    table_.clear();
}

void BrainSession::handle(std::string_view line, Clock::time_point received,
                          std::vector<std::string>& out) {
    if (ended_ || trimmed(line).empty()) return; // blank lines mean nothing, as for managers
    if (line.size() > MAX_PROTOCOL_LINE) {
        out.push_back(error("the line is too long"));
        return;
    }
    const Words w = firstWord(line);
    if (inBoard_) {
        if (sameWord(w.first, "DONE") && w.rest.empty()) {
            inBoard_ = false;
            // The lines put the engine's stones down black. The side with fewer stones is to
            // move, so the engine is white when the opponent has more.
            const auto [ownStones, opponentStones] = stoneCounts(board_);
            own_ = opponentStones > ownStones ? WHITE : BLACK;
            if (own_ == WHITE)
                forEachPoint([&](int x, int y) {
                    const Cell c = board_(x, y);
                    if (c != EMPTY) board_(x, y) = cellOf(otherStone(stoneIn(c)));
                });
            move(received, out);
            return;
        }
        // A new game or the end leave the position unfinished and dropped; other commands
        // wait for DONE.
        if (!sameWord(w.first, "START") && !sameWord(w.first, "RESTART") &&
            !sameWord(w.first, "END")) {
            boardLine(line, out);
            return;
        }
        newPosition();
    }
    command(w.first, w.rest, received, out);
}

void BrainSession::command(std::string_view word, std::string_view args, Clock::time_point received,
                           std::vector<std::string>& out) {
    const bool takesNoArguments = sameWord(word, "RESTART") || sameWord(word, "BEGIN") ||
                                  sameWord(word, "BOARD") || sameWord(word, "END") ||
                                  sameWord(word, "ABOUT");
    if (takesNoArguments && !args.empty()) {
        out.push_back(error(std::string(word) + " takes no arguments"));
        return;
    }
    if (sameWord(word, "START")) {
        const std::optional<std::int64_t> size = wholeNumber(args);
        if (!size) {
            out.push_back(error("START needs the board size"));
        } else if (*size != BOARD_SIZE) {
            out.push_back(error("only the 19 x 19 board is played"));
        } else {
            newGame();
            started_ = true;
            out.emplace_back("OK");
        }
    } else if (sameWord(word, "INFO")) {
        info(args, out);
    } else if (sameWord(word, "END")) {
        ended_ = true;
    } else if (sameWord(word, "ABOUT")) {
        // The home page is named only when the build gives the project a web address.
        std::string about = "name=\"NarabeI\", version=\"" NARABE_VERSION " " +
                            std::string(levelName(level_)) +
                            "\", author=\"The NarabeI developers\"";
        if (HOME_PAGE.starts_with("http://") || HOME_PAGE.starts_with("https://"))
            about += ", www=\"" + std::string(HOME_PAGE) + "\"";
        out.push_back(std::move(about));
    } else if (!sameWord(word, "RESTART") && !sameWord(word, "BEGIN") && !sameWord(word, "TURN") &&
               !sameWord(word, "BOARD")) {
        out.push_back(error("unknown command " + std::string(word)));
    } else if (!started_) {
        out.push_back(error("no game: START comes first"));
    } else if (sameWord(word, "RESTART")) {
        newGame();
        out.emplace_back("OK");
    } else if (sameWord(word, "BOARD")) {
        newPosition();
        inBoard_ = true;
    } else if (sameWord(word, "BEGIN")) {
        if (stoneCounts(board_) != std::pair{0, 0}) {
            out.push_back(error("BEGIN opens a game on the empty board"));
            return;
        }
        own_ = BLACK;
        move(received, out);
    } else { // TURN
        const auto fields = numberFields(args);
        if (!fields || fields->size() != 2) {
            out.push_back(error("TURN needs x,y"));
            return;
        }
        const Stone opponent = own_ ? otherStone(*own_) : BLACK;
        if (!place((*fields)[0], (*fields)[1], opponent, out)) return;
        own_ = otherStone(opponent);
        move(received, out);
    }
}

void BrainSession::boardLine(std::string_view line, std::vector<std::string>& out) {
    const auto fields = numberFields(line);
    if (!fields || fields->size() != 3) {
        out.push_back(error("x,y,field or DONE expected after BOARD"));
        return;
    }
    const std::int64_t field = (*fields)[2];
    if (field == CONTINUOUS_FIELD) {
        out.push_back(error("field 3 belongs to continuous games, which are not played"));
        return;
    }
    if (field != OWN_FIELD && field != OPPONENT_FIELD) {
        out.push_back(error("the field is 1 (own stone) or 2 (opponent's stone)"));
        return;
    }
    // Until DONE tells the sides apart, the engine's stones are black.
    place((*fields)[0], (*fields)[1], field == OWN_FIELD ? BLACK : WHITE, out);
}

void BrainSession::info(std::string_view args, std::vector<std::string>& out) {
    const Words w = firstWord(args);
    const std::optional<std::int64_t> n = wholeNumber(w.rest);
    const bool known = sameWord(w.first, "timeout_turn") || sameWord(w.first, "timeout_match") ||
                       sameWord(w.first, "time_left") || sameWord(w.first, "max_memory") ||
                       sameWord(w.first, "show_detail");
    if (!known) return; // any other key is for other engines
    if (!n) {
        out.push_back(error("INFO " + std::string(w.first) + " needs a whole number"));
        return;
    }
    // Every value is clamped to 0 .. 2^31 - 1 (ms or bytes), so that no sum or product of
    // times can overflow; 0 means the default.
    const std::int64_t value = clampedMilliseconds(*n);
    if (sameWord(w.first, "timeout_turn")) {
        timeoutTurn_ = value == 0 ? DEFAULT_TURN.count() : value;
    } else if (sameWord(w.first, "timeout_match")) {
        timeoutMatch_ = value;
    } else if (sameWord(w.first, "time_left")) {
        if (value == 0) {
            timeLeft_.reset();
        } else {
            timeLeft_ = value;
            usedAtTimeLeft_ = used_;
        }
    } else if (sameWord(w.first, "show_detail")) {
        showDetail_ = value != 0;
    } else if (sameWord(w.first, "max_memory")) {
        // Half of the memory for the table of searched positions; 0: no limit, the default.
        table_.resize(value == 0 ? TranspositionTable::DEFAULT_BYTES
                                 : static_cast<std::size_t>(value / 2));
    }
}

bool BrainSession::place(std::int64_t px, std::int64_t py, Stone side,
                         std::vector<std::string>& out) {
    const std::string text = std::to_string(px) + "," + std::to_string(py);
    if (px < 0 || px >= BOARD_SIZE || py < 0 || py >= BOARD_SIZE) {
        out.push_back(error(text + " is off the board"));
        return false;
    }
    const int x = static_cast<int>(px) + FIRST_POINT;
    const int y = static_cast<int>(py) + FIRST_POINT;
    if (board_(x, y) != EMPTY) {
        out.push_back(error(text + " is occupied"));
        return false;
    }
    board_(x, y) = cellOf(side);
    return true;
}

TimeLimits BrainSession::timeFor(Clock::duration elapsed) const {
    // The match time left: as last told, less what the engine used since; or the whole
    // match time less what it used in this game.
    std::optional<milliseconds> left;
    if (timeLeft_)
        left = milliseconds(*timeLeft_) -
               std::chrono::duration_cast<milliseconds>(used_ - usedAtTimeLeft_);
    else if (timeoutMatch_ > 0)
        left = milliseconds(timeoutMatch_) - std::chrono::duration_cast<milliseconds>(used_);
    return timeLimits(
        {milliseconds{timeoutTurn_}, left, std::chrono::duration_cast<milliseconds>(elapsed)});
}

void BrainSession::move(Clock::time_point received, std::vector<std::string>& out) {
    // The one-move computer's field of view as a game would have it: around every stone, and
    // the middle point.
    const Stone own = own_.value();
    DepthListener listener;
    if (showDetail_) listener = [&out](const DepthReport& r) { out.push_back(analysisLine(r)); };
    const Choice c = chooseMove(board_, nearPointsOf(board_), own, level_,
                                timeFor(Clock::now() - received), table_, listener);
    if (c.found) {
        board_(c.at) = cellOf(own);
        out.push_back(pointLine(c.at));
    } else {
        out.push_back(error("no point is left that the rules allow"));
    }
    used_ += Clock::now() - received;
}

} // namespace narabe
