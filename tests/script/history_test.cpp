// Stepping through the history, resuming from an earlier position, and the move numbers,
// as the transcript shows them.
#include "script/expected.h"
#include "script/moves.h"
#include "script/script_harness.h"

#include <gtest/gtest.h>

namespace narabe::test {
namespace {

// Five moves between two people: black (3, 3), white (4, 4), black (5, 3), white (6, 6),
// black (3, 7).
const std::string FIVE_MOVES =
    "menu TAIMAN\n" + alternate({{3, 3}, {5, 3}, {3, 7}}, {{4, 4}, {6, 6}});

std::vector<std::string> lastLines(const ScriptRun& r, std::size_t n) {
    return after(r, r.lines.size() - std::min(n, r.lines.size()));
}

std::string number(int x, int y, int n, int colour) {
    return "text\t" + std::to_string(300 + 315 * x + 20) + "\t" +
           std::to_string(50 + 315 * y + 20) + "\t12\t" + std::to_string(colour) + "\t " +
           std::to_string(n) + " ";
}

std::vector<std::string> moveCount(int n) {
    const std::string column = n < 10 ? "6915" : n < 100 ? "6852" : "6757.5";
    return {"fill\t6757.5\t2885\t1000\t300\t2",
            "text\t" + column + "\t2885\t11\t15\t " + std::to_string(n) + " ",
            "text\t7230\t2885\t11\t15\t手目"};
}

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST(History, BackTwiceAndForwardTwiceRestoresThePositionWithMarkAndNumbers) {
    ScriptFolder folder;
    folder.writeFile("Narabe1.ini", settingsBytes(true, false));
    const ScriptRun r = folder.run(FIVE_MOVES + "dump\nmenu MODORU\nmenu MODORU\nmenu SUSUMU\n"
                                                "menu SUSUMU\ndump\n");
    const auto states = r.matching("state\t");
    ASSERT_EQ(states.size(), 2u);
    const auto boards = r.matching("board\t");
    EXPECT_TRUE(std::equal(boards.begin(), boards.begin() + 19, boards.begin() + 19));
    EXPECT_EQ(field(states[1], "MoveCount"), "5");
    EXPECT_EQ(field(states[1], "Turn"), field(states[0], "Turn"));
    EXPECT_EQ(field(states[1], "LastX"), "3");
    EXPECT_EQ(field(states[1], "LastY"), "7");
    EXPECT_EQ(field(states[1], "ResumePending"), "1");

    // The second step forward: the plain stone of move 4, the count, the sound, move 5
    // with its mark, then the numbers of moves 4 down to 1 in the contrasting colours.
    const auto expected =
        join({{pointLine("SIRONAKA", 6, 6)},
              moveCount(5),
              {"dsPlay\t石打音.wav", pointLine("KURONAKA", 3, 7), "circle\t1395\t2405\t50\t11",
               number(6, 6, 4, 0), number(5, 3, 3, 15), number(4, 4, 2, 0), number(3, 3, 1, 15)}});
    auto tail = lastLines(r, expected.size() + 39);
    tail.resize(expected.size());
    EXPECT_EQ(tail, expected);
}

TEST(History, ANewMoveAfterGoingBackCutsTheRecord) {
    ScriptFolder folder;
    const ScriptRun r = folder.run(FIVE_MOVES + "menu MODORU\nmenu MODORU\n" + press({9, 9}) +
                                   press({9, 9}) + "dump\nmenu SUSUMU\n");
    // The first press only resumes, naming white (move 4 was white's).
    ASSERT_NE(r.find("msgbox\t再開\tOKですか？"), std::string::npos);
    ASSERT_NE(r.find("msgbox\t再開\t後手の番です"), std::string::npos);
    const auto state = r.matching("state\t").at(0);
    EXPECT_EQ(field(state, "MoveCount"), "4");
    EXPECT_EQ(field(state, "MoveTotal"), "4");
    EXPECT_EQ(field(state, "LastStone"), "15");
    EXPECT_EQ(lastLines(r, 2),
              (std::vector<std::string>{"dsPlay\t禁止.wav", "msgbox\t進む\t進めません"}));
}

TEST(History, BackFromTheFirstMoveShowsTheEmptyBoardThenRefuses) {
    ScriptFolder folder;
    const ScriptRun r =
        folder.run("menu TAIMAN\n" + press({10, 10}) + "menu MODORU\nmenu MODORU\ndump\n");
    const std::size_t first =
        r.find("picture\tKARANAKATEN\t3450\t3200", r.find("dsPlay\t石打音.wav"));
    ASSERT_NE(first, std::string::npos);
    auto steps = after(r, first);
    steps.resize(steps.size() - 39); // the dump
    EXPECT_EQ(steps,
              join({{"picture\tKARANAKATEN\t3450\t3200"},
                    moveCount(0),
                    {"dsPlay\t石打音.wav", "dsPlay\t禁止.wav", "msgbox\t戻る\t戻れません"}}));
    const auto state = r.matching("state\t").at(0);
    EXPECT_EQ(field(state, "MoveCount"), "0");
    EXPECT_EQ(field(state, "MoveTotal"), "1");
    EXPECT_EQ(field(state, "GameState"), "3");
}

TEST(History, BackFromTheSecondMoveMarksTheFirstAndMakesItTheLast) {
    ScriptFolder folder;
    const ScriptRun r =
        folder.run("menu TAIMAN\n" + alternate({{3, 3}}, {{4, 4}}) + "menu MODORU\ndump\n");
    auto steps = lastLines(r, 7 + 39);
    steps.resize(7);
    EXPECT_EQ(steps, join({{pointLine("KARANAKA", 4, 4), pointLine("KURONAKA", 3, 3),
                            "circle\t1395\t1145\t50\t11"},
                           moveCount(1),
                           {"dsPlay\t石打音.wav"}}));
    const auto state = r.matching("state\t").at(0);
    EXPECT_EQ(field(state, "LastX"), "3");
    EXPECT_EQ(field(state, "LastY"), "3");
    EXPECT_EQ(field(state, "LastStone"), "0");
    EXPECT_EQ(field(state, "Turn"), "15"); // the move taken back was white's
}

// Black's open four on row 7 between two people; then 後手 lets the computer (black)
// complete it.
const std::string COMPUTER_WINS =
    "menu TAIMAN\n" + alternate({{3, 7}, {4, 7}, {5, 7}, {6, 7}}, {{1, 1}, {1, 3}, {1, 5}}) +
    "menu GOTE\n";

TEST(History, BackAfterTheComputersWinGivesItTheMoveAgainOnResume) {
    ScriptFolder folder;
    const ScriptRun r =
        folder.run(COMPUTER_WINS + "menu MODORU\ndump\n" + press({15, 15}) + "dump\n");
    const auto states = r.matching("state\t");
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(field(states[0], "GameState"), "2");
    EXPECT_EQ(field(states[0], "Turn"), "0"); // the computer's black
    EXPECT_EQ(field(states[0], "MoveCount"), "7");
    EXPECT_EQ(field(states[0], "MoveTotal"), "8");
    const std::size_t resume = r.find("msgbox\t再開\tOKですか？");
    ASSERT_NE(resume, std::string::npos);
    EXPECT_EQ(r.lines[resume + 1], "text\t6915\t3515\t12\t15\t思考中");
    EXPECT_EQ(r.count("msgbox\t\tCOMの勝ち！！"), 2u);
    EXPECT_EQ(field(states[1], "GameState"), "9");
    EXPECT_EQ(field(states[1], "MoveCount"), "8");
}

TEST(History, ForwardOntoTheWinningMoveBlinksAndAnnouncesAgain) {
    ScriptFolder folder;
    const ScriptRun r = folder.run(COMPUTER_WINS + "menu MODORU\nmenu SUSUMU\ndump\n");
    const std::size_t back = r.find("msgbox\t\tCOMの勝ち！！");
    ASSERT_NE(back, std::string::npos);
    const auto replay = after(r, back + 1);
    EXPECT_EQ(std::count(replay.begin(), replay.end(), "wait\t0.2"), 10);
    EXPECT_EQ(std::count(replay.begin(), replay.end(), "msgbox\t\tCOMの勝ち！！"), 1);
    const auto state = r.matching("state\t").at(0);
    EXPECT_EQ(field(state, "GameState"), "9");
    EXPECT_EQ(field(state, "GameMode"), "2");
    EXPECT_EQ(field(state, "MoveCount"), "8");
}

TEST(History, ToTheStartClearsTheBoardEndsTheGameAndDropsTheRecord) {
    ScriptFolder folder;
    const ScriptRun r = folder.run(FIVE_MOVES + "menu SAISYO\ndump\nmenu SUSUMU\n");
    const auto state = r.matching("state\t").at(0);
    EXPECT_EQ(field(state, "GameState"), "9");
    EXPECT_EQ(field(state, "GameMode"), "3");
    EXPECT_EQ(field(state, "MoveCount"), "0");
    EXPECT_EQ(field(state, "MoveTotal"), "0");
    for (const auto& b : r.matching("board\t"))
        EXPECT_EQ(b, "board\t" + std::string(19, '.'));
    // Only the five stones are drawn empty again, in board order.
    const std::size_t clear =
        r.find("fill\t6915\t1940\t1800\t2600\t2", r.find("msgbox\t \t先手の番です"));
    ASSERT_NE(clear, std::string::npos);
    EXPECT_EQ(std::vector<std::string>(r.lines.begin() + static_cast<std::ptrdiff_t>(clear) + 1,
                                       r.lines.begin() + static_cast<std::ptrdiff_t>(clear) + 6),
              (std::vector<std::string>{pointLine("KARANAKA", 3, 3), pointLine("KARANAKA", 3, 7),
                                        pointLine("KARANAKA", 4, 4), pointLine("KARANAKA", 5, 3),
                                        pointLine("KARANAKA", 6, 6)}));
    EXPECT_EQ(lastLines(r, 2),
              (std::vector<std::string>{"dsPlay\t禁止.wav", "msgbox\t進む\t進めません"}));
}

TEST(MoveNumbers, ToggleDrawsAllButTheLastThenRedrawsPlainAndKeepsTheMark) {
    ScriptFolder folder;
    const ScriptRun r = folder.run("menu TAIMAN\n" + alternate({{3, 3}, {5, 3}}, {{4, 4}}) +
                                   "menu BANGOU\nmenu BANGOU\n");
    const std::size_t on = r.find("check\tBANGOU\t1");
    ASSERT_NE(on, std::string::npos);
    EXPECT_EQ(after(r, on), (std::vector<std::string>{
                                "check\tBANGOU\t1", number(4, 4, 2, 0), number(3, 3, 1, 15),
                                "circle\t2025\t1145\t50\t11", "check\tBANGOU\t0",
                                pointLine("KURONAKA", 3, 3), pointLine("SIRONAKA", 4, 4),
                                pointLine("KURONAKA", 5, 3), "circle\t2025\t1145\t50\t11"}));
    EXPECT_EQ(folder.readFile("Narabe1.ini"), settingsBytes(false, false));
}

TEST(MoveNumbers, TheFirstMoveGetsNoNumberAndTheSecondNumbersTheFirst) {
    ScriptFolder folder;
    folder.writeFile("Narabe1.ini", settingsBytes(true, false));
    const ScriptRun r = folder.run("menu TAIMAN\n" + alternate({{3, 3}}, {{4, 4}}));
    EXPECT_EQ(r.count("text\t1265\t1015"), 1u) << "the first stone is numbered once, by move 2";
    EXPECT_EQ(lastLines(r, 8),
              join({{pointLine("KURONAKA", 3, 3), pointLine("SIRONAKA", 4, 4),
                     "circle\t1710\t1460\t50\t11", "dsPlay\t石打音.wav", number(3, 3, 1, 15)},
                    moveCount(2)}));
}

TEST(MoveNumbers, AfterTheComputersMoveThePreviousStoneShowsItsNumber) {
    ScriptFolder folder;
    folder.writeFile("Narabe1.ini", settingsBytes(true, false));
    const ScriptRun r = folder.run("menu SENTE\n" + press({9, 9}));
    EXPECT_EQ(lastLines(r, 6), join({{"refresh", "wait\t0.2", number(9, 9, 1, 15)}, moveCount(2)}));
}

} // namespace
} // namespace narabe::test
