// The match tool: its random openings against an independent model of the rules, its
// openings file, the Elo of a score, and short matches of the real program between the
// engine, the heuristic opponent and fake engines that crash, hang, foul or talk nonsense.
#include "adapters/match/match_table.h"
#include "adapters/match/openings.h"
#include "common/reference_rules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace narabe::test {
namespace {

namespace fs = std::filesystem;

TEST(MatchOpenings, RandomOpeningsAreDistinctLegalAndFixedBySeed) {
    const std::vector<Opening> openings = randomOpenings(300, 42);
    EXPECT_EQ(openings, randomOpenings(300, 42));
    EXPECT_NE(openings, randomOpenings(300, 43));
    ASSERT_EQ(openings.size(), 300U);
    std::set<std::set<std::array<int, 3>>> positions;
    for (const Opening& o : openings) {
        ASSERT_EQ(o.moves.size(), 3U);
        Board board = emptyBoard();
        std::set<std::array<int, 3>> stones;
        for (std::size_t k = 0; k < 3; ++k) {
            const int x = o.moves[k].x;
            const int y = o.moves[k].y;
            const Stone side = k % 2 == 0 ? BLACK : WHITE;
            ASSERT_TRUE(x >= 7 && x <= 13 && y >= 7 && y <= 13) << pointLine(o.moves[k]);
            ASSERT_EQ(board(x, y), EMPTY);
            ASSERT_EQ(referenceDoubleThree(board, x, y, side), false);
            ASSERT_EQ(referenceDoubleFour(board, x, y, side), false);
            ASSERT_EQ(referenceFive(board, side, x, y), false);
            board(x, y) = cellOf(side);
            stones.insert({side == BLACK ? 0 : 1, x, y});
        }
        EXPECT_TRUE(positions.insert(stones).second) << "the same opening twice";
    }
}

struct FileCase {
    const char* name;
    std::string text;
    std::size_t openings; // read, when no fault is expected
    std::string fault;    // the start of the error text
};

// Black makes a double three with a stone on 9,9 after these eight moves.
const std::string DOUBLE_THREE_SETUP = "7,9 0,0 8,9 0,2 9,7 0,4 9,8 0,6";
// A stone on 9,9 makes a double four for either side after these twelve moves: black's on
// its row and column, white's on its two diagonals.
const std::string DOUBLE_FOUR_SETUP = "6,9 6,6 7,9 7,7 9,6 10,8 9,7 11,7 8,9 8,8 9,8 12,6";

const FileCase FILE_CASES[] = {
    {"openings, comments, blank lines and CR LF",
     "# two openings\r\n9,9 10,10 8,10\r\n\r\n  \t\n 3,3   4,4 \n\n", 2, ""},
    {"an empty opening and long ones", "\n9,9\n" + DOUBLE_THREE_SETUP + "\n", 2, ""},
    {"an occupied point", "9,9 10,10\n9,9 10,10 9,9\n", 0, "line 2: move 3 (9,9): occupied"},
    {"off the board", "9,9 19,0\n", 0, "line 1: move 2 (19,0): off the board"},
    {"not a point", "9,9 10;10\n", 0, "line 1: '10;10' is not a point x,y"},
    {"a barred point", DOUBLE_THREE_SETUP + " 9,9\n", 0, "line 1: move 9 (9,9): a double three"},
    {"a double four", DOUBLE_FOUR_SETUP + " 9,9\n", 0, "line 1: move 13 (9,9): a double four"},
    {"a five", "0,0 9,0 1,0 9,2 2,0 9,4 3,0 9,6 4,0\n", 0, "line 1: move 9 (4,0): makes five"},
};

TEST(MatchOpenings, FileIsReadOrItsFirstFaultNamed) {
    for (const FileCase& c : FILE_CASES) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.text);
        try {
            const std::vector<Opening> read = readOpenings(in);
            EXPECT_TRUE(c.fault.empty());
            EXPECT_EQ(read.size(), c.openings);
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), c.fault);
        }
    }
}

