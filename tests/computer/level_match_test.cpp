// Small matches between the levels with fixed work, so that they are the same every run: from
// random openings, each played with both colours, every level beats the one below it.
#include "common/level_games.h"

#include <gtest/gtest.h>

#include <string>

namespace narabe::test {
namespace {

struct Pairing {
    std::string name;
    Player stronger;
    Player weaker;
    double atLeast; // the stronger side's share of the points
};

class LevelMatch : public ::testing::TestWithParam<Pairing> {};

TEST_P(LevelMatch, TheStrongerLevelWins) {
    const Pairing& p = GetParam();
    double points = 0;
    int games = 0;
    for (const Opening& o : openings(12, 20260515u)) {
        for (const bool strongerBlack : {true, false}) {
            const std::optional<Stone> winner = strongerBlack ? playGame(o, p.stronger, p.weaker)
                                                              : playGame(o, p.weaker, p.stronger);
            const Stone strongerStone = strongerBlack ? BLACK : WHITE;
            points += winner == strongerStone ? 1.0 : !winner ? 0.5 : 0.0;
            ++games;
        }
    }
    EXPECT_GE(points / games, p.atLeast) << points << " of " << games;
}

// The work is a small part of the levels' own, to keep the run short; the order holds there
// already.
INSTANTIATE_TEST_SUITE_P(Levels, LevelMatch,
                         ::testing::Values(Pairing{"intermediate_beats_beginner",
                                                   {Level::INTERMEDIATE, 700},
                                                   {Level::BEGINNER, 0},
                                                   0.9},
                                           Pairing{"advanced_beats_intermediate",
                                                   {Level::ADVANCED, 2000},
                                                   {Level::INTERMEDIATE, 700},
                                                   0.6}),
                         [](const ::testing::TestParamInfo<Pairing>& i) { return i.param.name; });

} // namespace
} // namespace narabe::test
