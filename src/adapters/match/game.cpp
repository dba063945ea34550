// A game between two engine processes: each gets the position with its first command (BEGIN
// on an empty board, BOARD otherwise) and the opponent's move with every TURN after that.
#include "adapters/match/game.h"

#include "adapters/match/engine_process.h"
#include "adapters/match/referee.h"

#include <memory>

namespace narabe {

namespace {

using Clock = EngineProcess::Clock;

constexpr std::size_t BOARD_POINTS = std::size_t{LAST_POINT} * LAST_POINT;

// The match plays the 19 x 19 board and never tells the time left: there is no match limit.
constexpr const char* START_COMMAND = "START 19";

// Lines an engine may write between its answers, for the manager's log only.
bool isRemark(std::string_view line) {
    const std::string_view word = firstWord(line).first;
    return sameWord(word, "MESSAGE") || sameWord(word, "DEBUG");
}

struct Reply {
    EngineProcess::Answer answer;
    std::string line;
};

// The engine's next line that is not a remark, by the deadline.
Reply reply(EngineProcess& engine, Clock::time_point deadline) {
    Reply r{};
    do
        r.answer = engine.receive(r.line, deadline);
    while (r.answer == EngineProcess::Answer::LINE && isRemark(r.line));
    return r;
}

class Game {
  public:
    Game(const std::array<std::string, 2>& commands, const GameOptions& options)
        : commands_(commands), options_(options) {}

    GameResult play(const Opening& opening) {
        for (std::size_t k = 0; k < opening.moves.size(); ++k) {
            referee_.play(opening.moves[k], sideOf(k % 2));
            record_.push_back(opening.moves[k]);
        }
        for (std::size_t e = 0; e < 2; ++e)
            if (!start(e)) return finish();
        std::size_t mover = opening.moves.size() % 2;
        while (true) {
            if (record_.size() == BOARD_POINTS || !referee_.canMove(sideOf(mover)))
                return finish(); // a draw
            if (!move(mover)) return finish();
            if (result_.winner) return finish();
            mover = 1 - mover;
        }
    }

  private:
    static Stone sideOf(std::size_t engine) { return engine == 0 ? BLACK : WHITE; }

    // The engine loses by a fault.
    bool lose(std::size_t engine, Fault fault, const std::string& what) {
        result_.winner = 1 - engine;
        result_.fault = fault;
        result_.note = what;
        return false;
    }

    // Starts the engine and tells it the limits; false when it lost doing so.
    bool start(std::size_t e) {
        engines_[e] = std::make_unique<EngineProcess>(commands_[e]);
        EngineProcess& engine = *engines_[e];
        if (!engine.send(START_COMMAND)) return lose(e, Fault::NOT_STARTED, "did not take START");
        const Reply r = reply(engine, Clock::now() + START_TIME);
        if (r.answer == EngineProcess::Answer::CLOSED)
            return lose(e, Fault::NOT_STARTED, "ended before it answered START");
        if (r.answer == EngineProcess::Answer::TIMEOUT)
            return lose(e, Fault::TIMEOUT, "did not answer START");
        if (!sameWord(firstWord(r.line).first, "OK"))
            return lose(e, Fault::FOUL, "answered START with '" + r.line + "'");
        const std::string info[] = {
            "INFO timeout_turn " + std::to_string(options_.moveTime.count()),
            "INFO timeout_match 0",
            "INFO max_memory 0",
            "INFO game_type 1",
            "INFO rule 1", // exactly five wins
        };
        for (const std::string& line : info)
            if (!engine.send(line)) return lose(e, Fault::CRASH, "did not take INFO");
        return true;
    }

    // Asks the engine for its move and plays it; false when the engine lost by a fault.
    bool move(std::size_t e) {
        EngineProcess& engine = *engines_[e];
        const Clock::time_point asked = Clock::now();
        bool sent = true;
        if (told_[e]) {
            sent = engine.send("TURN " + pointLine(record_.back()));
        } else if (record_.empty()) {
            sent = engine.send("BEGIN");
        } else {
            sent = engine.send("BOARD");
            for (std::size_t k = 0; k < record_.size(); ++k) {
                const bool own = k % 2 == e;
                sent = sent && engine.send(pointLine(record_[k]) + (own ? ",1" : ",2"));
            }
            sent = sent && engine.send("DONE");
        }
        told_[e] = true;
        if (!sent) return lose(e, Fault::CRASH, "no longer reads its commands");
        const Reply r = reply(engine, asked + options_.moveTime + MOVE_GRACE);
        const std::chrono::duration<double, std::milli> took = Clock::now() - asked;
        if (r.answer == EngineProcess::Answer::CLOSED) return lose(e, Fault::CRASH, "ended");
        if (r.answer == EngineProcess::Answer::TIMEOUT)
            return lose(e, Fault::TIMEOUT, "did not answer in time");
        result_.moveMs[e].push_back(took.count());
        const std::optional<Point> p = pointText(r.line);
        if (!p) return lose(e, Fault::FOUL, "answered '" + r.line + "'");
        const Verdict v = referee_.judge(*p, sideOf(e));
        if (v != Verdict::ALLOWED)
            return lose(e, Fault::FOUL,
                        "played " + pointLine(*p) + ": " + std::string(verdictText(v)));
        ++result_.moves;
        record_.push_back(*p);
        if (referee_.play(*p, sideOf(e))) result_.winner = e;
        return true;
    }

    GameResult finish() {
        for (auto& engine : engines_)
            if (engine) engine->end(END_TIME);
        return result_;
    }

    const std::array<std::string, 2>& commands_;
    const GameOptions& options_;
    Referee referee_;
    std::vector<Point> record_;
    std::array<std::unique_ptr<EngineProcess>, 2> engines_;
    std::array<bool, 2> told_{}; // whether the engine has had the position
    GameResult result_;
};

} // namespace

GameResult playGame(const std::array<std::string, 2>& commands, const Opening& opening,
                    const GameOptions& options) {
    return Game(commands, options).play(opening);
}

} // namespace narabe