TEST(MatchTable, EloOfAScoreAndItsInterval) {
    struct Row {
        int wins, losses, draws;
        double elo; // from the Elo table of scores: 75 % is +190.8, 90 % +381.7
    };
    const Row rows[] = {{3, 1, 0, 190.85},
                        {1, 3, 0, -190.85},
                        {1, 0, 1, 190.85},
                        {9, 1, 0, 381.70},
                        {2, 2, 0, 0.0}};
    for (const Row& r : rows) {
        EngineTally t;
        t.wins = r.wins;
        t.losses = r.losses;
        t.draws = r.draws;
        t.games = r.wins + r.losses + r.draws;
        const auto e = eloOf(t);
        ASSERT_TRUE(e);
        EXPECT_NEAR(e->elo, r.elo, 0.05) << r.wins << "-" << r.losses << "-" << r.draws;
        EXPECT_LT(e->low, e->elo);
        EXPECT_GT(e->high, e->elo);
        // Ten times the games, the same score: a narrower interval around the same Elo.
        EngineTally more = t;
        more.wins *= 10;
        more.losses *= 10;
        more.draws *= 10;
        more.games *= 10;
        const auto m = eloOf(more);
        EXPECT_NEAR(m->elo, e->elo, 1e-9);
        EXPECT_GT(m->low, e->low);
        EXPECT_LT(m->high, e->high);
    }
    EngineTally allWins;
    allWins.wins = allWins.games = 4;
    EXPECT_EQ(eloText(eloOf(allWins)->elo), "+inf");
    EXPECT_EQ(eloText(-eloOf(allWins)->elo), "-inf");
}

// One row of the table the program printed, by whitespace-separated field.
struct Row {
    int games, wins, losses, draws;
    double score;
    int fouls, crashes, timeouts;
    double medianMs, maxMs;
    std::string elo, low, high;
};

