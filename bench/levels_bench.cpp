// The computer's levels on positions from played games: how many positions a second the
// search looks at, and how long one decision takes at each level with its own time's work.
//
// The positions come from games of 中級 against itself with little work, from random
// openings in the middle of the board (tests/common/level_games.h): every third position
// before a move, with the side to move.
#include "common/level_games.h"
#include "computer/levels.h"

#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

namespace {

using namespace narabe;
using test::ScanPosition;

std::vector<std::pair<ScanPosition, Stone>>& positions() {
    static std::vector<std::pair<ScanPosition, Stone>> list = [] {
        std::vector<std::pair<ScanPosition, Stone>> seen;
        int n = 0;
        for (const test::Opening& o : test::openings(6, 4242u)) {
            const test::Player p{Level::INTERMEDIATE, 2000};
            test::playGame(o, p, p, [&](const ScanPosition& st, Stone mover) {
                if (n++ % 3 == 0) seen.emplace_back(st, mover);
            });
        }
        return seen;
    }();
    return list;
}

// The 上級 search with a fixed budget on every position in turn; items are positions looked
// at.
void SearchSpeed(benchmark::State& bs) {
    std::int64_t looked = 0;
    for (auto _ : bs) {
        for (const auto& [st, side] : positions()) {
            NodeBudget work(bs.range(0), NO_DEADLINE);
            const Choice c = chooseMove(st.board, st.near, side, Level::ADVANCED, work);
            benchmark::DoNotOptimize(c);
            looked += work.used();
        }
    }
    bs.SetItemsProcessed(looked);
}

// One decision with the level's own time's work, no deadline.
void Decision(benchmark::State& bs) {
    const auto level = static_cast<Level>(bs.range(0));
    const auto& list = positions();
    std::size_t next = 0;
    std::int64_t looked = 0;
    for (auto _ : bs) {
        const auto& [st, side] = list[next];
        NodeBudget work(positionsIn(ownTime(level)), NO_DEADLINE);
        const Choice c = chooseMove(st.board, st.near, side, level, work);
        benchmark::DoNotOptimize(c);
        looked += work.used();
        next = (next + 1) % list.size();
    }
    bs.counters["positions"] = static_cast<double>(looked) / static_cast<double>(bs.iterations());
    bs.counters["games_positions"] = static_cast<double>(list.size());
}

BENCHMARK(SearchSpeed)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(Decision)->ArgName("level")->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

} // namespace
