// The engine's protocol, line by line: every command, malformed lines, points off the board
// and occupied, another board size, BOARD's sides, RESTART between games, and the state kept
// consistent after each error. The input goes through the same line splitter as the
// program's, so the line ends are part of each case.
#include "adapters/brain/brain_session.h"
#include "adapters/brain/protocol_text.h"
#include "common/print_codes.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace narabe::test {
namespace {

// An expected answer: the exact line, or "ERROR" for any "ERROR message" line with a
// message, "MOVE" for any point on the board, or a text ending in '*' for a line starting
// with the text before it.
bool answers(const std::string& expected, const std::string& line) {
    if (expected == "ERROR") return line.starts_with("ERROR ") && line.size() > 6;
    if (expected == "MOVE") {
        const auto p = pointText(line);
        return p && onBoard(*p) && line == pointLine(*p);
    }
    if (expected.ends_with('*')) return line.starts_with(expected.substr(0, expected.size() - 1));
    return line == expected;
}

struct ProtocolCase {
    const char* name;
    std::string input;
    std::vector<std::string> expected;
    int stones = -1;            // stones on the board afterwards, when not -1
    std::optional<Stone> own{}; // the engine's side afterwards, when set
    Level level = Level::BEGINNER;
};

std::string longLine() {
    return std::string(MAX_PROTOCOL_LINE + 500, 'A');
}

const ProtocolCase CASES[] = {
    {"start and about", "START 19\r\nABOUT\r\n", {"OK", "name=\"NarabeI\", version=*"}, 0},
    {"another size",
     "START 20\r\nSTART 15\r\nSTART x\r\nSTART\r\nSTART 19,19\r\n",
     {"ERROR", "ERROR", "ERROR", "ERROR", "ERROR"}},
    {"a game needs START first",
     "BEGIN\r\nTURN 3,3\r\nBOARD\r\nRESTART\r\nSTART 20\r\nBEGIN\r\n",
     {"ERROR", "ERROR", "ERROR", "ERROR", "ERROR", "ERROR"}},
    {"begin plays the middle point", "START 19\r\nBEGIN\r\n", {"OK", "9,9"}, 1, BLACK},
    {"a first TURN makes the engine white", "START 19\r\nTURN 0,0\r\n", {"OK", "9,9"}, 2, WHITE},
    {"turn off the board, occupied or malformed",
     "START 19\r\nBEGIN\r\nTURN 9,9\r\nTURN 19,0\r\nTURN 0,19\r\nTURN -1,3\r\nTURN 3\r\n"
     "TURN a,b\r\nTURN 3,4,5\r\nTURN 99999999999999999999,1\r\nTURN\r\nTURN 8,8\r\n",
     {"OK", "9,9", "ERROR", "ERROR", "ERROR", "ERROR", "ERROR", "ERROR", "ERROR", "ERROR", "ERROR",
      "MOVE"},
     3,
     BLACK},
    {"board lines that are refused leave the rest",
     "START 19\r\nBOARD\r\n9,9,1\r\n9,10,2\r\n9,9,2\r\n19,1,1\r\n1,-1,2\r\n3,3,3\r\n3,3,0\r\n"
     "3,3\r\nfoo\r\nINFO timeout_turn 5\r\nBEGIN\r\nDONE\r\n",
     {"OK", "ERROR", "ERROR", "ERROR", "ERROR", "ERROR", "ERROR", "ERROR", "ERROR", "ERROR",
      "MOVE"},
     3,
     BLACK},
    {"board: the opponent has more stones, so the engine is white",
     "START 19\r\nBOARD\r\n9,9,2\r\nDONE\r\n",
     {"OK", "MOVE"},
     2,
     WHITE},
    {"board: as many stones each, so the engine is black",
     "START 19\r\nBOARD\r\n9,9,1\r\n8,8,2\r\nDONE\r\n",
     {"OK", "MOVE"},
     3,
     BLACK},
    {"board replaces the game under way",
     "START 19\r\nBEGIN\r\nTURN 0,0\r\nBOARD\r\n5,5,2\r\nDONE\r\n",
     {"OK", "9,9", "MOVE", "MOVE"},
     2,
     WHITE},
    {"an empty board", "START 19\r\nBOARD\r\nDONE\r\n", {"OK", "9,9"}, 1, BLACK},
    {"restart between games",
     "START 19\r\nBEGIN\r\nTURN 0,0\r\nRESTART\r\nBEGIN\r\n",
     {"OK", "9,9", "MOVE", "OK", "9,9"},
     1,
     BLACK},
    {"start between games",
     "START 19\r\nBEGIN\r\nSTART 19\r\nTURN 0,0\r\n",
     {"OK", "9,9", "OK", "9,9"},
     2,
     WHITE},
    {"begin on a board with stones",
     "START 19\r\nTURN 0,0\r\nBEGIN\r\n",
     {"OK", "9,9", "ERROR"},
     2,
     WHITE},
    {"a failed START keeps the game",
     "START 19\r\nBEGIN\r\nSTART 20\r\nTURN 0,0\r\n",
     {"OK", "9,9", "ERROR", "MOVE"},
     3,
     BLACK},
    {"restart or start inside BOARD drop it",
     "START 19\r\nBOARD\r\n9,9,1\r\nRESTART\r\nBEGIN\r\n"
     "BOARD\r\n1,1,1\r\nSTART 19\r\nBEGIN\r\n",
     {"OK", "OK", "9,9", "OK", "9,9"},
     1,
     BLACK},
    {"info keys",
     "INFO timeout_turn 500\r\nINFO timeout_match 0\r\nINFO time_left -20\r\n"
     "INFO max_memory 1000\r\nINFO rule 1\r\nINFO folder /tmp\r\nINFO evaluate 3,3\r\n"
     "INFO timeout_turn\r\nINFO timeout_turn -5\r\nINFO max_memory lots\r\n"
     "INFO time_left 1.5\r\nINFO timeout_match 2 3\r\nINFO show_detail yes\r\n"
     "START 19\r\nBEGIN\r\n",
     {"ERROR", "ERROR", "ERROR", "ERROR", "ERROR", "OK", "9,9"}},
    {"the largest and the negative times",
     "INFO timeout_turn 9223372036854775807\r\nINFO timeout_match 9223372036854775807\r\n"
     "INFO time_left 9223372036854775807\r\nINFO max_memory 9223372036854775807\r\n"
     "START 19\r\nBEGIN\r\nINFO timeout_turn -9223372036854775808\r\n"
     "INFO time_left -9223372036854775808\r\nINFO timeout_match -1\r\nTURN 10,10\r\n",
     {"OK", "9,9", "MOVE"},
     3},
    {"the largest match times at 上級",
     "INFO timeout_turn 200\r\nINFO timeout_match 9223372036854775807\r\n"
     "INFO time_left 9223372036854775807\r\nSTART 19\r\nBEGIN\r\nTURN 10,10\r\n",
     {"OK", "9,9", "MOVE"},
     3,
     BLACK,
     Level::ADVANCED},
    {"the shortest turn at 中級 and 上級 gets an answer",
     "INFO timeout_turn 1\r\nSTART 19\r\nBEGIN\r\nTURN 10,10\r\n",
     {"OK", "9,9", "MOVE"},
     3,
     BLACK,
     Level::INTERMEDIATE},
    {"unknown commands and arguments where none belong",
     "FOO\r\nRECTSTART 19,19\r\nDONE\r\nSTART 19\r\nBEGIN now\r\nRESTART 1\r\nABOUT me\r\n"
     "BOARD x\r\nEND now\r\nBEGIN\r\n",
     {"ERROR", "ERROR", "ERROR", "OK", "ERROR", "ERROR", "ERROR", "ERROR", "ERROR", "9,9"}},
    {"commands in any case, spaces around", "  start   19 \r\n\tBeGiN\r\n", {"OK", "9,9"}},
    {"LF, CR and blank lines", "START 19\nRESTART\rBEGIN\r\n\r\n \t \r\n", {"OK", "OK", "9,9"}},
    {"a line too long", "START 19\r\n" + longLine() + "\r\nBEGIN\r\n", {"OK", "ERROR", "9,9"}},
    {"a point in a line too long",
     "START 19\r\nTURN 0," + longLine() + "\r\nBEGIN\r\n",
     {"OK", "ERROR", "9,9"},
     1},
    {"nothing after END", "START 19\r\nEND\r\nBEGIN\r\nABOUT\r\n", {"OK"}, 0},
};

TEST(BrainProtocol, AnswersEveryLineAsTheTableSays) {
    for (const ProtocolCase& c : CASES) {
        SCOPED_TRACE(c.name);
        BrainSession brain(c.level);
        LineSplitter splitter;
        std::vector<std::string> out;
        const auto now = BrainSession::Clock::now();
        splitter.feed(c.input, [&](std::string_view line) { brain.handle(line, now, out); });
        splitter.finish([&](std::string_view line) { brain.handle(line, now, out); });

        ASSERT_EQ(out.size(), c.expected.size()) << ::testing::PrintToString(out);
        for (std::size_t i = 0; i < out.size(); ++i)
            EXPECT_TRUE(answers(c.expected[i], out[i])) << "line " << i << ": " << out[i];
        if (c.stones >= 0) {
            int stones = 0;
            forEachPoint([&](int x, int y) { stones += brain.board()(x, y) == EMPTY ? 0 : 1; });
            EXPECT_EQ(stones, c.stones);
        }
        if (c.own) {
            EXPECT_EQ(brain.own(), c.own);
        }
    }
}

// The limits of a move asked for at once, after the INFO lines (and the games) of each case,
// in milliseconds: the turn less the answer margin (30 ms and a tenth), at most a twentieth of the
// match time left, half of it before no new depth begins.
struct TimeCase {
    const char* name;
    std::string input;
    std::int64_t hard;
};

const TimeCase TIME_CASES[] = {
    {"no INFO: a second a turn", "START 19\r\n", 870},
    {"the turn less the margin", "INFO timeout_turn 3000\r\nSTART 19\r\n", 2670},
    {"0 and negative turns are the default",
     "INFO timeout_turn 0\r\nSTART 19\r\nINFO timeout_turn 500\r\nINFO timeout_turn -7\r\n", 870},
    {"the largest turn is 2^31 - 1 ms", "INFO timeout_turn 9223372036854775807\r\n",
     2147483647 - 30 - 214748364},
    {"a turn shorter than the margin leaves nothing", "INFO timeout_turn 30\r\n", 0},
    {"a twentieth of the match time left", "START 19\r\nINFO time_left 10000\r\n", 500},
    {"the largest match time left",
     "INFO timeout_turn 9223372036854775807\r\nINFO time_left 9223372036854775807\r\n",
     2147483647 / 20},
    {"a negative time left is none", "START 19\r\nINFO time_left -20\r\n", 870},
    {"a twentieth of the match time", "INFO timeout_turn 5000\r\nINFO timeout_match 40000\r\n",
     2000},
    {"BOARD keeps the time left sent before it",
     "START 19\r\nINFO time_left 10000\r\nBOARD\r\n9,9,2\r\nDONE\r\n", 500},
    {"BOARD keeps the turn sent before it",
     "START 19\r\nINFO timeout_turn 300\r\nBOARD\r\n9,9,2\r\nDONE\r\n", 240},
    {"RESTART forgets the time left", "START 19\r\nINFO time_left 10000\r\nRESTART\r\n", 870},
};

TEST(BrainProtocol, GivesEachMoveTheTimeTheTableSays) {
    for (const TimeCase& c : TIME_CASES) {
        SCOPED_TRACE(c.name);
        BrainSession brain(Level::BEGINNER);
        LineSplitter splitter;
        std::vector<std::string> out;
        splitter.feed(c.input, [&](std::string_view line) {
            brain.handle(line, BrainSession::Clock::now(), out);
        });
        const TimeLimits limits = brain.timeFor({});
        // The moves played count against the match time: a few milliseconds of it.
        EXPECT_LE(limits.hard.count(), c.hard);
        EXPECT_GE(limits.hard.count(), c.hard - 5);
        EXPECT_EQ(limits.soft, limits.hard / 2);
    }
}

// The table of searched positions takes half of INFO max_memory, in bytes, within its least
// and most room; 0, negative or none: the default. Its room is a power of two of buckets, so
// more than half of what it may take.
struct MemoryCase {
    const char* name;
    std::string input;
    std::size_t most;
};

const MemoryCase MEMORY_CASES[] = {
    {"none", "START 19\r\n", TranspositionTable::DEFAULT_BYTES},
    {"0", "INFO max_memory 0\r\n", TranspositionTable::DEFAULT_BYTES},
    {"negative", "INFO max_memory -1\r\n", TranspositionTable::DEFAULT_BYTES},
    {"half of 64 MB", "INFO max_memory 67108864\r\n", std::size_t{32} << 20U},
    {"too little", "INFO max_memory 1000\r\n", TranspositionTable::MIN_BYTES},
    {"the largest", "INFO max_memory 9223372036854775807\r\n", TranspositionTable::MAX_BYTES},
    {"a new value", "INFO max_memory 1000\r\nINFO max_memory 67108864\r\n", std::size_t{32} << 20U},
};

TEST(BrainProtocol, SizesTheTableByMaxMemory) {
    for (const MemoryCase& c : MEMORY_CASES) {
        SCOPED_TRACE(c.name);
        BrainSession brain(Level::ADVANCED);
        LineSplitter splitter;
        std::vector<std::string> out;
        splitter.feed(c.input, [&](std::string_view line) {
            brain.handle(line, BrainSession::Clock::now(), out);
        });
        EXPECT_TRUE(out.empty() || out == std::vector<std::string>{"OK"});
        EXPECT_LE(brain.tableBytes(), c.most);
        EXPECT_GT(brain.tableBytes(), c.most / 2);
    }
}

// With INFO show_detail 1 a searching level's move comes after one line for each depth it
// completed, deepest last: the depths counting up from 1, the positions counted so far, an
// evaluation or a win or loss in so many moves, and a best line of points on the board whose
// first is the move answered.
struct AnalysisCase {
    const char* name;
    std::string input;
    const char* lastEval; // the deepest line's evaluation, or nullptr for any number
};

const AnalysisCase ANALYSIS_CASES[] = {
    {"an opening", "START 19\r\nINFO show_detail 1\r\nBEGIN\r\nTURN 10,10\r\n", nullptr},
    {"two open threes of the other side: lost in two moves",
     "START 19\r\nINFO show_detail 1\r\nBOARD\r\n3,3,2\r\n4,3,2\r\n5,3,2\r\n3,10,2\r\n"
     "3,11,2\r\n3,12,2\r\n15,15,1\r\n15,18,1\r\n18,15,1\r\n12,18,1\r\n18,11,1\r\nDONE\r\n",
     "loss 2"},
};

TEST(BrainProtocol, TellsEveryDepthWithShowDetail) {
    for (const AnalysisCase& c : ANALYSIS_CASES) {
        SCOPED_TRACE(c.name);
        BrainSession brain(Level::ADVANCED);
        LineSplitter splitter;
        std::vector<std::string> out;
        const auto now = BrainSession::Clock::now();
        splitter.feed(c.input, [&](std::string_view line) { brain.handle(line, now, out); });
        std::vector<std::string> details;
        for (const std::string& line : out)
            if (line.starts_with("MESSAGE")) details.push_back(line);
        ASSERT_FALSE(details.empty()) << ::testing::PrintToString(out);
        ASSERT_TRUE(answers("MOVE", out.back())) << out.back();
        std::int64_t lastNodes = 0;
        std::string firstOfLine;
        std::string eval;
        for (std::size_t i = 0; i < details.size(); ++i) {
            std::istringstream words(details[i]);
            std::string message, depthWord, evalWord, nodesWord, npsWord, pvWord;
            int depth = 0;
            std::int64_t nodes = 0, nps = -1;
            words >> message >> depthWord >> depth >> evalWord;
            std::string e1, e2;
            words >> e1;
            if (e1 == "win" || e1 == "loss") words >> e2;
            words >> nodesWord >> nodes >> npsWord >> nps >> pvWord;
            eval = e2.empty() ? e1 : e1 + " " + e2;
            EXPECT_EQ(message + depthWord + evalWord + nodesWord + npsWord + pvWord,
                      "MESSAGEdepthevalnodesnpspv")
                << details[i];
            EXPECT_EQ(depth, static_cast<int>(i) + 1) << details[i];
            EXPECT_GE(nodes, lastNodes) << details[i];
            EXPECT_GT(nodes, 0) << details[i];
            EXPECT_GE(nps, 0) << details[i];
            lastNodes = nodes;
            std::string point;
            int points = 0;
            for (; words >> point; ++points) {
                if (points == 0) firstOfLine = point;
                EXPECT_TRUE(answers("MOVE", point)) << details[i];
            }
            EXPECT_GE(points, 1) << details[i];
            EXPECT_LE(points, depth) << details[i];
        }
        EXPECT_EQ(firstOfLine, out.back());
        if (c.lastEval != nullptr) {
            EXPECT_EQ(eval, c.lastEval);
        } else {
            EXPECT_NO_THROW((void)std::stoi(eval)) << eval;
        }
    }
}

} // namespace
} // namespace narabe::test
