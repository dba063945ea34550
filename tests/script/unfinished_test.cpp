// The unfinished game through the transcript: written beside the settings file on every way
// out while a game is under way, removed when none is, opened again by 前回の続き as the game
// it was, and a file in its place that is not the game's own left alone.
#include "script/moves.h"
#include "script/script_harness.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace narabe::test {
namespace {

namespace fs = std::filesystem;

const char* const UNFINISHED = "unfinished.sgf";

// The fields of a dump that the game reopened must show as it was.
std::string shown(const ScriptRun& r, std::size_t dump) {
    const std::vector<std::string> states = r.matching("state\t");
    const std::string& state = states.at(dump);
    std::string s;
    for (const char* f :
         {"GameState", "Turn", "ManStone", "MoveCount", "MoveTotal", "LastX", "LastY", "LastStone"})
        s += std::string(f) + "=" + field(state, f) + " ";
    const std::size_t at = r.find(state);
    for (std::size_t y = 1; y <= 19; ++y)
        s += "\n" + r.lines.at(at + y);
    return s;
}

struct WayOutCase {
    const char* name;
    std::string setup; // what is played before the way out
    const char* wayOut;
    bool kept; // a game is under way: the file holds it
};
void PrintTo(const WayOutCase& c, std::ostream* os) {
    *os << c.name;
}

class WaysOut : public ::testing::TestWithParam<WayOutCase> {};

// An old file of the user's is there before: it is replaced by the game, or removed. The game
// kept opens with 前回の続き as it was, waiting to be resumed; the next press resumes it.
TEST_P(WaysOut, KeepTheGameUnderWayOrRemoveTheOldOne) {
    const WayOutCase& c = GetParam();
    ScriptFolder folder;
    folder.writeFile(UNFINISHED, "(;GM[4];B[aa])");
    const ScriptRun played = folder.run(c.setup + "dump\n" + c.wayOut + "\n");
    ASSERT_EQ(played.status, 0) << played.err;
    ASSERT_EQ(played.lines.back(), "end");
    EXPECT_EQ(fs::exists(folder.path() / UNFINISHED), c.kept);
    EXPECT_EQ(folder.readFile("Narabe1.ini"), defaultSettingsBytes());
    if (!c.kept) return;
    EXPECT_EQ(folder.readFile(UNFINISHED).find(";B[aa]"), std::string::npos);

    const ScriptRun reopened = folder.run("menu ZENKAI\ndump\n");
    ASSERT_EQ(reopened.status, 0) << reopened.err;
    EXPECT_EQ(shown(reopened, 0), shown(played, 0));
    EXPECT_EQ(field(reopened.matching("state\t").at(0), "ResumePending"), "1");
    EXPECT_EQ(field(reopened.matching("state\t").at(0), "GameMode"),
              field(played.matching("state\t").at(0), "GameMode"));
    EXPECT_EQ(reopened.count("msgbox\t棋譜"), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Transcript, WaysOut,
    ::testing::Values(
        WayOutCase{"against_the_computer_esc", "menu SENTE\n" + press({9, 9}), "key 27", true},
        WayOutCase{"against_the_computer_as_white_quit", "menu GOTE\n" + press({9, 9}),
                   "menu SYURYOU", true},
        WayOutCase{"two_people_close_box", "menu TAIMAN\n" + alternate({{3, 3}, {5, 5}}, {{4, 4}}),
                   "close", true},
        // 先手 with white to move gives black the move: the file says so.
        WayOutCase{"side_switched_after_the_last_move",
                   "menu TAIMAN\n" + alternate({{3, 3}, {5, 5}}, {{4, 4}}) + "menu SENTE\n",
                   "key 27", true},
        WayOutCase{"stepped_back_and_forward",
                   "menu TAIMAN\n" + alternate({{3, 3}}, {{4, 4}}) + "menu MODORU\nmenu SUSUMU\n",
                   "key 27", true},
        WayOutCase{"no_game", "", "key 27", false},
        WayOutCase{"a_game_without_a_move", "menu SENTE\n", "close", false},
        WayOutCase{"after_to_the_start", "menu TAIMAN\n" + press({3, 3}) + "menu SAISYO\n",
                   "menu SYURYOU", false},
        WayOutCase{"after_a_five",
                   "menu TAIMAN\n" + alternate({{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}},
                                               {{9, 1}, {9, 2}, {9, 3}, {9, 4}}),
                   "key 27", false}),
    [](const ::testing::TestParamInfo<WayOutCase>& row) { return std::string(row.param.name); });

// What stands in the file's place when 前回の続き is chosen, and what the game does with it.
struct PlaceCase {
    const char* name;
    std::string bytes; // "<folder>", "<missing>", "<link>" to a note of the user's
    std::vector<std::string> printed;
};
void PrintTo(const PlaceCase& c, std::ostream* os) {
    *os << c.name;
}

class InItsPlace : public ::testing::TestWithParam<PlaceCase> {};

// A game is on the board before: nothing of it changes, and on the way out with that game
// under way the file in the place is still what it was; a link still names the note, which
// is unchanged.
TEST_P(InItsPlace, ChangesNothingButSaysWhy) {
    const PlaceCase& c = GetParam();
    ScriptFolder folder;
    const std::string note = "a note of the user's\n";
    folder.writeFile("note.txt", note);
    if (c.bytes == "<folder>")
        fs::create_directory(folder.path() / UNFINISHED);
    else if (c.bytes == "<link>")
        fs::create_symlink("note.txt", folder.path() / UNFINISHED);
    else if (c.bytes != "<missing>")
        folder.writeFile(UNFINISHED, c.bytes);
    const ScriptRun r = folder.run("menu TAIMAN\n" + alternate({{3, 3}}, {{4, 4}}) +
                                   "dump\nmenu ZENKAI\ndump\nkey 27\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> states = r.matching("state\t");
    ASSERT_EQ(states.size(), 2U);
    EXPECT_EQ(shown(r, 1), shown(r, 0));
    const std::size_t first = r.find(states[0]) + 39;
    EXPECT_EQ(std::vector<std::string>(r.lines.begin() + static_cast<long>(first),
                                       r.lines.begin() + static_cast<long>(r.find(states[1], first))),
              c.printed);
    EXPECT_EQ(folder.readFile("note.txt"), note);
    if (c.bytes == "<link>") {
        EXPECT_TRUE(fs::is_symlink(folder.path() / UNFINISHED));
    } else if (c.bytes == "<folder>") {
        EXPECT_TRUE(fs::is_directory(folder.path() / UNFINISHED));
    } else if (c.bytes == "<missing>") {
        EXPECT_NE(folder.readFile(UNFINISHED).find(";B[cc]\n;W[dd]"), std::string::npos);
    }
}

std::vector<std::string> refused(const std::string& text) {
    return {"dsPlay\t禁止.wav", "msgbox\t棋譜\t" + text};
}

INSTANTIATE_TEST_SUITE_P(
    Transcript, InItsPlace,
    ::testing::Values(
        PlaceCase{"missing", "<missing>", refused("前回の対局はありません")},
        PlaceCase{"a_folder", "<folder>", refused("ファイルを読めません")},
        PlaceCase{"a_link_to_a_note", "<link>", refused("SGF の棋譜ではありません")},
        PlaceCase{"not_sgf", "\x01\x02 not a record", refused("SGF の棋譜ではありません")},
        PlaceCase{"a_barred_move", "(;GM[4];B[il];W[qq];B[jl];W[qo];B[kj];W[qm];B[kk];W[qk];B[kl])",
                  refused("9 手目：3 * 3 です！打てません")}),
    [](const ::testing::TestParamInfo<PlaceCase>& row) { return std::string(row.param.name); });

// The game reopened against the computer goes on as it was: the resume press names the
// person's turn, and the next press is the person's move, which the computer answers.
TEST(Unfinished, AGameAgainstTheComputerGoesOnAsItWas) {
    ScriptFolder folder;
    const ScriptRun played = folder.run("menu GOTE\n" + press({9, 9}) + "key 27\n");
    ASSERT_EQ(played.status, 0) << played.err;
    const ScriptRun reopened =
        folder.run("menu ZENKAI\n" + press({1, 1}) + press({1, 1}) + "dump\n");
    ASSERT_EQ(reopened.status, 0) << reopened.err;
    const std::string state = reopened.matching("state\t").at(0);
    EXPECT_EQ(field(state, "GameState"), "2");
    EXPECT_EQ(field(state, "ManStone"), "15");
    EXPECT_EQ(field(state, "MoveCount"), "5");
    EXPECT_EQ(field(state, "LastStone"), "0");
    const std::size_t resumed = reopened.find("msgbox\t再開\tOKですか？");
    ASSERT_NE(resumed, std::string::npos);
    EXPECT_EQ(reopened.lines.at(resumed + 1), "msgbox\t再開\tＭＡＮの番です");
    EXPECT_NE(reopened.find("text\t7387.5\t1940\t10\t15\tCOM"), std::string::npos);
}

} // namespace
} // namespace narabe::test
