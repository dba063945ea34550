// The engine program at 初級 and 中級 against the game's computer: on many positions reached
// by play, sent to one running narabe-brain over a pipe (RESTART, then BOARD with the stones
// in a shuffled order), it answers the point the game's level chooses for the side to move.
// And at every level, an answer comes within INFO timeout_turn and the allowed lateness.
#include "adapters/brain/protocol_text.h"
#include "adapters/match/engine_process.h"
#include "common/played_games.h"
#include "computer/levels.h"
#include "computer/scan/scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace narabe::test {
namespace {

using Clock = EngineProcess::Clock;
using std::chrono::milliseconds;

// Long enough for a sanitized build on a loaded machine; the answers are read as they come.
constexpr milliseconds PATIENCE{10000};

std::string ask(EngineProcess& brain, const std::vector<std::string>& lines) {
    for (const std::string& l : lines)
        if (!brain.send(l)) return "(not sent)";
    std::string answer;
    if (brain.receive(answer, Clock::now() + PATIENCE) != EngineProcess::Answer::LINE)
        return "(no answer)";
    return answer;
}

// The BOARD command for the position, the side to move's stones as field 1, in random order.
std::vector<std::string> boardCommand(const ScanPosition& st, std::mt19937& rng) {
    std::vector<std::string> stones;
    forEachPoint([&](int x, int y) {
        if (st.board(x, y) == EMPTY) return;
        const char* field = st.board(x, y) == st.computer ? ",1" : ",2";
        stones.push_back(pointLine({x, y}) + field);
    });
    std::shuffle(stones.begin(), stones.end(), rng);
    stones.insert(stones.begin(), "BOARD");
    stones.emplace_back("DONE");
    return stones;
}

TEST(BrainProgram, AnswersAsTheGamesComputerOnPositionsReachedByPlay) {
    EngineProcess brain(std::string(NARABE_BRAIN_EXE) + " --level 1");
    ASSERT_EQ(ask(brain, {"START 19"}), "OK");
    std::mt19937 rng(20261208u);
    int compared = 0;
    for (int i = 0; i < 400; ++i) {
        const int stones = 1 + (i * 53) % 220;
        const ScanPosition st = playedPosition(stones, 9000u + static_cast<unsigned>(i));
        const Choice c = scanMove(st.board, st.near, st.computer, st.human);
        ASSERT_TRUE(c.found) << "position " << i;
        ASSERT_EQ(ask(brain, {"RESTART"}), "OK") << "position " << i;
        ASSERT_EQ(ask(brain, boardCommand(st, rng)), pointLine(c.at))
            << "position " << i << ", " << stones << " stones";
        ++compared;
    }
    EXPECT_EQ(compared, 400);
}

// At 中級 the engine plays the game's 中級: within the level's own time, however long the
// turn it is given, on positions reached by play it answers the game's 中級 point. A turn
// far longer than that time leaves the deadline out of the way on a loaded machine.
TEST(BrainProgram, AtIntermediateAnswersAsTheGamesIntermediateLevel) {
    EngineProcess brain(std::string(NARABE_BRAIN_EXE) + " --level 2");
    ASSERT_EQ(ask(brain, {"START 19"}), "OK");
    ASSERT_TRUE(brain.send("INFO timeout_turn 3000"));
    std::mt19937 rng(20261210u);
    for (int i = 0; i < 40; ++i) {
        const int stones = 8 + (i * 37) % 200;
        const ScanPosition st = playedPosition(stones, 4200u + static_cast<unsigned>(i));
        NodeBudget work(positionsIn(ownTime(Level::INTERMEDIATE)), NO_DEADLINE);
        const Choice c = chooseMove(st.board, st.near, st.computer, Level::INTERMEDIATE, work);
        ASSERT_TRUE(c.found) << "position " << i;
        ASSERT_EQ(ask(brain, {"RESTART"}), "OK") << "position " << i;
        EXPECT_EQ(ask(brain, boardCommand(st, rng)), pointLine(c.at))
            << "position " << i << ", " << stones << " stones";
    }
}

TEST(BrainProgram, AnswersWithinTheTurnTimeAtEveryLevel) {
    const milliseconds turn{300};
    const milliseconds lateness{50};
    for (const char* level : {"1", "2", "3"}) {
        SCOPED_TRACE(std::string("level ") + level);
        EngineProcess brain(std::string(NARABE_BRAIN_EXE) + " --level " + level);
        ASSERT_EQ(ask(brain, {"START 19"}), "OK");
        ASSERT_TRUE(brain.send("INFO timeout_turn " + std::to_string(turn.count())));
        std::mt19937 rng(5u);
        for (const int stones : {6, 30, 70}) {
            const ScanPosition st = playedPosition(stones, 77u + static_cast<unsigned>(stones));
            ASSERT_EQ(ask(brain, {"RESTART"}), "OK");
            const auto asked = Clock::now();
            const std::string answer = ask(brain, boardCommand(st, rng));
            const auto took = std::chrono::duration_cast<milliseconds>(Clock::now() - asked);
            EXPECT_TRUE(pointText(answer)) << answer;
            EXPECT_LE(took, turn + lateness) << stones << " stones";
        }
    }
}

} // namespace
} // namespace narabe::test
