// narabe-match: plays two Gomocup engines against each other under the game's rules and
// prints the table of the match.
//
//   narabe-match [options] "ENGINE A" "ENGINE B"
#include "adapters/match/descendants.h"
#include "adapters/match/game.h"
#include "adapters/match/match_table.h"
#include "adapters/match/openings.h"
#include "support/files.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <exception>
#include <iostream>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

using namespace narabe;

constexpr std::string_view USAGE = "Usage: narabe-match [options] \"ENGINE A\" \"ENGINE B\"\n";

constexpr std::string_view HELP =
    "Plays two Gomocup engines against each other on the 19 x 19 board under NarabeI's\n"
    "rules (exactly five wins; double three and double four are barred for both sides\n"
    "unless the move makes five), refereed by the game's own rule checks, and prints each\n"
    "engine's wins, losses, draws, score, fouls, crashes, timeouts, time per move (median\n"
    "and largest) and the Elo difference with its 95 % interval. A progress bar and a note\n"
    "on every game lost by a fault go to standard error.\n"
    "\n"
    "Each engine is a command line run by /bin/sh -c, started anew for every game; its\n"
    "standard error is dropped. Every opening is played twice, each engine black once.\n"
    "An engine that ends before it answers START cannot be started: the match stops\n"
    "there with status 1. After every game, and when the match is ended by a signal,\n"
    "every process the engines started is ended, also one in a session of its own.\n"
    "\n"
    "  -n, --openings N       random openings (default 100): three stones, black, white,\n"
    "                         black, in the centre 7 x 7 square, each allowed by the rules\n"
    "  -s, --seed N           the seed of the random openings (default 1): the same seed\n"
    "                         gives the same openings\n"
    "  -t, --move-time MS     the time for a move, sent as INFO timeout_turn (default 1000)\n"
    "  -f, --openings-file F  the openings of the file F instead (with -n, its first N)\n"
    "      --help             print this help and exit\n"
    "      --version          print the version and exit\n"
    "\n"
    "An openings file holds one opening a line: moves \"x,y\" separated by spaces, black\n"
    "first, the sides alternating, points counted from 0 as in the protocol (x the column\n"
    "from the left, y the row from the top); blank lines and lines starting with # are\n"
    "skipped. Example: 9,9 10,10 8,10\n"
    "The file must be a regular file of at most 1 MiB that holds an opening.\n"
    "\n"
    "A game is lost by the engine that plays a barred, occupied or off-board point or\n"
    "answers something that is no move (a foul), whose output ends (a crash), or that does\n"
    "not answer within the move time and 50 ms for the pipes and the processes (a timeout;\n"
    "the engine is killed). START must be answered within 5 s. A game is drawn when the\n"
    "board is full or the side to move has no point the rules allow.\n";

constexpr int MAX_OPENINGS = 10000;
// An openings file larger than this is not read: MAX_OPENINGS lines of long openings fit.
constexpr std::size_t OPENINGS_FILE_MAX_BYTES = std::size_t{1} << 20;
constexpr int BAR_WIDTH = 40;

struct Options {
    int openings = 100;
    bool openingsGiven = false;
    std::uint32_t seed = 1;
    std::chrono::milliseconds moveTime{1000};
    std::string openingsFile;
    std::array<std::string, 2> engines;
};

// The option's value as a whole number in [low, high], or nothing.
std::optional<std::int64_t> number(const char* text, std::int64_t low, std::int64_t high) {
    const std::optional<std::int64_t> n = wholeNumber(text);
    if (!n || *n < low || *n > high) return std::nullopt;
    return n;
}

// The options, or the exit status when the program ends here.
std::variant<Options, int> readOptions(int argc, char* argv[]) {
    Options o;
    std::vector<std::string> engines;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help") {
            std::cout << USAGE << '\n' << HELP;
            return 0;
        }
        if (arg == "--version") {
            std::cout << "narabe-match (NarabeⅠ) " NARABE_VERSION "\n";
            return 0;
        }
        const bool takesValue = arg == "-n" || arg == "--openings" || arg == "-s" ||
                                arg == "--seed" || arg == "-t" || arg == "--move-time" ||
                                arg == "-f" || arg == "--openings-file";
        if (!takesValue) {
            if (arg.size() > 1 && arg[0] == '-') {
                std::cerr << "narabe-match: unknown option '" << arg << "'\n" << USAGE;
                return 2;
            }
            engines.emplace_back(arg);
            continue;
        }
        if (i + 1 == argc) {
            std::cerr << "narabe-match: " << arg << " needs a value\n" << USAGE;
            return 2;
        }
        const char* value = argv[++i];
        std::optional<std::int64_t> n;
        if (arg == "-n" || arg == "--openings") {
            n = number(value, 1, MAX_OPENINGS);
            if (n) o.openings = static_cast<int>(*n);
            o.openingsGiven = true;
        } else if (arg == "-s" || arg == "--seed") {
            n = number(value, 0, std::numeric_limits<std::uint32_t>::max());
            if (n) o.seed = static_cast<std::uint32_t>(*n);
        } else if (arg == "-t" || arg == "--move-time") {
            n = number(value, 0, std::numeric_limits<int>::max());
            if (n) o.moveTime = std::chrono::milliseconds(*n);
        } else {
            o.openingsFile = value;
            continue;
        }
        if (!n) {
            std::cerr << "narabe-match: bad value '" << value << "' for " << arg << '\n';
            return 2;
        }
    }
    if (engines.size() != 2) {
        std::cerr << "narabe-match: two engines are needed\n" << USAGE;
        return 2;
    }
    o.engines = {engines[0], engines[1]};
    return o;
}

