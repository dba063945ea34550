// 待った through the transcript: what it takes back in each situation, and that play goes on
// at once from the position it leaves.
#include "script/moves.h"
#include "script/script_harness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace narabe::test {
namespace {

// Black's four on row 10 and white's stones on row 1: seven moves, white to move.
const std::string BLACK_FOUR =
    "menu TAIMAN\n" + alternate({{3, 10}, {4, 10}, {5, 10}, {6, 10}}, {{3, 1}, {5, 1}, {7, 1}});
// The same with white's fourth stone: eight moves, black to move.
const std::string BLACK_FOUR_BLACK_TO_MOVE = BLACK_FOUR + press({9, 1});

struct TakeBackCase {
    const char* name;
    std::string setup;
    bool refused;
    // The state after it: MoveCount (also MoveTotal), Turn, GameState.
    const char* count = "";
    const char* turn = "";
    const char* state = "";
};
void PrintTo(const TakeBackCase& c, std::ostream* os) {
    *os << c.name;
}

class TakeBack : public ::testing::TestWithParam<TakeBackCase> {};

// After it, a press on a free point is a move at once: no resume message, one more stone (and
// the computer's answer against it).
TEST_P(TakeBack, TakesBackToTheHumansTurnAndPlayGoesOnAtOnce) {
    const TakeBackCase& c = GetParam();
    ScriptFolder folder;
    const ScriptRun r =
        folder.run(c.setup + "dump\nmenu MATTA\ndump\n" + press({15, 15}) + "dump\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> states = r.matching("state\t");
    ASSERT_EQ(states.size(), 3U);
    const std::size_t before = r.find(states[0]);
    const std::size_t taken = r.find(states[1], before + 1);
    const std::vector<std::string> printed(r.lines.begin() + static_cast<long>(before) + 39,
                                           r.lines.begin() + static_cast<long>(taken));
    if (c.refused) {
        EXPECT_EQ(printed, std::vector<std::string>{"dsPlay\t禁止.wav"});
        EXPECT_EQ(std::vector<std::string>(r.lines.begin() + static_cast<long>(taken),
                                           r.lines.begin() + static_cast<long>(taken) + 39),
                  std::vector<std::string>(r.lines.begin() + static_cast<long>(before),
                                           r.lines.begin() + static_cast<long>(before) + 39));
        return;
    }
    EXPECT_EQ(field(states[1], "MoveCount"), c.count);
    EXPECT_EQ(field(states[1], "MoveTotal"), c.count);
    EXPECT_EQ(field(states[1], "Turn"), c.turn);
    EXPECT_EQ(field(states[1], "GameState"), c.state);
    EXPECT_EQ(field(states[1], "ResumePending"), "0");
    EXPECT_EQ(std::count(printed.begin(), printed.end(), "dsPlay\t石打音.wav"), 1);
    for (const std::string& line : printed)
        EXPECT_FALSE(line.starts_with("msgbox")) << line;

    const std::size_t pressed = r.find(states[2], taken + 1);
    for (std::size_t i = taken + 39; i < pressed; ++i)
        EXPECT_FALSE(r.lines[i].starts_with("msgbox\t再開")) << r.lines[i];
    const int count = std::stoi(c.count);
    const int expected = count + (std::string(c.state) == "2" ? 2 : 1);
    EXPECT_EQ(field(states[2], "MoveCount"), std::to_string(expected));
    EXPECT_NE(r.lines[pressed + 15].substr(std::string("board\t").size() + 14, 1), ".");
}

INSTANTIATE_TEST_SUITE_P(
    Transcript, TakeBack,
    ::testing::Values(
        TakeBackCase{"against_the_computer_after_its_answer",
                     "menu SENTE\n" + press({9, 9}) + press({9, 12}), false, "2", "0", "2"},
        // 先手 in a game between two people gives black the move: black's stone stands and
        // the computer has not answered it.
        TakeBackCase{"against_the_computer_before_its_answer",
                     "menu TAIMAN\n" + press({9, 9}) + "menu SENTE\n", false, "0", "0", "2"},
        TakeBackCase{"after_the_humans_five_against_the_computer",
                     BLACK_FOUR_BLACK_TO_MOVE + "menu SENTE\n" + press({7, 10}), false, "8", "0",
                     "2"},
        // 後手 gives the computer black's four: it wins at once. Its five and black's stone
        // before it are the computer's side; white's last stone is the human's.
        TakeBackCase{"after_the_computers_five", BLACK_FOUR + "menu GOTE\n", false, "5", "15", "2"},
        TakeBackCase{"after_a_five_between_two_people", BLACK_FOUR_BLACK_TO_MOVE + press({7, 10}),
                     false, "8", "0", "3"},
        TakeBackCase{"between_two_people", "menu TAIMAN\n" + alternate({{3, 3}, {5, 3}}, {{4, 4}}),
                     false, "2", "0", "3"},
        TakeBackCase{"at_the_computers_first_move", "menu GOTE\n", true},
        TakeBackCase{"at_the_first_move_between_two_people", "menu TAIMAN\n", true},
        TakeBackCase{"before_any_game", "", true},
        TakeBackCase{"after_stepping_back",
                     "menu TAIMAN\n" + alternate({{3, 3}, {5, 3}}, {{4, 4}}) + "menu MODORU\n",
                     true},
        TakeBackCase{"after_stepping_forward",
                     "menu TAIMAN\n" + alternate({{3, 3}, {5, 3}}, {{4, 4}}) +
                         "menu MODORU\nmenu SUSUMU\n",
                     true},
        TakeBackCase{"after_a_record_opened",
                     "menu TAIMAN\n" + press({3, 3}) + "save r.sgf\nopen r.sgf\n", true},
        TakeBackCase{"after_to_the_start", "menu TAIMAN\n" + press({3, 3}) + "menu SAISYO\n",
                     true}),
    [](const ::testing::TestParamInfo<TakeBackCase>& row) { return std::string(row.param.name); });

// A single take-back between two people shows the position exactly as a step back does:
// the same lines, stone by stone.
TEST(TakeBackDrawing, ShowsThePositionAsAStepBackDoes) {
    const std::string setup =
        "menu TAIMAN\nmenu BANGOU\n" + alternate({{3, 3}, {5, 3}, {3, 7}}, {{4, 4}, {6, 6}});
    const ScriptFolder once;
    const ScriptRun taken = once.run(setup + "dump\nmenu MATTA\ndump\n");
    const ScriptFolder again;
    const ScriptRun stepped = again.run(setup + "dump\nmenu MODORU\ndump\n");
    const auto between = [](const ScriptRun& r) {
        const std::vector<std::string> states = r.matching("state\t");
        const std::size_t first = r.find(states.at(0)) + 39;
        return std::vector<std::string>(r.lines.begin() + static_cast<long>(first),
                                        r.lines.begin() +
                                            static_cast<long>(r.find(states.at(1), first)));
    };
    EXPECT_EQ(between(taken), between(stepped));
    EXPECT_GT(between(taken).size(), 5U);
}

} // namespace
} // namespace narabe::test
