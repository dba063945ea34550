// Time of the computer's candidate scan (scanMove) on game-like positions of 10, 50, 100
// and 200 stones, each from a seeded random game (tests/common/played_games.h).
#include "common/played_games.h"
#include "computer/scan/scan.h"

#include <benchmark/benchmark.h>

#include <map>
#include <vector>

namespace {

using namespace narabe;
using test::ScanPosition;

constexpr int POSITIONS_PER_SIZE = 8;

std::vector<ScanPosition>& positionsWith(int stones) {
    static std::map<int, std::vector<ScanPosition>> cache;
    std::vector<ScanPosition>& list = cache[stones];
    if (list.empty())
        for (int k = 0; k < POSITIONS_PER_SIZE; ++k)
            list.push_back(test::playedPosition(stones, 1000u * static_cast<unsigned>(stones) +
                                                            static_cast<unsigned>(k)));
    return list;
}

void ScanMove(benchmark::State& bs) {
    std::vector<ScanPosition>& positions = positionsWith(static_cast<int>(bs.range(0)));
    std::size_t next = 0;
    for (auto _ : bs) {
        const Choice c = scanMove(positions[next].board, positions[next].near,
                                  positions[next].computer, positions[next].human);
        benchmark::DoNotOptimize(c);
        next = (next + 1) % positions.size();
    }
    bs.SetItemsProcessed(bs.iterations());
    // How many flagged empty points a scan looks at, on average over the positions.
    int considered = 0;
    for (const ScanPosition& st : positions)
        for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
            for (int y = FIRST_POINT; y <= LAST_POINT; ++y)
                if (st.near(x, y) && st.board(x, y) == EMPTY) ++considered;
    bs.counters["points"] = static_cast<double>(considered) / static_cast<double>(positions.size());
}

BENCHMARK(ScanMove)->ArgName("stones")->Arg(10)->Arg(50)->Arg(100)->Arg(200)->Unit(
    benchmark::kMicrosecond);

} // namespace