struct MatchRun {
    int status = -1;
    std::string out;
    std::string err;
    double seconds = 0;
    std::vector<Row> rows; // A, then B
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs narabe-match with the arguments (a shell command line's words) in a folder of its own,
// which may hold an openings file.
MatchRun runMatch(const std::string& arguments, const std::string& openings) {
    const fs::path dir = fs::temp_directory_path() / ("narabe-match-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    if (!openings.empty()) std::ofstream(dir / "openings.txt") << openings;
    const std::string cmd = "cd '" + dir.string() + "' && '" + NARABE_MATCH_EXE + "' " + arguments +
                            " > out.txt 2> err.txt";
    const auto start = std::chrono::steady_clock::now();
    const int raw = std::system(cmd.c_str());
    MatchRun r;
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = slurp(dir / "out.txt");
    r.err = slurp(dir / "err.txt");
    fs::remove_all(dir);
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("A ") && !line.starts_with("B ")) continue;
        std::istringstream f(line);
        std::string name;
        std::string percent;
        std::string to;
        Row row;
        f >> name >> row.games >> row.wins >> row.losses >> row.draws >> row.score >> percent >>
            row.fouls >> row.crashes >> row.timeouts >> row.medianMs >> row.maxMs >> row.elo >>
            row.low >> to >> row.high;
        if (f && to == "to") r.rows.push_back(row);
    }
    return r;
}

// A fake engine: a shell loop that answers START with `start` and a move command with `move`.
std::string fake(const std::string& start, const std::string& move) {
    return "'while read l; do case $l in START*) " + start + ";; BEGIN*|TURN*|DONE*) " + move +
           ";; esac; done'";
}

struct MatchCase {
    const char* name;
    std::string engineB;
    std::string options;
    std::string openings; // the openings file, when the options name it
    int games;
    int Row::*fault;  // B's counter of the faults it lost every game by, or nullptr
    const char* note; // a text the notes on standard error must hold
};

const std::string BRAIN = "'" + std::string(NARABE_BRAIN_EXE) + " --level 1'";

const MatchCase MATCH_CASES[] = {
    {"the engine against the heuristic opponent", std::string("'") + NARABE_HEURISTIC_EXE + "'",
     "-n 2 -s 5 -t 2000", "", 4, nullptr, "4/4 games"},
    {"a crash", fake("echo OK", "exit 3"), "-n 1 -t 2000", "", 2, &Row::crashes, "ended"},
    {"a hang", fake("echo OK", "sleep 60"), "-n 1 -t 200", "", 2, &Row::timeouts, "in time"},
    {"an occupied point", fake("echo OK", "echo 9,9"), "-f openings.txt -t 2000", "9,9 8,8 10,10\n",
     2, &Row::fouls, "9,9: occupied"},
    {"a barred point", fake("echo OK", "echo 9,9"), "-f openings.txt -t 2000",
     DOUBLE_THREE_SETUP + "\n", 2, &Row::fouls, "9,9: a double three"},
    {"a double four", fake("echo OK", "echo 9,9"), "-f openings.txt -t 2000",
     DOUBLE_FOUR_SETUP + "\n", 2, &Row::fouls, "9,9: a double four"},
    {"an off-board point", fake("echo OK", "echo 19,3"), "-n 1 -t 2000", "", 2, &Row::fouls,
     "19,3: off the board"},
    {"no move", fake("echo MESSAGE starting; echo OK", "echo DEBUG thinking; echo hello"),
     "-n 1 -t 2000", "", 2, &Row::fouls, "hello"},
    {"START refused", fake("echo ERROR no", "echo 9,9"), "-n 1 -t 2000", "", 2, &Row::fouls,
     "ERROR no"},
};

TEST(MatchProgram, PlaysTheGamesAndCountsEveryFault) {
    for (const MatchCase& c : MATCH_CASES) {
        SCOPED_TRACE(c.name);
        const MatchRun r = runMatch(c.options + " " + BRAIN + " " + c.engineB, c.openings);
        ASSERT_EQ(r.status, 0) << r.err;
        ASSERT_EQ(r.rows.size(), 2U) << r.out;
        const Row& a = r.rows[0];
        const Row& b = r.rows[1];
        for (const Row& row : r.rows) {
            EXPECT_EQ(row.games, c.games);
            EXPECT_EQ(row.wins + row.losses + row.draws, row.games);
            EXPECT_DOUBLE_EQ(row.score, row.wins + row.draws / 2.0);
            EXPECT_LE(row.medianMs, row.maxMs);
        }
        EXPECT_EQ(a.wins, b.losses);
        EXPECT_EQ(a.losses, b.wins);
        EXPECT_EQ(a.draws, b.draws);
        EXPECT_EQ(a.elo.substr(1), b.elo.substr(1)); // the same difference, seen from each side
        EXPECT_EQ(a.fouls + a.crashes + a.timeouts, 0) << "the engine lost by a fault";
        if (c.fault != nullptr) {
            EXPECT_EQ(b.*c.fault, c.games);
            EXPECT_EQ(a.wins, c.games);
        } else {
            EXPECT_EQ(b.fouls + b.crashes + b.timeouts, 0);
        }
        EXPECT_NE(r.err.find(c.note), std::string::npos) << r.err;
        // A hung engine is killed after the move time and the grace: nothing waits for it.
        EXPECT_LT(r.seconds, 30) << "the match waited for an engine";
    }
}

// What the program cannot play stops it with status 1 before any game is counted: an engine
// that cannot be started, an openings file that is no regular file, too large or empty. A
// pipe or a device is never waited on or read.
struct RefusalCase {
    const char* name;
    std::string arguments;
    const char* said;
};

TEST(MatchProgram, StopsAtOnceWhereTheMatchCannotBePlayed) {
    const fs::path place =
        fs::temp_directory_path() / ("narabe-refusals-" + std::to_string(::getpid()));
    fs::create_directories(place);
    const fs::path pipe = place / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::ofstream(place / "empty.txt").flush();
    std::ofstream(place / "comments.txt") << "# no opening\n\n";
    std::ofstream(place / "large.txt") << std::string((1 << 20) + 1, '#');
    const std::string two = " " + BRAIN + " " + BRAIN;
    const RefusalCase cases[] = {
        {"a missing engine", "-n 1 " + BRAIN + " 'no-such-engine-anywhere'", "cannot be started"},
        {"a missing engine A", "-n 1 'no-such-engine-anywhere' " + BRAIN, "engine A"},
        {"an engine that ends at START", "-n 1 " + BRAIN + " " + fake("exit 0", "echo 9,9"),
         "engine B"},
        {"an engine that ends at once", "-n 1 " + BRAIN + " true", "cannot be started"},
        {"a folder", "-f " + place.string() + two, "is not a regular file"},
        {"a pipe", "-f " + pipe.string() + two, "is not a regular file"},
        {"an endless device", "-f /dev/zero" + two, "is not a regular file"},
        {"an empty file", "-f " + (place / "empty.txt").string() + two, "holds no opening"},
        {"comments only", "-f " + (place / "comments.txt").string() + two, "holds no opening"},
        {"a file over 1 MiB", "-f " + (place / "large.txt").string() + two, "larger than 1 MiB"},
        {"a missing file", "-f " + (place / "missing.txt").string() + two, "cannot be read"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const MatchRun r = runMatch(c.arguments, "");
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
        EXPECT_TRUE(r.rows.empty()) << r.out;
    }
    fs::remove_all(place);
}

// The ids of the processes listed in the file, one a line.
std::vector<pid_t> listedProcesses(const fs::path& file) {
    std::vector<pid_t> ids;
    std::ifstream in(file);
    for (long id = 0; in >> id;)
        ids.push_back(static_cast<pid_t>(id));
    return ids;
}

// An engine that starts a process in a session of its own, out of reach of its process
// group, and writes its id and its own to a file: after the match, as it ends after its
// games and as a signal ends it, none of them is left.
TEST(MatchProgram, LeavesNoProcessOfAnEngineBehind) {
    const fs::path place =
        fs::temp_directory_path() / ("narabe-leftover-" + std::to_string(::getpid()));
    fs::create_directories(place);
    const fs::path ids = place / "ids";
    const std::string engine = "'setsid sh -c \"echo \\$\\$ >> " + ids.string() +
                               "; exec sleep 600\" & echo $$ >> " + ids.string() + "; exec " +
                               std::string(NARABE_BRAIN_EXE) + " --level 1'";
    const auto match = [&](int openings) {
        return "'" + std::string(NARABE_MATCH_EXE) + "' -n " + std::to_string(openings) +
               " -t 300 " + BRAIN + " " + engine + " >/dev/null 2>&1";
    };
    struct Way {
        const char* name;
        std::string command;
        std::size_t listed; // at least: the engine and its process, for every game started
    };
    const Way ways[] = {
        {"a match of two games", match(1), 4},
        // Ended by a signal once the engine of its first game has started its process.
        {"a match ended by SIGTERM",
         match(20) + " & m=$!; i=0; while [ \"$(cat " + ids.string() +
             " 2>/dev/null | wc -l)\" -lt 2 ] && [ $i -lt 6000 ]; do sleep 0.01; i=$((i+1)); "
             "done; kill -TERM $m; wait $m",
         2},
    };
    for (const Way& w : ways) {
        SCOPED_TRACE(w.name);
        fs::remove(ids);
        const int raw = std::system(w.command.c_str());
        const std::vector<pid_t> listed = listedProcesses(ids);
        EXPECT_GE(listed.size(), w.listed) << "status " << raw;
        for (const pid_t id : listed) {
            EXPECT_NE(::kill(id, 0), 0) << "process " << id << " outlived the match";
            ::kill(id, SIGKILL); // not to leave it running after a failure
        }
    }
    fs::remove_all(place);
}

} // namespace
} // namespace narabe::test
