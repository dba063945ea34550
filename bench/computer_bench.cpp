// Time of the computer's candidate scan (com_着手選択) on game-like positions of 10, 50, 100
// and 200 stones. Each position comes from a seeded random game: black opens on the middle
// point, then the sides alternate on random flagged empty points, skipping moves that are
// forbidden for the side to move or that would make five, so every position is one a game
// could reach and still be going on. The flags are widened after every move, as in play.
#include "computer/choose.h"
#include "computer/near_flags.h"
#include "rules/double_four.h"
#include "rules/double_three.h"
#include "rules/five.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

using namespace narabe;

constexpr int POSITIONS_PER_SIZE = 8;

// The state of a game against the computer just after it was initialised.
State newGame() {
    State st;
    clearForNewGame(st, [](int, int) {});
    fillCentreBonus(st);
    return st;
}

// A random game of `stones` moves; the side to move next is the computer.
State gamePosition(int stones, unsigned seed) {
    std::mt19937 rng(seed);
    State st = newGame();
    Stone mover = BLACK;
    for (int move = 0; move < stones; ++move) {
        std::vector<std::pair<int, int>> open;
        for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
            for (int y = FIRST_POINT; y <= LAST_POINT; ++y)
                if (st.NearFlag(x, y) == YES && st.Board(x, y) == EMPTY) open.emplace_back(x, y);
        std::shuffle(open.begin(), open.end(), rng);
        bool played = false;
        for (const auto& [x, y] : open) {
            if (調査_三三(st.Board, x, y, mover) == YES || 調査_四四(st.Board, x, y, mover) == YES)
                continue;
            if (調査_5並び(st.Board, mover, x, y) == YES) continue;
            st.Board(x, y) = cellOf(mover);
            隣接範囲フラグセット(st, x, y);
            played = true;
            break;
        }
        if (!played) throw std::runtime_error("random game ran out of moves");
        mover = otherStone(mover);
    }
    st.ComStone = mover;
    st.ManStone = otherStone(mover);
    st.Turn = mover;
    st.Opponent = otherStone(mover);
    return st;
}

std::vector<State>& positionsWith(int stones) {
    static std::map<int, std::vector<State>> cache;
    std::vector<State>& list = cache[stones];
    if (list.empty())
        for (int k = 0; k < POSITIONS_PER_SIZE; ++k)
            list.push_back(gamePosition(stones, 1000u * static_cast<unsigned>(stones) +
                                                    static_cast<unsigned>(k)));
    return list;
}

void ComMoveChoice(benchmark::State& bs) {
    std::vector<State>& positions = positionsWith(static_cast<int>(bs.range(0)));
    std::size_t next = 0;
    for (auto _ : bs) {
        const Choice c = com_着手選択(positions[next]);
        benchmark::DoNotOptimize(c);
        next = (next + 1) % positions.size();
    }
    bs.SetItemsProcessed(bs.iterations());
    // How many flagged empty points a scan looks at, on average over the positions.
    int considered = 0;
    for (const State& st : positions)
        for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
            for (int y = FIRST_POINT; y <= LAST_POINT; ++y)
                if (st.NearFlag(x, y) == YES && st.Board(x, y) == EMPTY) ++considered;
    bs.counters["points"] = static_cast<double>(considered) / static_cast<double>(positions.size());
}

BENCHMARK(ComMoveChoice)
    ->ArgName("stones")
    ->Arg(10)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Unit(benchmark::kMicrosecond);

} // namespace