// The bytes of the openings file, or nothing after saying why it cannot be read: it is no
// regular file (a folder, a pipe, a device, which are never waited on or read), it is larger
// than OPENINGS_FILE_MAX_BYTES, or reading it failed.
std::optional<std::string> openingsFileBytes(const std::string& file) {
    const RegularFile in = openRegular(file, FileAccess::READ);
    std::string why;
    std::string bytes;
    int error = in.error;
    if (in.other) {
        why = "is not a regular file";
    } else if (!in.file) {
        why = std::string("cannot be read: ") + std::strerror(error);
    } else if (in.size > OPENINGS_FILE_MAX_BYTES) {
        why = "is larger than 1 MiB";
    } else {
        switch (readAll(in.file.get(), OPENINGS_FILE_MAX_BYTES, bytes, error)) {
        case ReadAll::DONE:
            return bytes;
        case ReadAll::TOO_LARGE:
            why = "is larger than 1 MiB";
            break;
        case ReadAll::FAILED:
            why = std::string("cannot be read: ") + std::strerror(error);
            break;
        }
    }
    std::cerr << "narabe-match: " << file << ' ' << why << '\n';
    return std::nullopt;
}

// The openings of the match, or nothing after saying why the openings file gives none.
std::optional<std::vector<Opening>> matchOpenings(const Options& o) {
    if (o.openingsFile.empty()) return randomOpenings(o.openings, o.seed);
    const auto bytes = openingsFileBytes(o.openingsFile);
    if (!bytes) return std::nullopt;
    std::vector<Opening> openings;
    try {
        std::istringstream in(*bytes);
        openings = readOpenings(in);
    } catch (const std::exception& e) {
        std::cerr << "narabe-match: " << o.openingsFile << ": " << e.what() << '\n';
        return std::nullopt;
    }
    if (openings.empty()) {
        std::cerr << "narabe-match: " << o.openingsFile << " holds no opening\n";
        return std::nullopt;
    }
    if (o.openingsGiven && static_cast<int>(openings.size()) > o.openings)
        openings.resize(static_cast<std::size_t>(o.openings));
    return openings;
}

// Redraws the progress bar on standard error.
void progress(int played, int total, const MatchTable& table) {
    const int filled = total == 0 ? BAR_WIDTH : played * BAR_WIDTH / total;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(BAR_WIDTH, '.');
    std::cerr << "\r[" << bar << "] " << played << '/' << total << " games";
    if (played > 0)
        std::cerr << ", A " << table.tally(0).points() << " : B " << table.tally(1).points();
    std::cerr.flush();
}

int run(int argc, char* argv[]) {
    const auto read = readOptions(argc, argv);
    if (const int* status = std::get_if<int>(&read)) return *status;
    const Options& o = std::get<Options>(read);

    const auto openings = matchOpenings(o);
    if (!openings) return 1;

    adoptDescendants();
    const int total = 2 * static_cast<int>(openings->size());
    MatchTable table;
    const GameOptions options{o.moveTime};
    progress(0, total, table);
    for (std::size_t k = 0; k < openings->size(); ++k) {
        for (const std::size_t black : {0U, 1U}) {
            const std::size_t white = 1 - black;
            const GameResult r =
                playGame({o.engines[black], o.engines[white]}, (*openings)[k], options);
            endDescendants();
            if (r.fault == Fault::NOT_STARTED) {
                const std::size_t engine = r.winner == 1U ? black : white;
                std::cerr << "\nnarabe-match: engine " << (engine == 0 ? "A" : "B") << " ("
                          << o.engines[engine] << ") cannot be started: " << r.note << '\n';
                return 1;
            }
            table.add(black, white, r);
            if (r.fault != Fault::NONE) {
                const bool blackLost = r.winner == 1U;
                const std::size_t loser = blackLost ? black : white;
                std::cerr << "\r" << std::string(BAR_WIDTH + 40, ' ') << "\rgame " << table.games()
                          << ", opening " << k + 1 << ": " << (loser == 0 ? "A" : "B")
                          << (blackLost ? " (black) " : " (white) ") << r.note << '\n';
            }
            progress(table.games(), total, table);
        }
    }
    std::cerr << '\n';

    std::cout << total << " games from " << openings->size() << " openings ("
              << (o.openingsFile.empty() ? "random, seed " + std::to_string(o.seed)
                                         : o.openingsFile)
              << "), " << o.moveTime.count() << " ms a move + " << MOVE_GRACE.count()
              << " ms grace\n";
    table.print(std::cout, o.engines);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    try {
        return run(argc, argv);
    } catch (const std::exception& e) { // an engine's process could not be made
        endDescendants();
        std::cerr << "\nnarabe-match: " << e.what() << '\n';
        return 1;
    }
}
