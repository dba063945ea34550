// The computer's levels on positions from played games: how many positions a second the
// search looks at, how long one decision takes at each level with its own time's work and
// how deep 上級 gets in a second; and how deep and how long 上級 searches to prove the win
// of a few fixed positions.
//
// The positions come from games of 中級 against itself with little work, from random
// openings in the middle of the board (tests/common/level_games.h): every third position
// before a move, with the side to move.
#include "common/level_games.h"
#include "computer/levels.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
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

// 上級 given a second for each of the first positions, a fresh table each: the depth it
// completes and the positions a second it looks at.
void DepthInASecond(benchmark::State& bs) {
    const auto& list = positions();
    const std::size_t count = std::min<std::size_t>(list.size(), 10);
    int depths = 0;
    std::int64_t looked = 0;
    std::chrono::steady_clock::duration spent{};
    for (auto _ : bs) {
        for (std::size_t i = 0; i < count; ++i) {
            const auto& [st, side] = list[i];
            DepthReport last;
            TranspositionTable table;
            const std::chrono::milliseconds second{1000};
            const Choice c =
                chooseMove(st.board, st.near, side, Level::ADVANCED, TimeLimits{second, second},
                           table, [&](const DepthReport& r) { last = r; });
            benchmark::DoNotOptimize(c);
            depths += last.depth;
            looked += last.nodes;
            spent += last.time;
        }
    }
    const double runs = static_cast<double>(bs.iterations()) * static_cast<double>(count);
    bs.counters["depth"] = depths / runs;
    bs.counters["positions_per_s"] =
        static_cast<double>(looked) / std::chrono::duration<double>(spent).count();
}

// Positions black, to move, wins.
struct Puzzle {
    const char* name;
    std::vector<Point> black;
    std::vector<Point> white;
};

const std::vector<Puzzle>& puzzles() {
    static const std::vector<Puzzle> list = {
        // A four and a three on one point: continuous fours.
        {"four_three", {{4, 5}, {5, 5}, {6, 5}, {7, 6}, {7, 7}}, {{3, 5}, {7, 3}}},
        // Fours that open a point barred before.
        {"fours_through_a_barred_point",
         {{7, 10}, {8, 10}, {9, 10}, {6, 11}, {6, 12}, {7, 13}, {8, 13}},
         {{6, 9}, {10, 10}, {7, 12}}},
        // A quiet opening: the win takes threes as well as fours.
        {"threes_and_fours",
         {{10, 10}, {9, 11}, {12, 12}, {10, 13}},
         {{11, 11}, {11, 9}, {8, 12}, {13, 10}}},
    };
    return list;
}

// How deep 上級 searches to prove each puzzle's win, and how long it takes (depth 0: proved
// by continuous fours before the main search); the search stops at the proof.
void Solve(benchmark::State& bs) {
    const Puzzle& pz = puzzles()[static_cast<std::size_t>(bs.range(0))];
    bs.SetLabel(pz.name);
    Board board = emptyBoard();
    for (const Point p : pz.black)
        board(p) = cellOf(BLACK);
    for (const Point p : pz.white)
        board(p) = cellOf(WHITE);
    const NearPoints near = nearPointsOf(board);
    int depth = 0;
    bool proved = false;
    for (auto _ : bs) {
        TranspositionTable table;
        const std::chrono::milliseconds limit{10000};
        depth = 0;
        const Choice c = chooseMove(board, near, BLACK, Level::ADVANCED, TimeLimits{limit, limit},
                                    table, [&](const DepthReport& r) { depth = r.depth; });
        proved = c.score >= WON_SCORE;
        benchmark::DoNotOptimize(c);
    }
    bs.counters["depth"] = depth;
    bs.counters["proved"] = proved ? 1 : 0;
}

BENCHMARK(SearchSpeed)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(DepthInASecond)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Solve)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(Decision)->ArgName("level")->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

} // namespace
