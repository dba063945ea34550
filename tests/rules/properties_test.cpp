// Properties of the rule checks over many reproducible random positions: no check leaves a
// trace on the board, the answers do not depend on the colours nor on how the board is
// turned or mirrored, and they agree with an independent model of the rules.
#include "common/played_games.h"
#include "common/probes.h"
#include "common/reference_rules.h"
#include "rules/five.h"
#include "rules/judge.h"
#include "rules/random_positions.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>

namespace narabe {
namespace {

using namespace narabe::test;

constexpr int POSITIONS = 12000;
constexpr unsigned SEED = 19190505;

struct Answers {
    bool five;
    bool four;
    bool three;
    bool operator==(const Answers&) const = default;
};

// The three checks at (x, y) for `stone`, each on the board itself; the board must come
// back exactly as it was, border cells included.
Answers askAll(Board& board, int x, int y, Stone stone) {
    const Board before = board;
    Answers a{};
    a.five = makesFive(board, stone, {x, y});
    EXPECT_EQ(board, before) << "makesFive changed the board";
    a.four = isDoubleFour(board, {x, y}, stone);
    EXPECT_EQ(board, before) << "isDoubleFour changed the board";
    a.three = isDoubleThree(board, {x, y}, stone);
    EXPECT_EQ(board, before) << "isDoubleThree changed the board";
    return a;
}

std::string where(const RandomPosition& pos, int index) {
    return "position " + std::to_string(index) + ", P = (" + std::to_string(pos.p.x) + ", " +
           std::to_string(pos.p.y) + ") for " + (pos.stone == BLACK ? "black" : "white") + "\n" +
           show(pos.board);
}

using RunProbe = int (*)(const Board&, Cell, int, int);
using EndProbe = Cell (*)(const Board&, Cell, int, int);
const std::array<RunProbe, 8> RUN_PROBES = {runUp,     runDown,    runLeft,     runRight,
                                            runUpLeft, runUpRight, runDownLeft, runDownRight};
const std::array<EndProbe, 8> END_PROBES = {endUp,     endDown,    endLeft,     endRight,
                                            endUpLeft, endUpRight, endDownLeft, endDownRight};

// All sixteen probes at (x, y); they only read, so the board must not change. Returns how
// many run lengths were not zero.
int probeAll16(const Board& board, Stone stone, int x, int y) {
    Board copy = board;
    int nonZero = 0;
    for (std::size_t d = 0; d < 8; ++d) {
        nonZero += RUN_PROBES[d](copy, cellOf(stone), x, y) > 0 ? 1 : 0;
        (void)END_PROBES[d](copy, cellOf(stone), x, y);
    }
    EXPECT_EQ(copy, board) << "a probe changed the board";
    return nonZero;
}

struct Shares {
    int five = 0;
    int four = 0;
    int three = 0;
};

TEST(RulePropertiesTest, BoardUntouchedAndAnswersUnderSwapsAndSymmetries) {
    std::mt19937 random(SEED);
    Shares yes;
    int runsFound = 0;
    for (int i = 0; i < POSITIONS; ++i) {
        RandomPosition pos = randomPosition(random);
        const Answers answers = askAll(pos.board, pos.p.x, pos.p.y, pos.stone);
        ASSERT_FALSE(::testing::Test::HasFailure()) << where(pos, i);
        // The probes, with the point empty or holding either stone.
        Board held = pos.board;
        held(pos.p.x, pos.p.y) = i % 3 == 0   ? EMPTY
                                 : i % 3 == 1 ? cellOf(pos.stone)
                                              : cellOf(otherStone(pos.stone));
        runsFound += probeAll16(held, pos.stone, pos.p.x, pos.p.y);
        ASSERT_FALSE(::testing::Test::HasFailure()) << where(pos, i);

        yes.five += answers.five;
        yes.four += answers.four;
        yes.three += answers.three;

        // The other colour's view of the same game: colours and stone code swapped.
        Board swapped = swapColours(pos.board);
        ASSERT_EQ(askAll(swapped, pos.p.x, pos.p.y, otherStone(pos.stone)), answers)
            << "colours swapped, " << where(pos, i);

        // The board turned and mirrored.
        for (int s = 1; s < 8; ++s) {
            Board turned = transform(s, pos.board);
            const Point q = transform(s, pos.p);
            ASSERT_EQ(askAll(turned, q.x, q.y, pos.stone), answers)
                << "symmetry " << s << ", " << where(pos, i);
        }
    }
    // The random positions must put the properties to work: each check says true often.
    EXPECT_GT(yes.five, POSITIONS / 20) << "fives";
    EXPECT_GT(yes.four, POSITIONS / 20) << "double fours";
    EXPECT_GT(yes.three, POSITIONS / 20) << "double threes";
    EXPECT_GT(runsFound, POSITIONS * 2) << "probes that found a run";
    RecordProperty("five_yes", yes.five);
    RecordProperty("double_four_yes", yes.four);
    RecordProperty("double_three_yes", yes.three);
}

// The checks agree with the line-strip model at every empty point of random positions.
// The checks agree with the line-strip model at every empty point, for both colours, of
// random fillings around a point and of positions that games reach.
TEST(RulePropertiesTest, AgreeWithTheLineModelAtEveryEmptyPoint) {
    std::mt19937 random(SEED + 2);
    struct Source {
        const char* name;
        std::function<Board(int)> board;
    };
    const Source sources[] = {
        {"random filling", [&random](int) { return randomPosition(random).board; }},
        {"played game",
         [](int i) {
             return playedPosition(2 + (i * 53) % 200, 9000u + static_cast<unsigned>(i)).board;
         }},
    };
    for (const Source& source : sources) {
        Shares yes;
        int asked = 0;
        for (int i = 0; i < 60; ++i) {
            Board board = source.board(i);
            for (int x = 1; x <= 19; ++x)
                for (int y = 1; y <= 19; ++y) {
                    if (board(x, y) != EMPTY) continue;
                    for (const Stone stone : {BLACK, WHITE}) {
                        const Answers model{referenceFive(board, stone, x, y),
                                            referenceDoubleFour(board, x, y, stone),
                                            referenceDoubleThree(board, x, y, stone)};
                        const Answers answers = askAll(board, x, y, stone);
                        ASSERT_EQ(answers, model)
                            << source.name << " " << i << " at (" << x << ", " << y << ") for "
                            << stone << ": five " << answers.five << "/" << model.five << ", 四四 "
                            << answers.four << "/" << model.four << ", 三三 " << answers.three
                            << "/" << model.three << "\n"
                            << show(board);
                        ++asked;
                        yes.five += model.five;
                        yes.four += model.four;
                        yes.three += model.three;
                    }
                }
        }
        EXPECT_GT(asked, 15000) << source.name;
        EXPECT_GT(yes.five, 100) << source.name << ": fives";
        EXPECT_GT(yes.four, 10) << source.name << ": double fours";
        EXPECT_GT(yes.three, 100) << source.name << ": double threes";
    }
}

} // namespace
} // namespace narabe
