// Random games through narabe-script: seeded scripts of many games each, a dump after
// every command, and the game's invariants checked on every dump. The number of games is
// 1,000 by default; NARABE_SOAK_GAMES sets another (scripts/soak runs larger ones).
#include "script/script_harness.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <map>
#include <random>
#include <sstream>

namespace narabe::test {
namespace {

struct Dump {
    std::map<std::string, int> state; // "-" (unset) is -1
    std::array<std::string, 19> board;
    std::array<std::string, 19> flags;
    bool afterIgnoredOnly = false; // only "ignored" lines since the dump before
};

std::vector<Dump> dumps(const ScriptRun& r) {
    std::vector<Dump> out;
    std::size_t ignored = 0; // "ignored" lines since the last dump
    std::size_t others = 0;  // and all other lines
    for (std::size_t i = 0; i < r.lines.size(); ++i) {
        if (r.lines[i].rfind("state\t", 0) != 0) {
            ++(r.lines[i].rfind("ignored\t", 0) == 0 ? ignored : others);
            continue;
        }
        Dump d;
        d.afterIgnoredOnly = ignored > 0 && others == 0;
        ignored = 0;
        others = 0;
        for (const std::string& f : splitFields(r.lines[i])) {
            const auto eq = f.find('=');
            if (eq == std::string::npos) continue;
            const std::string v = f.substr(eq + 1);
            d.state[f.substr(0, eq)] = v == "-" ? -1 : std::stoi(v);
        }
        for (std::size_t k = 0; k < 19; ++k) {
            d.board[k] = r.lines.at(i + 1 + k).substr(6);
            d.flags[k] = r.lines.at(i + 20 + k).substr(6);
        }
        out.push_back(d);
        i += 38;
    }
    return out;
}

char at(const Dump& d, int x, int y) {
    return d.board[static_cast<std::size_t>(y - 1)][static_cast<std::size_t>(x - 1)];
}

char flag(const Dump& d, int x, int y) {
    return d.flags[static_cast<std::size_t>(y - 1)][static_cast<std::size_t>(x - 1)];
}

int stones(const Dump& d) {
    int n = 0;
    for (const auto& row : d.board)
        for (char c : row)
            n += c != '.';
    return n;
}

// The invariants between two commands; `prev` is the dump before the command.
void checkInvariants(const Dump& prev, const Dump& d, const std::string& where) {
    // Input dropped while the about dialog is open changes nothing.
    if (d.afterIgnoredOnly) {
        ASSERT_EQ(d.state, prev.state) << where;
        ASSERT_EQ(d.board, prev.board) << where;
        ASSERT_EQ(d.flags, prev.flags) << where;
    }
    const int state = d.state.at("GameState");
    const int count = d.state.at("MoveCount");
    ASSERT_TRUE(state == 9 || state == 2 || state == 3) << where;
    ASSERT_LE(count, d.state.at("MoveTotal")) << where;
    // The board holds exactly the moves counted, also after steps through the history.
    ASSERT_EQ(stones(d), count) << where << ": every move adds exactly one stone";
    if (state != 9) {
        const int turn = d.state.at("Turn");
        const int opp = d.state.at("Opponent");
        ASSERT_TRUE((turn == 0 && opp == 15) || (turn == 15 && opp == 0)) << where;
    }
    if (count > 0) {
        const char last = d.state.at("LastStone") == 0 ? 'X' : 'O';
        ASSERT_EQ(at(d, d.state.at("LastX"), d.state.at("LastY")), last) << where;
    }
    // Stones stay where they were played unless the board was reset for a new game.
    if (count >= prev.state.at("MoveCount") && count > 0)
        for (int x = 1; x <= 19; ++x)
            for (int y = 1; y <= 19; ++y)
                if (at(prev, x, y) != '.') {
                    ASSERT_EQ(at(d, x, y), at(prev, x, y)) << where;
                }
    // The computer's flags cover the centre and the square around every stone.
    ASSERT_EQ(d.flags[9][9], '1') << where;
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y) {
            if (at(d, x, y) == '.') continue;
            for (int i = std::max(1, x - 2); i <= std::min(19, x + 2); ++i)
                for (int j = std::max(1, y - 2); j <= std::min(19, y + 2); ++j)
                    ASSERT_EQ(flag(d, i, j), '1') << where;
        }
}

// Now and then, commands other than a press, each followed by a dump: a step through the
// history, the move numbers, the hint, the barred points' marks, the game saved and opened
// again, a button of the about dialog while it is closed, or the about dialog opened, sent a
// few commands it drops, and closed by one of its buttons.
std::string randomCommands(std::mt19937& rng) {
    static const char* const single[] = {
        "menu MODORU",     "menu MODORU",    "menu SUSUMU",
        "menu SUSUMU",     "menu SAISYO",    "menu BANGOU",
        "menu HINT",       "menu KINSYU",    "save soak.sgf\ndump\nopen soak.sgf",
        "button Command1", "button Command2"};
    static const char* const dropped[] = {
        "press 3300 3300", "menu MODORU", "menu SUSUMU", "menu TAIMAN",
        "menu BANGOU",     "key 27",      "close"};
    if (rng() % 10 != 0) return {};
    const std::size_t pick = rng() % (std::size(single) + 1);
    if (pick < std::size(single)) return std::string(single[pick]) + "\ndump\n";
    std::string s = "menu VER\ndump\n";
    for (auto n = rng() % 4; n > 0; --n)
        s += std::string(dropped[rng() % std::size(dropped)]) + "\ndump\n";
    return s + (rng() % 2 == 0 ? "button Command1\ndump\n" : "button Command2\ndump\n");
}

// One game: a start command, then presses mostly near the stones' usual area, some off
// the points; sometimes a switch of mode in the middle, and other commands now and then.
std::string randomGame(std::mt19937& rng) {
    static const char* const starts[] = {"menu TAIMAN", "menu SENTE", "menu GOTE"};
    std::ostringstream s;
    s << starts[rng() % 3] << "\ndump\n";
    std::normal_distribution<double> near(3300, 1500);
    std::uniform_real_distribution<double> anywhere(-500, 9000);
    const int presses = 10 + static_cast<int>(rng() % 70);
    for (int i = 0; i < presses; ++i) {
        if (rng() % 40 == 0) s << starts[rng() % 3] << "\ndump\n";
        s << randomCommands(rng);
        const bool stray = rng() % 15 == 0;
        const double x = stray ? anywhere(rng) : near(rng);
        const double y = stray ? anywhere(rng) : near(rng);
        s << "press " << static_cast<int>(x) << " " << static_cast<int>(y) << "\ndump\n";
    }
    return s.str();
}

int gamesWanted() {
    const char* env = std::getenv("NARABE_SOAK_GAMES");
    return env != nullptr ? std::max(1, std::atoi(env)) : 1000;
}

TEST(Soak, RandomGamesKeepEveryInvariantAfterEveryCommand) {
    const int games = gamesWanted();
    constexpr int perScript = 50;
    std::mt19937 rng(20261207);
    int played = 0;
    int won = 0;
    int drawn = 0;
    int moves = 0;
    int ignored = 0;
    for (int script = 0; played < games; ++script) {
        std::string text;
        const int n = std::min(perScript, games - played);
        for (int g = 0; g < n; ++g)
            text += randomGame(rng);
        played += n;
        ScriptFolder folder;
        const ScriptRun r = folder.run(text);
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<Dump> ds = dumps(r);
        ASSERT_FALSE(ds.empty());
        for (std::size_t i = 1; i < ds.size(); ++i) {
            checkInvariants(ds[i - 1], ds[i],
                            "script " + std::to_string(script) + " dump " + std::to_string(i));
            if (HasFatalFailure()) return;
        }
        won += static_cast<int>(r.count("msgbox\t\t"));
        drawn += static_cast<int>(r.count("msgbox\t判定\t引き分け"));
        moves += static_cast<int>(r.count("dsPlay\t石打音.wav"));
        ignored += static_cast<int>(r.count("ignored\t"));
    }
    std::printf("%d games, %d moves, %d won by five, %d drawn, %d ignored while the about dialog "
                "was open\n",
                played, moves, won, drawn, ignored);
    EXPECT_GT(ignored, 0) << "the about dialog should have dropped some input";
    EXPECT_GT(won, games / 4) << "most games should reach an end";
}

} // namespace
} // namespace narabe::test
