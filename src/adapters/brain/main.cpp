// narabe-brain: the game's computer as a Gomocup engine, speaking the protocol on standard
// input and output.
//
//   narabe-brain [--level 初級|中級|上級|1|2|3] [--help] [--version]
#include "adapters/brain/brain_session.h"
#include "adapters/brain/protocol_text.h"

#include <cerrno>
#include <iostream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view USAGE = "Usage: narabe-brain [--level 初級|中級|上級|1|2|3]\n";

constexpr std::string_view HELP =
    "NarabeI's computer as a Gomocup engine: the protocol on standard input and output,\n"
    "under the game's rules (exactly five wins; double three and double four are barred\n"
    "for both sides unless the move makes five), on the 19 x 19 board.\n"
    "\n"
    "  --level L   the strength: 初級 (1, the default), 中級 (2) or 上級 (3)\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n"
    "\n"
    "Commands: START 19, RESTART, BEGIN, TURN x,y, BOARD (x,y,field lines, then DONE),\n"
    "INFO timeout_turn|timeout_match|time_left|max_memory|show_detail VALUE, END, ABOUT.\n"
    "Points count from 0, x the column from the left, y the row from the top. A move is\n"
    "answered within INFO timeout_turn (1000 ms when none came or 0) and a share of the match\n"
    "time left; times are clamped to 0..2147483647 ms. With INFO show_detail 1 every depth\n"
    "searched is told in a line \"MESSAGE depth D eval E nodes N nps S pv x,y ...\". Other\n"
    "lines get \"ERROR message\".\n";

} // namespace

int main(int argc, char* argv[]) {
    using namespace narabe;
    Level level = Level::BEGINNER;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help") {
            std::cout << USAGE << HELP;
            return 0;
        }
        if (arg == "--version") {
            std::cout << "narabe-brain (NarabeⅠ) " NARABE_VERSION "\n";
            return 0;
        }
        if (arg != "--level" || i + 1 == argc) {
            std::cerr << "narabe-brain: unknown option '" << arg << "'\n" << USAGE;
            return 2;
        }
        const std::optional<Level> chosen = levelFromName(argv[++i]);
        if (!chosen) {
            std::cerr << "narabe-brain: unknown level '" << argv[i] << "'\n" << USAGE;
            return 2;
        }
        level = *chosen;
    }

    BrainSession session(level);
    LineSplitter splitter;
    std::vector<std::string> answers;
    const auto answer = [&](std::string_view line, BrainSession::Clock::time_point received) {
        answers.clear();
        session.handle(line, received, answers);
        for (const std::string& a : answers)
            std::cout << a << '\n';
        std::cout.flush();
    };
    char buffer[4096];
    while (!session.ended()) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break; // the manager is gone
        const auto received = BrainSession::Clock::now();
        splitter.feed(std::string_view(buffer, static_cast<std::size_t>(n)),
                      [&](std::string_view line) { answer(line, received); });
    }
    splitter.finish([&](std::string_view line) { answer(line, BrainSession::Clock::now()); });
    return 0;
}
