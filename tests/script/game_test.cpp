// Whole games through the transcript: starting and switching games, human moves and
// their refusals, the computer's answers and the end of a game.
#include "script/expected.h"
#include "script/moves.h"
#include "script/script_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace narabe::test {
namespace {

const std::size_t STARTUP = startupLines(soundLoadLines(), {"", ""}).size();

// Every strength draws the same turn: the thinking of a searching level fills the first
// pause, which is printed as it is.
class GoteAtStartup : public ::testing::TestWithParam<std::string> {};

TEST_P(GoteAtStartup, LetsTheComputerOpenOnTheCentreWithoutAMessage) {
    ScriptFolder folder;
    const std::string& level = GetParam();
    const ScriptRun r = folder.run((level.empty() ? "" : "menu " + level + "\n") + "menu GOTE\n");
    const std::size_t marks = level.empty() ? 0 : 3; // the strength items' check lines
    const std::vector<std::string> expected = {
        "fill\t6915\t1940\t1800\t2600\t2",
        "fill\t6915\t1940\t1250\t600\t2",
        "picture\tKUROSOTO\t6915\t1940",
        "picture\tSIROSOTO\t6915\t2255",
        "text\t7387.5\t1940\t10\t15\tCOM",
        "text\t7387.5\t2255\t10\t15\tMAN",
        "text\t6915\t3515\t12\t15\t思考中",
        "refresh",
        "wait\t0.5",
        "fill\t6915\t3515\t1000\t300\t2",
        "picture\tKURONAKA\t3450\t3200",
        "wait\t0.5",
        "dsPlay\t石打音.wav",
        "circle\t3600\t3350\t50\t11",
        "refresh",
        "wait\t0.2",
        "fill\t6757.5\t2885\t1000\t300\t2",
        "text\t6915\t2885\t11\t15\t 1 ",
        "text\t7230\t2885\t11\t15\t手目",
    };
    EXPECT_EQ(after(r, STARTUP + marks), expected);
}

INSTANTIATE_TEST_SUITE_P(StartingGames, GoteAtStartup, ::testing::Values("", "CHUKYU", "JOUKYU"),
                         [](const auto& p) { return p.param.empty() ? "SYOKYU" : p.param; });

struct StartCase {
    const char* name;
    std::string script;
    std::vector<std::string> panelAndMessage;
    std::string state;
};
void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.name;
}

class StartCommands : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartCommands, DrawThePanelAndNameTheSideToMove) {
    const StartCase& c = GetParam();
    ScriptFolder folder;
    const ScriptRun r = folder.run(c.script + "dump\n");
    auto tail = after(r, STARTUP);
    tail.resize(c.panelAndMessage.size());
    EXPECT_EQ(tail, c.panelAndMessage);
    const auto state = r.matching("state\t");
    ASSERT_FALSE(state.empty());
    EXPECT_EQ(state.back().substr(0, c.state.size()), c.state);
}

