// Start-up and shutdown as the transcript shows them: the exact order of every line, with
// and without a settings file, with music, without a sound device, with a sound missing,
// and each of the three ways out.
#include "script/expected.h"
#include "script/moves.h"
#include "script/script_harness.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <optional>

namespace narabe::test {
namespace {

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<bool> ALL_LOADED{true, true, true, true, true};

// The lines the settings file may hold after the two, as the game writes them: "強さ=中級",
// "強さ=上級", "禁手表示=ON" in Shift-JIS.
const std::string CHUKYU_LINE = "\x8B\xAD\x82\xB3=\x92\x86\x8B\x89\r\n";
const std::string JOUKYU_LINE = "\x8B\xAD\x82\xB3=\x8F\xE3\x8B\x89\r\n";
const std::string KINSYU_LINE = "\x8B\xD6\x8E\xE8\x95\x5C\x8E\xA6=ON\r\n";

// The strength items' marks when the item `chosen` is chosen, in menu order.
std::vector<std::string> levelMarks(const std::string& chosen) {
    std::vector<std::string> lines;
    for (const std::string item : {"SYOKYU", "CHUKYU", "JOUKYU"})
        lines.push_back("check\t" + item + "\t" + (item == chosen ? "1" : "0"));
    return lines;
}

struct StartupCase {
    const char* name;
    std::optional<std::string> ini; // nothing: no settings file
    std::string options;
    std::string missingSound; // a sound file removed before the run
    std::vector<std::string> sound;
    std::vector<std::string> settings;
    std::string script;
    std::vector<std::string> tail;
    std::string iniAfter;
};
void PrintTo(const StartupCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<StartupCase> cases() {
    const std::vector<std::string> bothOff{"check\tBANGOU\t0", "check\tBGM\t0"};
    const std::vector<std::string> noDevice{
        "dsInitialize\t0", "warning\tNarabe1.dll\tDirect Soundインターフェースが作成できません。"};
    std::vector<std::string> withoutEnd = soundLoadLines();
    withoutEnd.erase(withoutEnd.begin() + 4); // 終局.wav
    return {
        {"settings_off_esc", settingsBytes(false, false), "", "", soundLoadLines(), bothOff,
         "key 27\ndump\n", shutdownLines(true, ALL_LOADED), settingsBytes(false, false)},
        {"no_settings_file_close", std::nullopt, "", "", soundLoadLines(), bothOff, "close\n",
         shutdownLines(true, ALL_LOADED), defaultSettingsBytes()},
        {"music_on_menu_end",
         settingsBytes(false, true),
         "",
         "",
         soundLoadLines(),
         {"check\tBANGOU\t0", "check\tBGM\t1", "dsPlayLooping\tBGM.wav"},
         "key 13\nkey 65\nmenu SYURYOU\n",
         shutdownLines(true, ALL_LOADED),
         settingsBytes(false, true)},
        {"numbers_on",
         settingsBytes(true, false),
         "",
         "",
         soundLoadLines(),
         {"check\tBANGOU\t1", "check\tBGM\t0"},
         "key 27\n",
         shutdownLines(true, ALL_LOADED),
         settingsBytes(true, false)},
        {"no_sound_device",
         settingsBytes(false, true),
         "--no-sound-device",
         "",
         noDevice,
         {"check\tBANGOU\t0", "check\tBGM\t1", "dsPlayLooping\t0"},
         "key 27\n",
         shutdownLines(false, {false, false, false, false, false}),
         settingsBytes(false, true)},
        {"sound_file_missing", settingsBytes(false, false), "", "終局.wav", withoutEnd, bothOff,
         "close\nkey 27\n", shutdownLines(true, {true, true, true, false, true}),
         settingsBytes(false, false)},
        // The toggle of the move numbers saves them at once.
        {"numbers_toggled_on", settingsBytes(false, false), "", "", soundLoadLines(), bothOff,
         "menu BANGOU\nkey 27\n", concat({"check\tBANGOU\t1"}, shutdownLines(true, ALL_LOADED)),
         settingsBytes(true, false)},
        // The strength and the barred-point marks: read back from their lines, chosen from
        // the menu and saved after the two lines only when not at their defaults.
        {"strength_line_read", settingsBytes(false, true) + JOUKYU_LINE + KINSYU_LINE, "", "",
         soundLoadLines(),
         concat(concat({"check\tBANGOU\t0", "check\tBGM\t1", "dsPlayLooping\tBGM.wav"},
                       levelMarks("JOUKYU")),
                {"check\tKINSYU\t1"}),
         "key 27\n", shutdownLines(true, ALL_LOADED),
         settingsBytes(false, true) + JOUKYU_LINE + KINSYU_LINE},
        {"strength_other_value_is_syokyu", settingsBytes(false, false) + "\x8B\xAD\x82\xB3=3\r\n",
         "", "", soundLoadLines(), concat(bothOff, levelMarks("SYOKYU")), "menu BGM\nkey 27\n",
         concat({"check\tBGM\t1", "dsPlayLooping\tBGM.wav"}, shutdownLines(true, ALL_LOADED)),
         settingsBytes(false, true)},
        {"strength_chosen_and_saved", settingsBytes(false, false), "", "", soundLoadLines(),
         bothOff, "menu JOUKYU\nmenu SYOKYU\nmenu KINSYU\nmenu CHUKYU\nkey 27\n",
         concat(concat(concat(levelMarks("JOUKYU"), levelMarks("SYOKYU")),
                       concat({"check\tKINSYU\t1"}, levelMarks("CHUKYU"))),
                shutdownLines(true, ALL_LOADED)),
         settingsBytes(false, false) + CHUKYU_LINE + KINSYU_LINE},
    };
}

class Startup : public ::testing::TestWithParam<StartupCase> {};

TEST_P(Startup, TranscriptIsExactlyStartupThenShutdown) {
    const StartupCase& c = GetParam();
    ScriptFolder folder;
    if (c.ini) folder.writeFile("Narabe1.ini", *c.ini);
    if (!c.missingSound.empty()) folder.remove(c.missingSound);

    const ScriptRun r = folder.run(c.script, c.options);

    EXPECT_EQ(r.status, 0) << r.err;
    const auto expected = concat(startupLines(c.sound, c.settings), c.tail);
    ASSERT_EQ(r.lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(r.lines[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(folder.readFile("Narabe1.ini"), c.iniAfter);
}

INSTANTIATE_TEST_SUITE_P(Transcript, Startup, ::testing::ValuesIn(cases()),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(StartupState, DumpAfterStartupShowsTheEmptyBoardAndOnlyTheCentreFlagged) {
    ScriptFolder folder;
    const ScriptRun r = folder.run("dump\n");
    const auto state = r.matching("state\t");
    ASSERT_EQ(state.size(), 1u);
    EXPECT_EQ(state[0], "state\tGameState=9\tGameMode=9\tTurn=9\tOpponent=-\tManStone=-\t"
                        "ComStone=-\tResumePending=0\tMoveCount=0\tMoveTotal=0\tLastX=0\t"
                        "LastY=0\tLastStone=-");
    const auto board = r.matching("board\t");
    const auto flags = r.matching("flags\t");
    ASSERT_EQ(board.size(), 19u);
    ASSERT_EQ(flags.size(), 19u);
    for (int y = 1; y <= 19; ++y) {
        EXPECT_EQ(board[static_cast<std::size_t>(y - 1)], "board\t" + std::string(19, '.'));
        std::string row(19, '0');
        if (y == 10) row[9] = '1';
        EXPECT_EQ(flags[static_cast<std::size_t>(y - 1)], "flags\t" + row);
    }
}

TEST(ScriptInput, UnparsableLineEndsTheRunWithStatusTwoAfterTheTranscriptSoFar) {
    const std::vector<std::pair<std::string, int>> scripts = {
        {"key 13\npress 1\n", 2},
        {"jump\n", 1},
        {"press 1e3 5\n", 1},
        {"menu NOSUCH\n", 1},
        {"key x\n", 1},
        // A key code beyond 32 bits is refused, not wrapped around to Esc (27).
        {"key 4294967323\n", 1},
        {"key -4294967269\n", 1},
        {"button Command3\n", 1},
        {"# c\n\n  dump extra\n", 3},
        // A line longer than 1 MiB is refused however well it would parse.
        {"key 13\ndump" + std::string(1024 * 1024 - 4 + 1, ' ') + "\n", 2},
        {"dump" + std::string(3 * 1024 * 1024, ' '), 1},
    };
    for (const auto& [script, badLine] : scripts) {
        ScriptFolder folder;
        const ScriptRun r = folder.run(script);
        EXPECT_EQ(r.status, 2) << script;
        EXPECT_NE(r.err.find("line " + std::to_string(badLine)), std::string::npos) << r.err;
        EXPECT_EQ(r.lines.back(), "picture\tPG_NAME\t6915\t207.5") << script;
    }
}

TEST(ScriptInput, FailuresToReadTheScriptOrWriteTheTranscriptExitWithOne) {
    ScriptFolder folder;
    folder.writeFile("s", "dump\n");
    EXPECT_EQ(folder.runRaw("s > /dev/null 2>&1"), 0);
    EXPECT_EQ(folder.runRaw(". > /dev/null 2>&1"), 1) << "a folder is no script";
    EXPECT_EQ(folder.runRaw("no-such-script > /dev/null 2>&1"), 1);
    EXPECT_EQ(folder.runRaw("--no-such-option s > /dev/null 2>&1"), 1);
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_EQ(folder.runRaw("s > /dev/full 2>/dev/null"), 1) << "a full disk";
    }
}

// An error message shows at most 60 characters of the bad token, and then its length.
TEST(ScriptInput, ErrorsQuoteAtMostSixtyCharactersOfTheBadToken) {
    std::string kana60;
    for (int i = 0; i < 60; ++i)
        kana60 += "ガ";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"jump\n", "line 1: unknown command \"jump\"\n"},
        {std::string(60, 'j') + "\n", "line 1: unknown command \"" + std::string(60, 'j') + "\"\n"},
        {std::string(100000, 'j') + "\n",
         "line 1: unknown command \"" + std::string(60, 'j') + "...\" (100000 bytes)\n"},
        {"menu " + kana60 + "ガ\n",
         "line 1: no menu item named \"" + kana60 + "...\" (183 bytes)\n"},
        {"key 1" + std::string(99, 'x') + "\n", "line 1: key takes a whole number, not \"1" +
                                                    std::string(59, 'x') + "...\" (100 bytes)\n"},
        {"dump\npress 1 " + std::string(70, '.') + "\n",
         "line 2: press takes decimal numbers, not \"" + std::string(60, '.') +
             "...\" (70 bytes)\n"},
    };
    for (const auto& [script, message] : cases) {
        ScriptFolder folder;
        const ScriptRun r = folder.run(script);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "narabe-script: " + message);
    }
}

// The script is read from a regular file, a pipe or a terminal; anything else, such as a
// device that never ends, is refused at once.
TEST(ScriptInput, ReadsRegularFilesAndPipesAndRefusesDevices) {
    ScriptFolder folder;
    folder.writeFile("s", "dump\n");
    folder.writeFile("mib", "dump" + std::string(1024 * 1024 - 4, ' ') + "\r\n");
    folder.writeFile("mib-lf", "dump" + std::string(1024 * 1024 - 4, ' ') + "\n");
    folder.writeFile("mib-last", "dump\ndump" + std::string(1024 * 1024 - 4, ' '));
    ASSERT_EQ(::mkfifo((folder.path() / "p").c_str(), 0600), 0);
    // The runner in the background reads the pipe that cat then writes.
    const std::string catIntoPipe = " & cat '" + (folder.path() / "s").string() + "' > '" +
                                    (folder.path() / "p").string() + "'; wait $!";
    const std::vector<std::pair<std::string, int>> runs = {
        {"s >/dev/null", 0},
        {"mib >/dev/null", 0},      // a line of 1 MiB and a CR
        {"mib-lf >/dev/null", 0},   // a line of 1 MiB
        {"mib-last >/dev/null", 0}, // a last line of 1 MiB without a line end
        {"- < mib >/dev/null", 0},
        {"- < s >/dev/null", 0},
        {"p >/dev/null" + catIntoPipe, 0},
        {"- < p >/dev/null" + catIntoPipe, 0},
        {"/dev/zero 2>/dev/null", 2},
        {"- < /dev/zero 2>/dev/null", 2},
        {"/dev/null 2>/dev/null", 2},
    };
    for (const auto& [arguments, status] : runs)
        EXPECT_EQ(folder.runRaw(arguments), status) << arguments;
}

TEST(ScriptInput, ButtonWithoutTheAboutDialogIsIgnoredAsWritten) {
    ScriptFolder folder;
    const ScriptRun r = folder.run("  button\tCommand2\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.lines.back(), "ignored\t  button\tCommand2");
}

} // namespace
} // namespace narabe::test

namespace narabe::test {
namespace {

std::vector<std::string> afterStartup(const ScriptRun& r) {
    const std::size_t title = r.find("picture\tPG_NAME\t6915\t207.5");
    if (title == std::string::npos) return {};
    return {r.lines.begin() + static_cast<std::ptrdiff_t>(title) + 1, r.lines.end()};
}

TEST(Music, ToggleChecksPlaysStopsAndRewritesTheFileEachTime) {
    ScriptFolder folder;
    folder.writeFile("Narabe1.ini", settingsBytes(true, false));
    const ScriptRun once = folder.run("menu BGM\n");
    EXPECT_EQ(afterStartup(once),
              (std::vector<std::string>{"check\tBGM\t1", "dsPlayLooping\tBGM.wav"}));
    EXPECT_EQ(folder.readFile("Narabe1.ini"), settingsBytes(true, true));

    const ScriptRun twice = folder.run("menu BGM\n");
    EXPECT_EQ(afterStartup(twice), (std::vector<std::string>{"check\tBGM\t0", "dsStop\tBGM.wav"}));
    EXPECT_EQ(folder.readFile("Narabe1.ini"), settingsBytes(true, false));
}

TEST(Music, WithoutASoundDeviceTheToggleStillChecksAndWrites) {
    ScriptFolder folder;
    const ScriptRun r = folder.run("menu BGM\n", "--no-sound-device");
    EXPECT_EQ(afterStartup(r), (std::vector<std::string>{"check\tBGM\t1", "dsPlayLooping\t0"}));
    EXPECT_EQ(folder.readFile("Narabe1.ini"), settingsBytes(false, true));
}

// A folder named Narabe1.ini: reading fails, so do both writes; the game carries on with
// both options cleared, and the music that was switched on stops with its check.
TEST(Music, FailingWritesClearBothChecksAndTheGameGoesOn) {
    ScriptFolder folder;
    std::filesystem::create_directory(folder.path() / "Narabe1.ini");
    const ScriptRun r = folder.run("menu BGM\nmenu TAIMAN\ndump\n");
    EXPECT_EQ(r.status, 0);
    const auto tail = afterStartup(r);
    ASSERT_GE(tail.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(tail.begin(), tail.begin() + 5),
              (std::vector<std::string>{"check\tBGM\t1", "dsPlayLooping\tBGM.wav",
                                        "check\tBANGOU\t0", "check\tBGM\t0", "dsStop\tBGM.wav"}));
    EXPECT_EQ(r.count("msgbox\t \t先手の番です"), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "Narabe1.ini"));
}

// The same game with the sound effects on and off: every stone, refusal, end and about-box
// sound goes with them, and the music stays. The file gets its line; 効果音 again takes it
// away.
TEST(SoundEffects, OffSilencesEverySoundButTheMusic) {
    const std::string game =
        "menu BGM\nmenu VER\nbutton Command2\nmenu HINT\nmenu TAIMAN\n" +
        alternate({{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}}, {{9, 1}, {9, 2}, {9, 3}, {9, 4}}) +
        press({1, 1}) + "menu MATTA\nmenu MODORU\nmenu SAISYO\nmenu MODORU\n";
    ScriptFolder on;
    const ScriptRun heard = on.run(game);
    ScriptFolder off;
    const ScriptRun silent = off.run("menu KOUKAON\n" + game);
    ASSERT_EQ(silent.status, 0) << silent.err;
    EXPECT_EQ(afterStartup(silent).at(0), "check\tKOUKAON\t0");
    EXPECT_EQ(silent.count("dsPlay\t"), 0U);
    EXPECT_GT(heard.count("dsPlay\t"), 15U);
    for (const char* wav : {"石打音", "禁止", "終局", "その他"})
        EXPECT_GT(heard.count(std::string("dsPlay\t") + wav + ".wav"), 0U) << wav;
    EXPECT_EQ(silent.count("dsPlayLooping\tBGM.wav"), 1U);
    // Nothing else differs: the same drawing, boxes and checks.
    std::vector<std::string> rest;
    for (const std::string& line : afterStartup(heard))
        if (!line.starts_with("dsPlay\t")) rest.push_back(line);
    std::vector<std::string> silentRest = afterStartup(silent);
    silentRest.erase(silentRest.begin());
    EXPECT_EQ(silentRest, rest);
    EXPECT_EQ(off.readFile("Narabe1.ini"),
              settingsBytes(false, true) + "\x8C\xF8\x89\xCA\x89\xB9=OFF\r\n");

    const ScriptRun again = off.run("menu KOUKAON\n");
    EXPECT_EQ(afterStartup(again).at(0), "check\tKOUKAON\t1");
    EXPECT_EQ(off.readFile("Narabe1.ini"), settingsBytes(false, true));
}

// A settings file that reports a size of 0 and holds more than the largest file read: the
// process's own environment, made larger than 64 KiB. It is a read error, and the link to a
// file that does not read as settings is not written through.
TEST(Settings, LinkToAFileLargerThanItsReportedSizeIsAReadError) {
    ScriptFolder folder;
    std::filesystem::create_symlink("/proc/self/environ", folder.path() / "Narabe1.ini");
    const ScriptRun r = folder.run("key 27\n", "", "PAD=" + std::string(70 * 1024, 'x'));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.count("check\tBANGOU\t0"), 2u); // one at start-up, one for the error
    EXPECT_EQ(r.count("check\tBGM\t0"), 1u);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "Narabe1.ini"));
}

} // namespace
} // namespace narabe::test
