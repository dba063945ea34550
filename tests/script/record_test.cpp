// Game records through the transcript: games saved and opened again, records from other
// programs and hostile files, and what the record and hint commands print.
#include "script/expected.h"
#include "script/moves.h"
#include "script/script_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>

namespace narabe::test {
namespace {

// The state line's fields and the board of every dump, in order: what a position shows.
std::vector<std::string> positions(const ScriptRun& r) {
    std::vector<std::string> shown;
    for (const std::string& line : r.lines) {
        if (line.starts_with("state\t")) {
            std::string key;
            for (const char* f : {"MoveCount", "MoveTotal", "Turn", "LastX", "LastY", "LastStone"})
                key += std::string(f) + "=" + field(line, f) + " ";
            shown.push_back(key);
        } else if (line.starts_with("board\t")) {
            shown.back() += "\n" + line.substr(6);
        }
    }
    return shown;
}

// The moves of a record file in order, as "B jj".
std::vector<std::string> movesIn(const std::string& record) {
    std::vector<std::string> moves;
    for (std::size_t at = record.find(';'); at != std::string::npos;
         at = record.find(';', at + 1)) {
        const std::string node = record.substr(at + 1, 5);
        if ((node[0] == 'B' || node[0] == 'W') && node[1] == '[' && node[4] == ']')
            moves.push_back(node.substr(0, 1) + " " + node.substr(2, 2));
    }
    return moves;
}

// "YYYY-MM-DD".
bool isDate(const std::string& d) {
    for (std::size_t i = 0; i < d.size(); ++i)
        if ((i == 4 || i == 7) ? d[i] != '-' : !std::isdigit(static_cast<unsigned char>(d[i])))
            return false;
    return d.size() == 10;
}

char letter(const std::string& v) {
    return static_cast<char>('a' + std::stoi(v) - 1);
}

struct GameKind {
    const char* start;   // the menu command that starts it
    const char* players; // PB and PW as the file must hold them
};

// Random games between two people and against the computer, stepped back to their start,
// saved, opened again and stepped back once more: the opened record shows at every step
// what the game showed, and the file holds the game's moves in order, with its players and
// result.
TEST(RecordRoundTrip, RandomGamesSavedAndOpenedShowTheSamePositionsAtEveryStep) {
    constexpr int GAMES = 24;
    constexpr int PRESSES = 30;
    constexpr int STEPS = 2 * PRESSES + 1; // more than a game's moves
    const std::array<GameKind, 3> kinds = {
        {{"TAIMAN", "PB[先手]PW[後手]"}, {"SENTE", "PB[MAN]PW[COM]"}, {"GOTE", "PB[COM]PW[MAN]"}}};
    std::mt19937 rng(16);
    std::normal_distribution<double> near(10, 3);
    const auto coordinate = [&] {
        return std::clamp(static_cast<int>(std::lround(near(rng))), 1, 19);
    };
    std::string script;
    std::string walkBack = "dump\n";
    for (int s = 0; s < STEPS; ++s)
        walkBack += "menu MODORU\ndump\n";
    for (int g = 0; g < GAMES; ++g) {
        script +=
            std::string("menu SAISYO\nmenu ") + kinds[static_cast<std::size_t>(g % 3)].start + "\n";
        for (int p = 0; p < PRESSES; ++p)
            script += press({coordinate(), coordinate()});
        const std::string file = "g" + std::to_string(g) + ".sgf";
        script += walkBack + "save " + file + "\nopen " + file + "\n" + walkBack;
    }
    ScriptFolder folder;
    const ScriptRun r = folder.run(script);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> shown = positions(r);
    const std::vector<std::string> states = r.matching("state\t");
    ASSERT_EQ(shown.size(), static_cast<std::size_t>(GAMES * 2 * (STEPS + 1)));

    int won = 0;
    for (int g = 0; g < GAMES; ++g) {
        SCOPED_TRACE("game " + std::to_string(g));
        const std::size_t played = static_cast<std::size_t>(g * 2 * (STEPS + 1));
        const std::size_t opened = played + STEPS + 1;
        for (int s = 0; s <= STEPS; ++s)
            ASSERT_EQ(shown[opened + static_cast<std::size_t>(s)],
                      shown[played + static_cast<std::size_t>(s)])
                << "step back " << s;

        // The game's moves from its walk back: the last move of each position.
        std::map<int, std::string> moves;
        for (int s = 0; s <= STEPS; ++s) {
            const std::string& st = states[played + static_cast<std::size_t>(s)];
            const int count = std::stoi(field(st, "MoveCount"));
            if (count > 0)
                moves[count] = std::string(field(st, "LastStone") == "0" ? "B " : "W ") +
                               letter(field(st, "LastX")) + letter(field(st, "LastY"));
        }
        std::vector<std::string> expected;
        for (const auto& [count, move] : moves)
            expected.push_back(move);
        ASSERT_FALSE(expected.empty());
        const std::string record = folder.readFile("g" + std::to_string(g) + ".sgf");
        EXPECT_EQ(movesIn(record), expected);

        const std::string& end = states[played];
        const bool over = field(end, "GameState") == "9";
        won += over ? 1 : 0;
        const std::string result = !over                            ? "RE[?]"
                                   : field(end, "LastStone") == "0" ? "RE[B+]"
                                                                    : "RE[W+]";
        const std::string head = "(;FF[4]GM[4]SZ[19]CA[UTF-8]AP[NarabeⅠ:" NARABE_VERSION "]DT[";
        const std::string date = record.substr(head.size(), 10);
        EXPECT_EQ(record.substr(0, head.size()), head);
        EXPECT_TRUE(isDate(date)) << date;
        EXPECT_EQ(record.substr(head.size() + 10, record.find('\n') - head.size() - 10),
                  "]" + std::string(kinds[static_cast<std::size_t>(g % 3)].players) + result);
        EXPECT_TRUE(record.ends_with("]\n)\n"));
    }
    EXPECT_GT(won, 0) << "games that end with a five are among them";
    EXPECT_LT(won, GAMES) << "games still going on are among them";
}

// The sides of a record's moves and passes in order: "B" or "W" for each B[..] or W[..] node.
std::string sidesIn(const std::string& record) {
    std::string sides;
    for (std::size_t at = record.find(';'); at != std::string::npos; at = record.find(';', at + 1))
        if ((record[at + 1] == 'B' || record[at + 1] == 'W') && record[at + 2] == '[')
            sides += record[at + 1];
    return sides;
}

// Random games as a player plays them: moves, the sides switched in a game under way, steps
// back and forward, resumes and take-backs. Each is saved at its end, opened again and
// walked back: every position, with the side to move, is the game's, and in the file black
// and white alternate from black's first node, a side that lost its turn passing.
TEST(RecordRoundTrip, GamesWithSideSwitchesStepsAndTakeBacksOpenAsTheyWere) {
    constexpr int GAMES = 16;
    constexpr int EVENTS = 40;
    constexpr int STEPS = 2 * EVENTS + 1; // more than a game's moves
    const std::array<const char*, 3> starts = {"TAIMAN", "SENTE", "GOTE"};
    // Presses, with the weight of each other command after them.
    const std::array<const char*, 6> others = {"menu SENTE\n",  "menu GOTE\n",   "menu TAIMAN\n",
                                               "menu MODORU\n", "menu SUSUMU\n", "menu MATTA\n"};
    std::discrete_distribution<int> event({12, 1, 1, 1, 2, 1, 2});
    std::mt19937 rng(2626);
    std::normal_distribution<double> near(10, 3);
    const auto coordinate = [&] {
        return std::clamp(static_cast<int>(std::lround(near(rng))), 1, 19);
    };
    std::string walkBack = "dump\n";
    std::string walkForward;
    for (int s = 0; s < STEPS; ++s) {
        walkBack += "menu MODORU\ndump\n";
        walkForward += "menu SUSUMU\n";
    }
    std::string script;
    for (int g = 0; g < GAMES; ++g) {
        script +=
            std::string("menu SAISYO\nmenu ") + starts[static_cast<std::size_t>(g % 3)] + "\n";
        for (int e = 0; e < EVENTS; ++e) {
            const int k = event(rng);
            script += k == 0 ? press({coordinate(), coordinate()})
                             : std::string(others[static_cast<std::size_t>(k - 1)]);
        }
        const std::string file = "g" + std::to_string(g) + ".sgf";
        script += walkForward + "save " + file + "\n" + walkBack + "open " + file + "\n" + walkBack;
    }
    ScriptFolder folder;
    const ScriptRun r = folder.run(script);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> shown = positions(r);
    ASSERT_EQ(shown.size(), static_cast<std::size_t>(GAMES * 2 * (STEPS + 1)));
    const std::vector<std::string> states = r.matching("state\t");
    int switched = 0;
    int empty = 0; // games whose every move was taken back: nothing saved, nothing opened
    for (int g = 0; g < GAMES; ++g) {
        SCOPED_TRACE("game " + std::to_string(g));
        const std::size_t played = static_cast<std::size_t>(g * 2 * (STEPS + 1));
        const std::size_t opened = played + STEPS + 1;
        if (field(states[played], "MoveTotal") == "0") {
            ++empty;
            continue;
        }
        for (int s = 0; s <= STEPS; ++s)
            ASSERT_EQ(shown[opened + static_cast<std::size_t>(s)],
                      shown[played + static_cast<std::size_t>(s)])
                << "step back " << s;
        const std::string record = folder.readFile("g" + std::to_string(g) + ".sgf");
        const std::string sides = sidesIn(record);
        for (std::size_t i = 0; i < sides.size(); ++i)
            ASSERT_EQ(sides[i], i % 2 == 0 ? 'B' : 'W') << sides;
        switched += record.find("[]") != std::string::npos ? 1 : 0;
    }
    EXPECT_GT(switched, 0) << "games with a side switched are among them";
    EXPECT_LT(empty, GAMES / 4);
    EXPECT_EQ(r.count("msgbox\t棋譜"), static_cast<std::size_t>(2 * empty))
        << "every record saved opens";
}

// The hint is the point the computer plays for the side to move, whichever side it holds,
// at each level. Black, the person's side against the computer: 後手 then lets the computer
// play black at once. White, the computer's side: after its move is taken back, the resume
// press lets it play again.
struct HintCase {
    const char* level; // the menu command that chooses it
    int samples;       // games, fewer where each move takes longer
};

TEST(Hint, MarksThePointTheComputerPlaysForTheSideToMoveAtEachLevel) {
    for (const HintCase& c :
         {HintCase{"SYOKYU", 40}, HintCase{"CHUKYU", 12}, HintCase{"JOUKYU", 4}}) {
        SCOPED_TRACE(c.level);
        std::mt19937 rng(1616);
        std::normal_distribution<double> near(10, 2.5);
        const auto somewhere = [&] {
            return Pt{std::clamp(static_cast<int>(std::lround(near(rng))), 1, 19),
                      std::clamp(static_cast<int>(std::lround(near(rng))), 1, 19)};
        };
        std::string script = std::string("menu ") + c.level + "\n";
        for (int sample = 0; sample < c.samples; ++sample) {
            const bool black = sample % 2 == 0;
            script += black ? "menu SAISYO\nmenu TAIMAN\n" : "menu SAISYO\nmenu SENTE\n";
            for (int move = 0; move < (black ? 4 + sample : 2 + sample / 4); ++move)
                script += press(somewhere());
            script += black ? "dump\nmenu HINT\nmenu GOTE\n"
                            : "menu MODORU\ndump\nmenu HINT\n" + press({1, 1});
        }
        ScriptFolder folder;
        const ScriptRun r = folder.run(script);
        ASSERT_EQ(r.status, 0) << r.err;
        std::array<int, 2> compared{};
        const auto centre = [](const std::string& line) {
            const auto f = splitFields(line);
            return f[1] + "," + f[2];
        };
        for (std::size_t i = 0; i < r.lines.size(); ++i) {
            if (!r.lines[i].starts_with("state\t")) continue;
            // Black is to move in a game going on, or the computer's white move was taken
            // back; a five can end the first, and taking back the person's five gives the
            // second to black.
            const bool black = field(r.lines[i], "ResumePending") == "0";
            if (field(r.lines[i], "Turn") != (black ? "0" : "15")) continue;
            if (field(r.lines[i], "GameState") == "9") continue;
            std::size_t hint = i;
            while (hint < r.lines.size() && !r.lines[hint].ends_with("\t60\t12"))
                ++hint;
            ASSERT_LT(hint, r.lines.size());
            std::size_t played = hint;
            while (played < r.lines.size() && !r.lines[played].ends_with("\t50\t11"))
                ++played;
            ASSERT_LT(played, r.lines.size());
            EXPECT_EQ(centre(r.lines[hint]), centre(r.lines[played])) << "dump at line " << i;
            ++compared[black ? 0 : 1];
        }
        EXPECT_GE(compared[0], c.samples / 3);
        EXPECT_GE(compared[1], c.samples / 3);
    }
}

// A record as a file of another program could hold it, or a hostile file: either the moves
// it opens with, or the message that refuses it, after which nothing has changed.
struct FileCase {
    const char* name;
    std::string bytes;
    std::string refusal;     // the message, or empty when the record opens
    std::vector<Pt> moves{}; // the moves it opens with, black first
    bool won = false;        // its last move makes five
    std::string stones{};    // the moves' sides, X black, O white, when they do not alternate
    const char* turn = "";   // the side to move it opens with, when not the one after the last
};
void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.name;
}

// A record of `moves` in SGF, black first, after the root node `root`.
std::string record(const std::string& root, const std::vector<Pt>& moves) {
    std::string s = "(;" + root;
    for (std::size_t i = 0; i < moves.size(); ++i)
        s += std::string(i % 2 == 0 ? ";B[" : ";W[") + static_cast<char>('a' + moves[i].x - 1) +
             static_cast<char>('a' + moves[i].y - 1) + "]";
    return s + ")";
}

// Black's row (8, 10), (9, 10) and column (10, 8), (10, 9): (10, 10) makes two threes. White
// plays down the left edge.
const std::vector<Pt> DOUBLE_THREE = {{8, 10}, {1, 1},  {9, 10}, {1, 3},  {10, 8},
                                      {1, 5},  {10, 9}, {1, 7},  {10, 10}};
// Black's row (7..9, 10) and column (10, 7..9): (10, 10) makes two fours.
const std::vector<Pt> DOUBLE_FOUR = {{7, 10}, {1, 1},  {8, 10}, {1, 3},  {9, 10}, {1, 5},  {10, 7},
                                     {1, 7},  {10, 8}, {1, 9},  {10, 9}, {1, 11}, {10, 10}};
// Black's five down the left edge; white's four down column 11.
const std::vector<Pt> FIVE = {{1, 1},  {11, 1}, {1, 2},  {11, 2}, {1, 3},
                              {11, 3}, {1, 4},  {11, 4}, {1, 5}};

std::string binaryBytes() {
    std::string b;
    for (int i = 0; i < 256; ++i)
        b.push_back(static_cast<char>(255 - i));
    return b;
}

// A record of two moves padded with blanks after its end to `size` bytes.
std::string paddedTo(std::size_t size) {
    std::string s = record("GM[4]SZ[19]", {{10, 10}, {11, 11}});
    s.resize(size, ' ');
    return s;
}

// Each move a game tree of its own inside the one before, as some editors write lines.
std::string movePerTree(int moves) {
    std::string s = "(;GM[4]";
    for (int i = 0; i < moves; ++i)
        s += std::string(i % 2 == 0 ? "(;B[" : "(;W[") + static_cast<char>('a' + i % 19) +
             static_cast<char>('a' + (i / 19) * 4) + "]";
    return s + std::string(static_cast<std::size_t>(moves) + 1, ')');
}

std::vector<Pt> movePerTreeMoves(int moves) {
    std::vector<Pt> pts;
    for (int i = 0; i < moves; ++i)
        pts.push_back({i % 19 + 1, (i / 19) * 4 + 1});
    return pts;
}

std::string nested(int depth) {
    std::string s;
    for (int i = 0; i < depth; ++i)
        s += "(;";
    return s + std::string(static_cast<std::size_t>(depth), ')');
}

// A game tree `depth` deep whose innermost tree holds black's move on (10, 10).
std::string nestedMove(int depth) {
    std::string s = "(;GM[4]";
    for (int i = 1; i < depth; ++i)
        s += "(;";
    return s + "B[jj]" + std::string(static_cast<std::size_t>(depth), ')');
}

const std::size_t MIB = 1 << 20;

class RecordFiles : public ::testing::TestWithParam<FileCase> {};

TEST_P(RecordFiles, OpenWithTheirMainLineOrAreRefusedChangingNothing) {
    const FileCase& c = GetParam();
    ScriptFolder folder;
    if (c.bytes == "<folder>")
        std::filesystem::create_directory(folder.path() / "rec.sgf");
    else if (c.bytes != "<missing>")
        folder.writeFile("rec.sgf", c.bytes);
    // A game between two people is on the board before: (3, 3) and (4, 4).
    const ScriptRun r =
        folder.run("menu TAIMAN\n" + alternate({{3, 3}}, {{4, 4}}) + "dump\nopen rec.sgf\ndump\n");
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<long> dumps;
    for (std::size_t i = 0; i < r.lines.size(); ++i)
        if (r.lines[i].starts_with("state\t")) dumps.push_back(static_cast<long>(i));
    ASSERT_EQ(dumps.size(), 2U);
    const long first = dumps[0];
    const long second = dumps[1];
    const std::vector<std::string> before(r.lines.begin() + first, r.lines.begin() + first + 39);
    const std::vector<std::string> after(r.lines.begin() + second, r.lines.begin() + second + 39);
    const std::vector<std::string> printed(r.lines.begin() + first + 39, r.lines.begin() + second);
    if (!c.refusal.empty()) {
        EXPECT_EQ(printed,
                  (std::vector<std::string>{"dsPlay\t禁止.wav", "msgbox\t棋譜\t" + c.refusal}));
        EXPECT_EQ(after, before);
        return;
    }
    std::vector<std::string> board(19, std::string(19, '.'));
    for (std::size_t i = 0; i < c.moves.size(); ++i)
        board[static_cast<std::size_t>(c.moves[i].y - 1)]
             [static_cast<std::size_t>(c.moves[i].x - 1)] =
                 !c.stones.empty() ? c.stones[i] : (i % 2 == 0 ? 'X' : 'O');
    for (std::size_t y = 0; y < 19; ++y)
        EXPECT_EQ(after[1 + y], "board\t" + board[y]) << "row " << y + 1;
    const std::string count = std::to_string(c.moves.size());
    EXPECT_EQ(field(after[0], "MoveCount"), count);
    EXPECT_EQ(field(after[0], "MoveTotal"), count);
    EXPECT_EQ(field(after[0], "GameMode"), "3");
    EXPECT_EQ(field(after[0], "GameState"), c.won ? "9" : "3");
    EXPECT_EQ(field(after[0], "ResumePending"), "1");
    if (*c.turn != '\0') {
        EXPECT_EQ(field(after[0], "Turn"), c.turn);
    }
    EXPECT_EQ(r.count("msgbox\t棋譜"), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Transcript, RecordFiles,
    ::testing::Values(
        FileCase{"variations_main_line_only",
                 "(;GM[4]SZ[19];B[jj](;W[kk];B[ll](;W[mm])(;W[ab]))(;W[aa];B[bb]))",
                 "",
                 {{10, 10}, {11, 11}, {12, 12}, {13, 13}}},
        FileCase{"comments_with_escapes",
                 "(;GM[4]C[a \\] b \\\\ (;B[aa\\]) \\\n c];B[jj]C[x\\]];W[kk]C[])",
                 "",
                 {{10, 10}, {11, 11}}},
        FileCase{"lower_case_letters_in_identifiers",
                 "(;GaMe[4]SiZe[19];Black[jj];White[kk];b[ll])",
                 "",
                 {{10, 10}, {11, 11}}},
        FileCase{"no_gm_nor_sz_any_order_blanks_bom",
                 "\xEF\xBB\xBF \r\n( ;\n; C[x] B [jj] N[a];PL[B]\tW[kk]\n)trailing",
                 "",
                 {{10, 10}, {11, 11}}},
        FileCase{"won_by_its_last_move", record("GM[4]", FIVE), "", FIVE, true},
        FileCase{"a_tree_per_move", movePerTree(60), "", movePerTreeMoves(60)},
        FileCase{"exactly_1_mib", paddedTo(MIB), "", {{10, 10}, {11, 11}}},
        FileCase{"size_15", record("GM[4]SZ[15]", {{8, 8}}), "19 路盤の棋譜ではありません"},
        FileCase{"go", record("GM[1]SZ[19]", {{4, 4}}), "五目並べ（GM[4]）の棋譜ではありません"},
        FileCase{"points_emptied", "(;GM[4]AE[jj];B[jj])",
                 "石の配置（AB・AW・AE）のある棋譜は開けません"},
        FileCase{"setup_stones", "(;GM[4]AB[jj][kk]AW[ll];W[aa])",
                 "石の配置（AB・AW・AE）のある棋譜は開けません"},
        FileCase{"occupied_point", record("", {{10, 10}, {11, 11}, {10, 10}}),
                 "3 手目：石のある点です"},
        FileCase{"off_the_board", "(;;B[jj];W[tj])", "2 手目：盤の外です"},
        FileCase{"double_three", record("", DOUBLE_THREE), "9 手目：3 * 3 です！打てません"},
        FileCase{"double_four", record("", DOUBLE_FOUR), "13 手目：4 * 4 です！打てません"},
        FileCase{"move_after_a_five",
                 record("",
                        [] {
                            std::vector<Pt> m = FIVE;
                            m.push_back({11, 5});
                            return m;
                        }()),
                 "10 手目：五つ並んだあとの手です"},
        FileCase{"white_first", "(;;W[jj])", "1 手目：手番が違います"},
        FileCase{"a_pass_gives_the_move_to_the_other_side",
                 "(;;B[jj];W[];B[kk])",
                 "",
                 {{10, 10}, {11, 11}},
                 false,
                 "XX",
                 "15"},
        FileCase{"tt_is_a_pass",
                 "(;;B[jj];W[tt];B[kk];W[ll])",
                 "",
                 {{10, 10}, {11, 11}, {12, 12}},
                 false,
                 "XXO",
                 "0"},
        FileCase{"black_passes_first", "(;;B[];W[jj])", "", {{10, 10}}, false, "O", "0"},
        FileCase{"a_pass_after_the_last_move",
                 "(;;B[jj];W[kk];B[])",
                 "",
                 {{10, 10}, {11, 11}},
                 false,
                 "",
                 "15"},
        FileCase{"a_pass_of_the_side_not_to_move", "(;;B[jj];B[])", "2 手目：手番が違います"},
        FileCase{"a_pass_after_a_five",
                 [] {
                     std::string r = record("", FIVE);
                     return r.insert(r.size() - 1, ";W[]");
                 }(),
                 "10 手目：五つ並んだあとの手です"},
        FileCase{"a_point_of_one_letter", "(;;B[jj];W[j])", "2 手目：点が読めません"},
        FileCase{"empty_file", "", "SGF の棋譜ではありません"},
        FileCase{"binary_file", binaryBytes(), "SGF の棋譜ではありません"},
        FileCase{"left_open", "(;GM[4];B[jj]", "SGF の棋譜ではありません"},
        FileCase{"one_byte_over_1_mib", paddedTo(MIB + 1), "ファイルが大きすぎます（1 MiB まで）"},
        FileCase{"nested_exactly_as_deep_as_allowed", nestedMove(1000), "", {{10, 10}}},
        FileCase{"nested_too_deep", nested(1001), "変化の入れ子が深すぎます"},
        FileCase{"nested_one_too_deep_with_a_move", nestedMove(1001), "変化の入れ子が深すぎます"},
        FileCase{"a_folder", "<folder>", "ファイルを読めません"},
        FileCase{"missing", "<missing>", "ファイルを読めません"}),
    [](const ::testing::TestParamInfo<FileCase>& row) { return std::string(row.param.name); });

// A record won by its last move, once opened, says who won as the end of a game does, under
// the title "判定": the end sound and the winner's box, without the blink.
TEST(RecordOpen, AWonRecordAnnouncesItsWinnerWithoutTheBlink) {
    const std::vector<Pt> whiteFive = {{1, 1},  {1, 10}, {3, 1},  {2, 10},  {5, 1},
                                       {3, 10}, {7, 1},  {4, 10}, {11, 11}, {5, 10}};
    const struct {
        std::vector<Pt> moves;
        const char* message;
    } rows[] = {{FIVE, "msgbox\t判定\t先手の勝ち！！"}, {whiteFive, "msgbox\t判定\t後手の勝ち！！"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        ScriptFolder folder;
        folder.writeFile("rec.sgf", record("GM[4]", row.moves));
        const ScriptRun r = folder.run("dump\nopen rec.sgf\ndump\n");
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<std::string> states = r.matching("state\t");
        const std::size_t opened = r.find(states.at(0)) + 39;
        const std::vector<std::string> printed(r.lines.begin() + static_cast<long>(opened),
                                               r.lines.begin() +
                                                   static_cast<long>(r.find(states.at(1), opened)));
        ASSERT_GE(printed.size(), 3U);
        EXPECT_EQ(
            std::vector<std::string>(printed.end() - 3, printed.end()),
            (std::vector<std::string>{"dsPlay\t石打音.wav", "dsPlay\t終局.wav", row.message}));
        EXPECT_EQ(std::count_if(printed.begin(), printed.end(),
                                [](const std::string& l) { return l.starts_with("wait\t"); }),
                  0);
        EXPECT_EQ(field(states.at(1), "GameState"), "9");
    }
}

// What the record, hint and barred-point commands print, after a setup: each row's command
// runs after a dump, and the lines after the dump are the command's.
struct CommandCase {
    const char* name;
    std::string settings; // Narabe1.ini, when not the default
    std::string record;   // rec.sgf, when given; "<folder>" makes a folder of that name
    std::string setup;
    std::string command;
    std::vector<std::string> printed;
};
void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << c.name;
}

// "禁手表示=ON" in Shift-JIS, after the two lines of the default file.
const std::string BARRED_MARKS_ON =
    settingsBytes(false, false) + "\x8B\xD6\x8E\xE8\x95\x5C\x8E\xA6=ON\r\n";

// The double three's moves before black's barred move: black to move, (10, 10) barred.
const std::string BEFORE_DOUBLE_THREE =
    record("GM[4]", std::vector<Pt>(DOUBLE_THREE.begin(), DOUBLE_THREE.end() - 1));

std::string circle(Pt p, int radius, int colour) {
    return "circle\t" + std::to_string(300 + 315 * p.x + 150) + "\t" +
           std::to_string(50 + 315 * p.y + 150) + "\t" + std::to_string(radius) + "\t" +
           std::to_string(colour);
}

std::string text(Pt at, const std::string& t, int size, int colour) {
    const auto twips = [](double v) {
        std::ostringstream o;
        o << v;
        return o.str();
    };
    return "text\t" + twips(at.x) + "\t" + twips(at.y) + "\t" + std::to_string(size) + "\t" +
           std::to_string(colour) + "\t" + t;
}

const std::vector<std::string> REFUSED_NO_GAME = {"dsPlay\t禁止.wav",
                                                  "msgbox\t開始\t「対局」で始めて下さい"};
const std::vector<std::string> PLAYER_PANEL = {
    "fill\t6915\t1940\t1250\t600\t2", "picture\tKUROSOTO\t6915\t1940",
    "picture\tSIROSOTO\t6915\t2255", "text\t7387.5\t1940\t10\t15\t先手",
    "text\t7387.5\t2255\t10\t15\t後手"};

// A searching level's hint on the empty board: the note, the thinking, the note taken away.
const std::vector<std::string> THINKING_ON_THE_EMPTY_BOARD = {
    "text\t6915\t3515\t12\t15\t思考中", "refresh", "fill\t6915\t3515\t1000\t300\t2",
    circle({10, 10}, 60, 12)};

std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

std::vector<std::string> moveCount(int n) {
    return {"fill\t6757.5\t2885\t1000\t300\t2",
            "text\t" + std::string(n < 10 ? "6915" : "6852") + "\t2885\t11\t15\t " +
                std::to_string(n) + " ",
            "text\t7230\t2885\t11\t15\t手目"};
}

class RecordCommands : public ::testing::TestWithParam<CommandCase> {};

TEST_P(RecordCommands, PrintWhatTheyDo) {
    const CommandCase& c = GetParam();
    ScriptFolder folder;
    if (!c.settings.empty()) folder.writeFile("Narabe1.ini", c.settings);
    if (c.record == "<folder>")
        std::filesystem::create_directory(folder.path() / "rec.sgf");
    else if (!c.record.empty())
        folder.writeFile("rec.sgf", c.record);
    const ScriptRun r = folder.run(c.setup + "dump\n" + c.command);
    ASSERT_EQ(r.status, 0) << r.err;
    std::size_t dump = 0;
    for (std::size_t i = 0; i < r.lines.size(); ++i)
        if (r.lines[i].starts_with("state\t")) dump = i;
    EXPECT_EQ(after(r, dump + 39), c.printed);
    // Nothing is left beside a record that was not written.
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files.size(), 6U + (c.record.empty() ? 0U : 1U)) << ::testing::PrintToString(files);
}

INSTANTIATE_TEST_SUITE_P(
    Transcript, RecordCommands,
    ::testing::Values(
        CommandCase{"save_with_no_move",
                    "",
                    "",
                    "",
                    "save rec.sgf\n",
                    {"dsPlay\t禁止.wav", "msgbox\t棋譜\t棋譜がありません"}},
        CommandCase{"save_menu_with_no_move",
                    "",
                    "",
                    "",
                    "menu KIFU_SAVE\n",
                    {"dsPlay\t禁止.wav", "msgbox\t棋譜\t棋譜がありません"}},
        CommandCase{
            "save_menu_cancelled", "", "", "menu TAIMAN\n" + press({3, 3}), "menu KIFU_SAVE\n", {}},
        CommandCase{
            "open_menu_cancelled", "", "", "menu TAIMAN\n" + press({3, 3}), "menu KIFU_OPEN\n", {}},
        CommandCase{
            "save_over_a_folder",
            "",
            "<folder>",
            "menu TAIMAN\n" + press({3, 3}),
            "save rec.sgf\n",
            {"dsPlay\t禁止.wav", "msgbox\t棋譜\t保存先が通常のファイルでも棋譜でもありません"}},
        CommandCase{"save_into_a_missing_folder",
                    "",
                    "",
                    "menu TAIMAN\n" + press({3, 3}),
                    "save missing/rec.sgf\n",
                    {"dsPlay\t禁止.wav",
                     "msgbox\t棋譜\t棋譜を保存できませんでした（No such file or directory）"}},
        CommandCase{"hint_before_a_game", "", "", "", "menu HINT\n", REFUSED_NO_GAME},
        CommandCase{"hint_after_a_five", "", record("GM[4]", FIVE), "open rec.sgf\n", "menu HINT\n",
                    REFUSED_NO_GAME},
        CommandCase{"hint_on_the_empty_board",
                    "",
                    "",
                    "menu TAIMAN\n",
                    "menu HINT\n",
                    {circle({10, 10}, 60, 12)}},
        // A searching level shows "思考中" while it thinks, where the computer's turn shows it.
        CommandCase{"hint_at_intermediate_shows_that_it_thinks",
                    settingsBytes(false, false) + "\x8B\xAD\x82\xB3=\x92\x86\x8B\x89\r\n", "",
                    "menu TAIMAN\n", "menu HINT\n", THINKING_ON_THE_EMPTY_BOARD},
        CommandCase{"hint_at_advanced_shows_that_it_thinks",
                    settingsBytes(false, false) + "\x8B\xAD\x82\xB3=\x8F\xE3\x8B\x89\r\n", "",
                    "menu TAIMAN\n", "menu HINT\n", THINKING_ON_THE_EMPTY_BOARD},
        CommandCase{
            "hint_goes_before_the_next_command",
            "",
            "",
            "menu TAIMAN\nmenu HINT\n",
            "menu BGM\n",
            {"picture\tKARANAKATEN\t3450\t3200", "check\tBGM\t1", "dsPlayLooping\tBGM.wav"}},
        CommandCase{"hint_goes_before_the_next_move", "", "", "menu TAIMAN\nmenu HINT\n",
                    press({10, 10}),
                    concat({{"picture\tKARANAKATEN\t3450\t3200", "picture\tKURONAKA\t3450\t3200",
                             circle({10, 10}, 50, 11), "dsPlay\t石打音.wav"},
                            moveCount(1)})},
        CommandCase{"open_draws_the_record_with_its_numbers", settingsBytes(true, false),
                    record("GM[4]", {{10, 10}, {11, 11}, {9, 11}}), "", "open rec.sgf\n",
                    concat({{pointLine("KURONAKA", 9, 11), pointLine("KURONAKA", 10, 10),
                             pointLine("SIRONAKA", 11, 11)},
                            PLAYER_PANEL,
                            {circle({9, 11}, 50, 11)},
                            moveCount(3),
                            {"dsPlay\t石打音.wav", text({3785, 3535}, " 2 ", 12, 0),
                             text({3470, 3220}, " 1 ", 12, 15)}})},
        CommandCase{"open_marks_the_barred_points", BARRED_MARKS_ON, BEFORE_DOUBLE_THREE, "",
                    "open rec.sgf\n",
                    concat({{pointLine("SIROUEHIDARI", 1, 1), pointLine("SIROHIDARINAKA", 1, 3),
                             pointLine("SIROHIDARINAKA", 1, 5), pointLine("SIROHIDARINAKA", 1, 7),
                             pointLine("KURONAKA", 8, 10), pointLine("KURONAKA", 9, 10),
                             pointLine("KURONAKA", 10, 8), pointLine("KURONAKA", 10, 9)},
                            PLAYER_PANEL,
                            {circle({1, 7}, 50, 11)},
                            moveCount(8),
                            {"dsPlay\t石打音.wav", circle({10, 10}, 40, 12)}})},
        CommandCase{"barred_marks_checked_in_a_game",
                    "",
                    BEFORE_DOUBLE_THREE,
                    "open rec.sgf\n",
                    "menu KINSYU\n",
                    {"check\tKINSYU\t1", circle({10, 10}, 40, 12)}},
        CommandCase{"barred_marks_unchecked",
                    BARRED_MARKS_ON,
                    BEFORE_DOUBLE_THREE,
                    "open rec.sgf\n",
                    "menu KINSYU\n",
                    {"check\tKINSYU\t0", "picture\tKARANAKATEN\t3450\t3200"}},
        // With no game no stone can be refused as barred: 最初 takes the marks away.
        CommandCase{"barred_marks_go_with_the_game",
                    BARRED_MARKS_ON,
                    BEFORE_DOUBLE_THREE,
                    "open rec.sgf\n",
                    "menu SAISYO\n",
                    {"fill\t6915\t1940\t1800\t2600\t2", pointLine("KARAUEHIDARI", 1, 1),
                     pointLine("KARAHIDARINAKA", 1, 3), pointLine("KARAHIDARINAKA", 1, 5),
                     pointLine("KARAHIDARINAKA", 1, 7), pointLine("KARANAKA", 8, 10),
                     pointLine("KARANAKA", 9, 10), pointLine("KARANAKA", 10, 8),
                     pointLine("KARANAKA", 10, 9), "picture\tKARANAKATEN\t3450\t3200"}}),
    [](const ::testing::TestParamInfo<CommandCase>& row) { return std::string(row.param.name); });

} // namespace
} // namespace narabe::test