INSTANTIATE_TEST_SUITE_P(
    Transcript, StartCommands,
    ::testing::Values(
        StartCase{"sente",
                  "menu SENTE\n",
                  {"fill\t6915\t1940\t1800\t2600\t2", "fill\t6915\t1940\t1250\t600\t2",
                   "picture\tKUROSOTO\t6915\t1940", "picture\tSIROSOTO\t6915\t2255",
                   "text\t7387.5\t1940\t10\t15\tMAN", "text\t7387.5\t2255\t10\t15\tCOM",
                   "msgbox\t \tＭＡＮの番です"},
                  "state\tGameState=2\tGameMode=2\tTurn=0\tOpponent=15\tManStone=0\tComStone=15"},
        StartCase{"taiman",
                  "menu TAIMAN\n",
                  {"fill\t6915\t1940\t1800\t2600\t2", "fill\t6915\t1940\t1250\t600\t2",
                   "picture\tKUROSOTO\t6915\t1940", "picture\tSIROSOTO\t6915\t2255",
                   "text\t7387.5\t1940\t10\t15\t先手", "text\t7387.5\t2255\t10\t15\t後手",
                   "msgbox\t \t先手の番です"},
                  "state\tGameState=3\tGameMode=3\tTurn=0\tOpponent=15\tManStone=0\tComStone=15"},
        // Between two people with white to move: 対MAN keeps the side to move...
        StartCase{"taiman_keeps_white_to_move",
                  "menu TAIMAN\n" + press({4, 4}) + "menu TAIMAN\n",
                  {"fill\t6915\t1940\t1800\t2600\t2", "fill\t6915\t1940\t1250\t600\t2",
                   "picture\tKUROSOTO\t6915\t1940", "picture\tSIROSOTO\t6915\t2255",
                   "text\t7387.5\t1940\t10\t15\t先手", "text\t7387.5\t2255\t10\t15\t後手",
                   "msgbox\t \t先手の番です"},
                  "state\tGameState=3\tGameMode=3\tTurn=15\tOpponent=0\tManStone=0\tComStone=15"
                  "\tResumePending=0\tMoveCount=1"},
        // After a step back the next press would ask to resume; 対MAN drops that question.
        StartCase{"taiman_after_back_clears_the_resume_question",
                  "menu TAIMAN\n" + press({4, 4}) + press({5, 5}) + "menu MODORU\nmenu TAIMAN\n",
                  {"fill\t6915\t1940\t1800\t2600\t2", "fill\t6915\t1940\t1250\t600\t2",
                   "picture\tKUROSOTO\t6915\t1940", "picture\tSIROSOTO\t6915\t2255",
                   "text\t7387.5\t1940\t10\t15\t先手", "text\t7387.5\t2255\t10\t15\t後手",
                   "msgbox\t \t先手の番です"},
                  "state\tGameState=3\tGameMode=3\tTurn=15\tOpponent=0\tManStone=0\tComStone=15"
                  "\tResumePending=0\tMoveCount=1\tMoveTotal=2"},
        // ...while 先手 gives the move to black, played by the human.
        StartCase{"sente_gives_black_the_move",
                  "menu TAIMAN\n" + press({4, 4}) + "menu SENTE\n",
                  {"fill\t6915\t1940\t1800\t2600\t2"},
                  "state\tGameState=2\tGameMode=2\tTurn=0\tOpponent=15\tManStone=0\tComStone=15"
                  "\tResumePending=0\tMoveCount=1"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SwitchingModes, TaimanWithWhiteToMoveOnlyNamesWhiteAndKeepsTheBoard) {
    ScriptFolder folder;
    const ScriptRun r = folder.run("menu TAIMAN\n" + press({4, 4}) + "dump\nmenu TAIMAN\ndump\n");
    const auto states = r.matching("state\t");
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(states[0], states[1]);
    const std::size_t second = r.find("msgbox\t \t後手の番です");
    ASSERT_NE(second, std::string::npos);
    // Only the panel and the message between the two dumps: no board drawing.
    EXPECT_EQ(r.lines[second - 5], "fill\t6915\t1940\t1250\t600\t2");
}

TEST(HumanMove, PressMappingRoundsTowardsMinusInfinity) {
    ScriptFolder folder;
    const ScriptRun r = folder.run("menu TAIMAN\npress 614 400\npress 615 400\npress 929.99 "
                                   "679.99\npress 930 680\n");
    const std::size_t start = r.find("msgbox\t \t先手の番です");
    ASSERT_NE(start, std::string::npos);
    const auto tail = after(r, start + 1);
    ASSERT_GE(tail.size(), 3u);
    EXPECT_EQ(tail[0], "dsPlay\t禁止.wav"); // X = 614: the row-number strip
    EXPECT_EQ(tail[1], "picture\tKUROUEHIDARI\t615\t365");
    // 929.99 / 679.99 is still (1, 1), now occupied; 930 / 680 is (2, 2).
    EXPECT_EQ(r.count("dsPlay\t禁止.wav"), 2u);
    EXPECT_EQ(r.count("picture\tSIRONAKA\t930\t680"), 1u);
}

TEST(HumanMove, PressesOffThePointsOrOnStonesPlayOnlyTheRefusalSound) {
    const std::vector<std::string> presses = {
        "press 700 100",   // the column-letter strip, y = 0
        "press 400 2000",  // the row-number strip, x = 0
        "press 7000 3000", // the side panel
        "press 6700 2000", // right of the board, x = 20
        "press -100 -100", // left of and above the window origin
        "press 3000 6700", // below the board, y = 21
        "press 1100 1100", // (2, 3): the black stone
    };
    for (const std::string& p : presses) {
        ScriptFolder folder;
        const ScriptRun r = folder.run("menu TAIMAN\n" + press({2, 3}) + "dump\n" + p + "\ndump\n");
        // The two dumps (39 lines each) are the same, with only the sound between them.
        const std::size_t n = r.lines.size();
        ASSERT_GT(n, 79u);
        const auto first = r.lines.begin() + static_cast<std::ptrdiff_t>(n - 79);
        EXPECT_TRUE(std::equal(first, first + 39, first + 40)) << p;
        EXPECT_EQ(r.lines[n - 40], "dsPlay\t禁止.wav") << p;
    }
}

TEST(HumanMove, NoGameRefusesEveryPressWithTheStartMessage) {
    ScriptFolder folder;
    const ScriptRun r = folder.run(press({10, 10}) + "press 0 0\n");
    EXPECT_EQ(after(r, STARTUP), (std::vector<std::string>{
                                     "dsPlay\t禁止.wav", "msgbox\t開始\t「対局」で始めて下さい",
                                     "dsPlay\t禁止.wav", "msgbox\t開始\t「対局」で始めて下さい"}));
}

// Two straight threes through (10, 10): on the row and on the column.
const std::vector<Pt> CROSS = {{9, 10}, {11, 10}, {10, 9}, {10, 11}};
const std::vector<Pt> FAR = {{1, 1}, {1, 3}, {1, 5}, {1, 7}, {1, 9}};

struct ForbiddenCase {
    const char* name;
    std::string moves;
    std::string message;
};
void PrintTo(const ForbiddenCase& c, std::ostream* os) {
    *os << c.name;
}

class ForbiddenMoves : public ::testing::TestWithParam<ForbiddenCase> {};

TEST_P(ForbiddenMoves, AreRefusedWithSoundAndMessageForEitherColour) {
    const ForbiddenCase& c = GetParam();
    ScriptFolder folder;
    const ScriptRun r =
        folder.run("menu TAIMAN\n" + c.moves + "dump\n" + press({10, 10}) + "dump\n");
    const auto states = r.matching("state\t");
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(states[0], states[1]);
    const auto boards = r.matching("board\t");
    EXPECT_TRUE(std::equal(boards.begin(), boards.begin() + 19, boards.begin() + 19));
    const std::size_t at = r.find("dsPlay\t禁止.wav");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(r.lines[at + 1], "msgbox\tNarabeⅠ\t" + c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Transcript, ForbiddenMoves,
    ::testing::Values(
        ForbiddenCase{"black_double_three", alternate(CROSS, {FAR.begin(), FAR.end() - 1}),
                      "3 * 3 です！打てません"},
        ForbiddenCase{"white_double_three", alternate(FAR, CROSS), "3 * 3 です！打てません"},
        // Fours on the row and the column, each closed on one side by the other colour.
        ForbiddenCase{"white_double_four",
                      alternate({{6, 10}, {10, 6}, {1, 1}, {1, 3}, {1, 5}, {1, 7}, {3, 3}},
                                {{7, 10}, {8, 10}, {9, 10}, {10, 7}, {10, 8}, {10, 9}}),
                      "4 * 4 です！打てません"}),
    [](const auto& p) { return std::string(p.param.name); });

// The blink of a five completed on (5, 7) of the row 3..7.
std::vector<std::string> blinkOfRow7() {
    std::vector<std::string> l;
    for (int round = 0; round < 5; ++round) {
        for (int x = 3; x <= 7; ++x)
            l.push_back(pointLine(emptyPicture(x, 7), x, 7));
        l.push_back("refresh");
        l.push_back("wait\t0.2");
        for (int x = 3; x <= 7; ++x) {
            l.push_back(pointLine(stonePicture("KURO", x, 7), x, 7));
            if (x == 5) l.push_back("circle\t2025\t2405\t50\t11");
        }
        l.push_back("refresh");
        l.push_back("wait\t0.2");
    }
    return l;
}

TEST(GameEnd, HumanFiveBlinksTenTimesNamesTheWinnerAndEndsTheGame) {
    ScriptFolder folder;
    const std::string moves =
        alternate({{3, 7}, {4, 7}, {6, 7}, {7, 7}, {5, 7}}, {{1, 1}, {1, 3}, {1, 5}, {1, 7}});
    const ScriptRun r = folder.run("menu TAIMAN\n" + moves + "dump\n" + press({12, 12}) + "dump\n");
    const std::size_t count9 =
        r.find("text\t7230\t2885\t11\t15\t手目", r.find("text\t6915\t2885\t11\t15\t 9 "));
    ASSERT_NE(count9, std::string::npos);
    std::vector<std::string> expected = blinkOfRow7();
    expected.push_back("dsPlay\t終局.wav");
    expected.push_back("msgbox\t\t先手の勝ち！！");
    std::vector<std::string> got(r.lines.begin() + static_cast<std::ptrdiff_t>(count9) + 1,
                                 r.lines.begin() + static_cast<std::ptrdiff_t>(count9) + 1 +
                                     static_cast<std::ptrdiff_t>(expected.size()));
    EXPECT_EQ(got, expected);
    EXPECT_EQ(r.count("wait\t0.2"), 10u);

    const auto states = r.matching("state\t");
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(field(states[0], "GameState"), "9");
    EXPECT_EQ(field(states[0], "GameMode"), "3");
    EXPECT_EQ(field(states[0], "Turn"), "0"); // the turn stays with the winner
    EXPECT_EQ(field(states[0], "LastX"), "5");
    EXPECT_EQ(states[0], states[1]);
    EXPECT_EQ(r.lines[r.lines.size() - 2 * 19 - 2], "msgbox\t開始\t「対局」で始めて下さい");
}

// The blink of a five on `line`, completed on `mark` by black.
std::vector<std::string> blinkOf(const std::vector<Pt>& line, Pt mark) {
    std::vector<std::string> l;
    for (int round = 0; round < 5; ++round) {
        for (const Pt p : line)
            l.push_back(pointLine(emptyPicture(p.x, p.y), p.x, p.y));
        l.push_back("refresh");
        l.push_back("wait\t0.2");
        for (const Pt p : line) {
            l.push_back(pointLine(stonePicture("KURO", p.x, p.y), p.x, p.y));
            if (p.x == mark.x && p.y == mark.y)
                l.push_back("circle\t" + std::to_string(300 + 315 * p.x + 150) + "\t" +
                            std::to_string(50 + 315 * p.y + 150) + "\t50\t11");
        }
        l.push_back("refresh");
        l.push_back("wait\t0.2");
    }
    return l;
}

struct DoubleFiveCase {
    const char* name;
    std::vector<Pt> black; // the last one completes both fives
    std::vector<Pt> blinking;
};
void PrintTo(const DoubleFiveCase& c, std::ostream* os) {
    *os << c.name;
}

class DoubleFives : public ::testing::TestWithParam<DoubleFiveCase> {};

// Of the axes holding a five, in the order vertical, horizontal, up-left to down-right and
// down-left to up-right, the last one blinks; only its five points are drawn.
TEST_P(DoubleFives, BlinkTheLastAxisInOrder) {
    const DoubleFiveCase& c = GetParam();
    ScriptFolder folder;
    const std::vector<Pt> white = {{15, 1}, {15, 3},  {15, 5},  {15, 7},
                                   {15, 9}, {15, 11}, {15, 13}, {15, 15}};
    const ScriptRun r = folder.run("menu TAIMAN\n" + alternate(c.black, white));
    const std::size_t end = r.find("dsPlay\t終局.wav");
    const std::vector<std::string> expected = blinkOf(c.blinking, c.black.back());
    ASSERT_NE(end, std::string::npos);
    ASSERT_GE(end, expected.size());
    EXPECT_EQ(std::vector<std::string>(r.lines.begin() +
                                           static_cast<std::ptrdiff_t>(end - expected.size()),
                                       r.lines.begin() + static_cast<std::ptrdiff_t>(end)),
              expected);
}

INSTANTIATE_TEST_SUITE_P(
    Transcript, DoubleFives,
    ::testing::Values(
        DoubleFiveCase{"vertical_and_horizontal",
                       {{3, 7}, {4, 7}, {6, 7}, {7, 7}, {5, 5}, {5, 6}, {5, 8}, {5, 9}, {5, 7}},
                       {{3, 7}, {4, 7}, {5, 7}, {6, 7}, {7, 7}}},
        DoubleFiveCase{
            "horizontal_and_falling_diagonal",
            {{8, 10}, {9, 10}, {11, 10}, {12, 10}, {8, 8}, {9, 9}, {11, 11}, {12, 12}, {10, 10}},
            {{8, 8}, {9, 9}, {10, 10}, {11, 11}, {12, 12}}},
        // The rising diagonal is listed from its lower-left end.
        DoubleFiveCase{
            "both_diagonals",
            {{8, 8}, {9, 9}, {11, 11}, {12, 12}, {8, 12}, {9, 11}, {11, 9}, {12, 8}, {10, 10}},
            {{8, 12}, {9, 11}, {10, 10}, {11, 9}, {12, 8}}}),
    [](const auto& p) { return std::string(p.param.name); });

struct WinnerCase {
    const char* name;
    std::string script;
    std::string message;
    std::string gameMode;
};
void PrintTo(const WinnerCase& c, std::ostream* os) {
    *os << c.name;
}

class Winners : public ::testing::TestWithParam<WinnerCase> {};

TEST_P(Winners, AreNamedByModeAndSide) {
    const WinnerCase& c = GetParam();
    ScriptFolder folder;
    const ScriptRun r = folder.run(c.script + "dump\n");
    const auto wins = r.matching("msgbox\t\t");
    ASSERT_EQ(wins.size(), 1u) << r.err;
    EXPECT_EQ(wins[0], "msgbox\t\t" + c.message);
    const auto state = r.matching("state\t");
    EXPECT_EQ(field(state.back(), "GameState"), "9");
    EXPECT_EQ(field(state.back(), "GameMode"), c.gameMode);
}

// Black's open four on row 7, white to move.
const std::string BLACK_FOUR =
    "menu TAIMAN\n" + alternate({{3, 7}, {4, 7}, {5, 7}, {6, 7}}, {{1, 1}, {1, 3}, {1, 5}});
// White's open four on row 12, black to move.
const std::string WHITE_FOUR = "menu TAIMAN\n" + alternate({{1, 1}, {1, 3}, {1, 5}, {1, 7}},
                                                           {{3, 12}, {4, 12}, {5, 12}, {6, 12}});
// Black to move, with a three on the falling diagonal (11, 11)..(13, 13) closed at (9, 9)
// and (15, 15): black's four on (14, 14) leaves (10, 10) to make five, where white would
// make two threes, on row 10 and column 10. 初級 would play the four on (10, 10) instead,
// the first of two equal points, and white would stop it.
const std::string BARRED_ANSWER =
    "menu TAIMAN\n" + alternate({{11, 11}, {12, 12}, {13, 13}, {2, 2}, {2, 18}, {18, 2}},
                                {{9, 9}, {11, 10}, {12, 10}, {10, 11}, {10, 12}, {15, 15}});

INSTANTIATE_TEST_SUITE_P(
    Transcript, Winners,
    ::testing::Values(
        WinnerCase{"white_between_people", WHITE_FOUR + press({1, 9}) + press({7, 12}),
                   "後手の勝ち！！", "3"},
        // The computer holds black and completes its own five at once.
        WinnerCase{"computer_black", BLACK_FOUR + "menu GOTE\n", "COMの勝ち！！", "2"},
        // The computer (black) blocks one end; the human's white completes the other.
        WinnerCase{"human_white", WHITE_FOUR + "menu GOTE\n" + press({7, 12}), "MANの勝ち！！",
                   "2"},
        WinnerCase{"human_black", BLACK_FOUR + press({1, 9}) + "menu SENTE\n" + press({7, 7}),
                   "MANの勝ち！！", "2"},
        // The human's black plays elsewhere; the computer's white completes its five.
        WinnerCase{"computer_white", WHITE_FOUR + "menu SENTE\n" + press({18, 18}), "COMの勝ち！！",
                   "2"}),
    [](const auto& p) { return std::string(p.param.name); });

// The strength chosen in a game under way plays the computer's next move. The searching
// levels play the four whose answer is barred for the human, whose press there is then
// refused.
struct StrengthCase {
    std::string level;
    Pt computer;
    std::size_t refusals; // "3 * 3" messages for the press on (10, 10)
};
void PrintTo(const StrengthCase& c, std::ostream* os) {
    *os << c.level;
}

class Strengths : public ::testing::TestWithParam<StrengthCase> {};

TEST_P(Strengths, ChooseTheComputersNextMove) {
    const StrengthCase& c = GetParam();
    ScriptFolder folder;
    const ScriptRun r =
        folder.run(BARRED_ANSWER + "menu " + c.level + "\nmenu GOTE\ndump\n" + press({10, 10}));
    const auto state = r.matching("state\t");
    ASSERT_EQ(state.size(), 1u) << r.err;
    EXPECT_EQ(field(state[0], "LastX"), std::to_string(c.computer.x));
    EXPECT_EQ(field(state[0], "LastY"), std::to_string(c.computer.y));
    EXPECT_EQ(r.count("msgbox\tNarabeⅠ\t3 * 3 です！打てません"), c.refusals);
}

INSTANTIATE_TEST_SUITE_P(Transcript, Strengths,
                         ::testing::Values(StrengthCase{"SYOKYU", {10, 10}, 0},
                                           StrengthCase{"CHUKYU", {14, 14}, 1},
                                           StrengthCase{"JOUKYU", {14, 14}, 1}),
                         [](const auto& p) { return p.param.level; });

TEST(GameEnd, ComputerBlocksTheFirstOfTwoEqualPointsInScanOrder) {
    ScriptFolder folder;
    const ScriptRun r = folder.run(WHITE_FOUR + "menu GOTE\ndump\n");
    const auto board = r.matching("board\t");
    ASSERT_EQ(board.size(), 19u);
    EXPECT_EQ(board[11].substr(6 + 1, 7), "XOOOO..") << "(2, 12) blocks, (7, 12) stays open";
}

// A board filled without any line of three: colour by (x + 2y + shift) mod 4 < 2, so every
// row, column and diagonal reads in runs of at most two.
struct Sides {
    std::vector<Pt> black;
    std::vector<Pt> white;
};

// That board, less the points `empty`.
Sides stripedBoard(const std::vector<Pt>& empty = {}) {
    Sides s;
    for (int shift = 0; shift < 4 && s.black.size() != 181; ++shift) {
        s.black.clear();
        s.white.clear();
        for (int x = 1; x <= 19; ++x)
            for (int y = 1; y <= 19; ++y)
                ((x + 2 * y + shift) % 4 < 2 ? s.black : s.white).push_back({x, y});
    }
    for (const Pt e : empty)
        for (auto* side : {&s.black, &s.white})
            std::erase_if(*side, [e](Pt p) { return p.x == e.x && p.y == e.y; });
    return s;
}

TEST(GameEnd, FullBoardBetweenPeopleGoesOnAndTheComputerThenDeclaresADraw) {
    const auto [black, white] = stripedBoard();
    ASSERT_EQ(black.size(), 181u);
    ScriptFolder folder;
    const ScriptRun r = folder.run("menu TAIMAN\n" + alternate(black, white) + "dump\n" +
                                   press({10, 10}) + "menu GOTE\ndump\n");
    EXPECT_EQ(r.count("msgbox\tNarabeⅠ"), 0u);
    EXPECT_EQ(r.count("msgbox\t\t"), 0u) << "no five on the full board";
    const auto states = r.matching("state\t");
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(field(states[0], "GameState"), "3"); // still running, board full
    EXPECT_EQ(field(states[0], "MoveCount"), "361");
    const std::size_t draw = r.find("msgbox\t判定\t引き分け");
    ASSERT_NE(draw, std::string::npos);
    EXPECT_EQ(r.lines[draw - 1], "fill\t6915\t3515\t1000\t300\t2");
    EXPECT_EQ(r.lines[draw - 2], "wait\t0.5");
    EXPECT_EQ(field(states[1], "GameState"), "9");
    EXPECT_EQ(field(states[1], "GameMode"), "2");
    EXPECT_EQ(field(states[1], "MoveCount"), "361");
}

// The striped board with a few points left empty, far enough apart that no line through one
// of them forms a pattern: the computer (black, after 後手) scores each by the centre bonus
// alone and takes the first best one in scan order (x, then y). Each case turns on the edge
// of the bonus block 9..12 x 9..12 in one direction.
struct BonusCase {
    const char* name;
    std::vector<Pt> empty;
    Pt chosen;
};
void PrintTo(const BonusCase& c, std::ostream* os) {
    *os << c.name;
}

class CentreBonus : public ::testing::TestWithParam<BonusCase> {};

TEST_P(CentreBonus, DecidesBetweenPointsWithoutAPattern) {
    const BonusCase& c = GetParam();
    const auto [black, white] = stripedBoard(c.empty);
    ScriptFolder folder;
    const ScriptRun r = folder.run("menu TAIMAN\n" + alternate(black, white) + "menu GOTE\ndump\n");
    EXPECT_EQ(r.count("msgbox\tNarabeⅠ"), 0u) << "no move of the filling was refused";
    const auto state = r.matching("state\t");
    ASSERT_EQ(state.size(), 1u);
    EXPECT_EQ(field(state[0], "MoveCount"), std::to_string(361 - c.empty.size() + 1));
    EXPECT_EQ(field(state[0], "LastX") + "," + field(state[0], "LastY"),
              std::to_string(c.chosen.x) + "," + std::to_string(c.chosen.y));
}

INSTANTIATE_TEST_SUITE_P(
    Transcript, CentreBonus,
    ::testing::Values(
        // (12, 12), the block's last point, has the bonus; (2, 2) has none.
        BonusCase{"last_point_of_the_block", {{2, 2}, {12, 12}}, {12, 12}},
        // (13, 12) and (10, 13) lie just beyond it: no bonus, so the first point wins.
        BonusCase{"just_beyond_the_block", {{2, 2}, {13, 12}, {10, 13}}, {2, 2}},
        BonusCase{"first_point_of_the_block", {{2, 3}, {9, 9}}, {9, 9}},
        // (8, 10) and (12, 8) lie just before it.
        BonusCase{"just_before_the_block", {{2, 2}, {8, 10}, {12, 8}}, {2, 2}}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace narabe::test
