// Time of the double-three and double-four checks, and of the judgement of a move, per call,
// on mid-game positions.
//
// 200 positions of 60 stones each come from seeded random games: black opens on the middle
// point, then the sides alternate on random empty points within two points of a stone,
// skipping moves that are forbidden for the side to move or that make five. Every empty
// point of every position is then asked for the side to move, one point per benchmark
// iteration, so the time per iteration is the time of one call (or one pair of calls).
#include "rules/five.h"
#include "rules/judge.h"
#include "state/board.h"

#include <benchmark/benchmark.h>

#include <random>
#include <stdexcept>
#include <vector>

namespace {

using namespace narabe;

constexpr int POSITIONS = 200;
constexpr int STONES = 60;
constexpr unsigned SEED = 606;

struct Ask {
    std::size_t position;
    int x;
    int y;
};

struct Workload {
    std::vector<Board> boards;
    std::vector<Ask> asks;
    Stone toMove = BLACK; // after an even number of moves, black moves
};

bool nearAStone(const Board& b, int x, int y) {
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            if (onBoard(x + dx, y + dy) && b(x + dx, y + dy) != EMPTY) return true;
    return false;
}

Board gamePosition(std::mt19937& random) {
    Board b = emptyBoard();
    b(MIDDLE_POINT) = cellOf(BLACK);
    Stone mover = WHITE;
    std::uniform_int_distribution<int> coordinate(FIRST_POINT, LAST_POINT);
    for (int move = 1; move < STONES; ++move) {
        for (int tries = 0;; ++tries) {
            if (tries > 100000) throw std::runtime_error("random game ran out of moves");
            const int x = coordinate(random);
            const int y = coordinate(random);
            if (b(x, y) != EMPTY || !nearAStone(b, x, y)) continue;
            if (isDoubleThree(b, {x, y}, mover) || isDoubleFour(b, {x, y}, mover)) continue;
            if (makesFive(b, mover, {x, y})) continue;
            b(x, y) = cellOf(mover);
            break;
        }
        mover = otherStone(mover);
    }
    return b;
}

Workload& workload() {
    static Workload w = [] {
        Workload made;
        std::mt19937 random(SEED);
        for (int i = 0; i < POSITIONS; ++i)
            made.boards.push_back(gamePosition(random));
        for (std::size_t i = 0; i < made.boards.size(); ++i)
            for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
                for (int y = FIRST_POINT; y <= LAST_POINT; ++y)
                    if (made.boards[i](x, y) == EMPTY) made.asks.push_back({i, x, y});
        return made;
    }();
    return w;
}

template <class Check> void runOverAllPoints(benchmark::State& state, Check check) {
    Workload& w = workload();
    std::size_t next = 0;
    int forbidden = 0;
    for (auto _ : state) {
        const Ask& a = w.asks[next];
        const int answer = check(w.boards[a.position], a.x, a.y, w.toMove);
        benchmark::DoNotOptimize(answer);
        forbidden += answer;
        if (++next == w.asks.size()) next = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["time_per_call"] =
        benchmark::Counter(static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["points"] = static_cast<double>(w.asks.size());
    state.counters["forbidden_share"] =
        static_cast<double>(forbidden) / static_cast<double>(state.iterations());
}

// isDoubleThree followed by isDoubleFour on the same point.
void BM_DoubleThreeThenDoubleFour(benchmark::State& state) {
    runOverAllPoints(state, [](const Board& b, int x, int y, Stone stone) {
        const bool three = isDoubleThree(b, {x, y}, stone);
        const bool four = isDoubleFour(b, {x, y}, stone);
        return three || four ? 1 : 0;
    });
}
BENCHMARK(BM_DoubleThreeThenDoubleFour);

void BM_DoubleThree(benchmark::State& state) {
    runOverAllPoints(state, [](const Board& b, int x, int y, Stone stone) {
        return isDoubleThree(b, {x, y}, stone) ? 1 : 0;
    });
}
BENCHMARK(BM_DoubleThree);

void BM_DoubleFour(benchmark::State& state) {
    runOverAllPoints(state, [](const Board& b, int x, int y, Stone stone) {
        return isDoubleFour(b, {x, y}, stone) ? 1 : 0;
    });
}
BENCHMARK(BM_DoubleFour);

// The judgement of a move, as the press on the board and the barred marks ask it.
void BM_JudgeMove(benchmark::State& state) {
    runOverAllPoints(state, [](const Board& b, int x, int y, Stone stone) {
        return isBarred(judgeMove(b, {x, y}, stone)) ? 1 : 0;
    });
}
BENCHMARK(BM_JudgeMove);

} // namespace
