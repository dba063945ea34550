// The sixteen line probes: run lengths and end cells in all eight directions, at the edges
// and corners, with and without the stone on the starting point.
#include "common/probes.h"
#include "rules/diagram.h"

#include <gtest/gtest.h>

#include <string>

namespace narabe {
namespace {

using namespace narabe::test;

using RunProbe = int (*)(const Board&, Cell, int, int);
using EndProbe = Cell (*)(const Board&, Cell, int, int);

struct NamedProbes {
    const char* name;
    Vec v;
    RunProbe run;
    EndProbe end;
};

const NamedProbes PROBES[] = {
    {"Up", UP, runUp, endUp},
    {"Down", DOWN, runDown, endDown},
    {"Left", LEFT, runLeft, endLeft},
    {"Right", RIGHT, runRight, endRight},
    {"UpLeft", UP_LEFT, runUpLeft, endUpLeft},
    {"UpRight", UP_RIGHT, runUpRight, endUpRight},
    {"DownLeft", DOWN_LEFT, runDownLeft, endDownLeft},
    {"DownRight", DOWN_RIGHT, runDownRight, endDownRight},
};

// A probe case: the picture starts at P and is read in the probe's direction.
struct ProbeCase {
    std::string picture;
    char point; // what P holds: X, O or _
    int run;    // expected run length
    char end;   // expected end cell: X, O or _
};

std::string xs(int n) {
    return std::string(static_cast<std::size_t>(n), 'X');
}

std::vector<ProbeCase> probeCases() {
    std::vector<ProbeCase> cases = {
        {"P O", 'X', 0, 'O'},       // the neighbour holds the other code
        {"P _", 'X', 0, '_'},       // an empty neighbour: open at once
        {"P _ X X", 'X', 0, '_'},   // stones beyond a gap are not counted
        {"P O X X _", 'X', 0, 'O'}, // nor beyond the other colour
        {"P X _", 'X', 1, '_'},
        {"P X X X _", 'X', 3, '_'},
        {"P X X X O", 'X', 3, 'O'},
        {"P X _ X X", 'X', 1, '_'},
        {"P X O X X _", 'X', 1, 'O'},
        {"P |", 'X', 0, 'X'},   // the point on the edge reports itself
        {"P X |", 'X', 1, 'X'}, // the run reaches the edge point
        {"P _ |", 'X', 0, '_'}, // the empty edge point is the first cell beyond
        {"P O |", 'X', 0, 'O'},
        {"P X _ |", 'X', 1, '_'},
        {"P X O |", 'X', 1, 'O'},
        // the point does not hold the stone: the end-cell probe returns the point itself
        {"P X X _", '_', 2, '_'},
        {"P X X O", '_', 2, '_'},
        {"P X X _", 'O', 2, 'O'},
        {"P _", '_', 0, '_'},
        {"P |", '_', 0, '_'},
        {"P |", 'O', 0, 'O'},
        {"P X |", '_', 1, '_'},
        // the other colour's stones form no run of the tested code
        {"P O O O _", 'X', 0, 'O'},
        {"P O O O _", 'O', 0, 'O'},
    };
    // Runs to the edge from every distance: X on P and all points up to the edge.
    for (int k = 0; k <= 18; ++k) {
        cases.push_back({"P" + xs(k) + "|", 'X', k, 'X'});
        cases.push_back({"P" + xs(k) + "|", '_', k, '_'});
    }
    // Runs that stop one point before the edge, on an empty point or the other colour.
    for (int k = 0; k <= 17; ++k) {
        cases.push_back({"P" + xs(k) + "_|", 'X', k, '_'});
        cases.push_back({"P" + xs(k) + "O|", 'X', k, 'O'});
    }
    // Long runs in the open.
    for (int k = 4; k <= 16; ++k)
        cases.push_back({"P" + xs(k) + "_", 'X', k, '_'});
    return cases;
}

Cell pointCode(char letter, Stone me) {
    return letter == 'X' ? cellOf(me) : letter == 'O' ? cellOf(otherStone(me)) : EMPTY;
}

TEST(ProbeTest, RunLengthsAndEndCellsInEveryDirectionAtEveryPlace) {
    int checked = 0;
    for (const ProbeCase& c : probeCases()) {
        const Picture picture = parse(c.picture);
        for (const NamedProbes& probe : PROBES) {
            const std::vector<Point> places = somePlacements({{picture, probe.v}}, 3);
            ASSERT_FALSE(places.empty()) << c.picture << " " << probe.name;
            for (const Stone me : {BLACK, WHITE}) {
                for (const Point p : places) {
                    Board b = board({{picture, probe.v}}, p.x, p.y, me);
                    b(p.x, p.y) = pointCode(c.point, me);
                    const Board before = b;
                    const int run = probe.run(b, cellOf(me), p.x, p.y);
                    const Cell end = probe.end(b, cellOf(me), p.x, p.y);
                    const std::string where = c.picture + " with P=" + c.point + " at (" +
                                              std::to_string(p.x) + ", " + std::to_string(p.y) +
                                              ") run/end" + probe.name +
                                              (me == BLACK ? " black" : " white");
                    ASSERT_EQ(run, c.run) << where;
                    ASSERT_EQ(letterOf(end, me), c.end) << where;
                    ASSERT_EQ(b, before) << where << ": the probe changed the board";
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 50000);
}

TEST(ProbeTest, RunLengthIgnoresWhatThePointHolds) {
    for (const ProbeCase& c : probeCases()) {
        const Picture picture = parse(c.picture);
        for (const NamedProbes& probe : PROBES) {
            for (const Point p : somePlacements({{picture, probe.v}}, 6)) {
                Board b = board({{picture, probe.v}}, p.x, p.y, BLACK);
                int runs[3];
                int i = 0;
                for (const Cell held : {EMPTY, Cell::BLACK, Cell::WHITE}) {
                    b(p.x, p.y) = held;
                    runs[i++] = probe.run(b, Cell::BLACK, p.x, p.y);
                }
                ASSERT_EQ(runs[0], runs[1]) << c.picture << " run/end" << probe.name;
                ASSERT_EQ(runs[0], runs[2]) << c.picture << " run/end" << probe.name;
            }
        }
    }
}

// The probes stop at 1 and 19 and never read the border cells: filling those with the
// tested code, or with EMPTY, changes no answer.
TEST(ProbeTest, BorderCellsAreNeverRead) {
    for (const ProbeCase& c : probeCases()) {
        const Picture picture = parse(c.picture);
        for (const NamedProbes& probe : PROBES) {
            for (const Point p : somePlacements({{picture, probe.v}}, 6)) {
                Board b = board({{picture, probe.v}}, p.x, p.y, WHITE);
                b(p.x, p.y) = pointCode(c.point, WHITE);
                const int run = probe.run(b, Cell::WHITE, p.x, p.y);
                const Cell end = probe.end(b, Cell::WHITE, p.x, p.y);
                for (const Cell border : {Cell::WHITE, EMPTY}) {
                    Board filled = b;
                    for (int i = 0; i <= 19; ++i)
                        filled(0, i) = filled(i, 0) = border;
                    ASSERT_EQ(probe.run(filled, Cell::WHITE, p.x, p.y), run)
                        << c.picture << " run/end" << probe.name;
                    ASSERT_EQ(probe.end(filled, Cell::WHITE, p.x, p.y), end)
                        << c.picture << " run/end" << probe.name;
                }
            }
        }
    }
}

// Each run-length probe agrees with the end-cell probe of its direction: a run of n that
// ends before the edge is followed by the cell at distance n + 1.
TEST(ProbeTest, EndCellLiesJustBeyondTheRun) {
    // clang-format off
    const Board b = boardFromRows({
        "XX_XOXXX_XOOX_XXXXX",
        "X_XXXOX_XXXX_OXXX_X",
        "OXXXX_XXOXXXXXXXX_X",
        "XXX_XXXOXXX_XXXXOXX",
        "_XXXXXXXXX_XXOXXXXX",
        "XXOXX_XXXXXXXXX_XXX",
        "XXXXXXX_XXOXXX_XXXX",
        "X_XXXXXXXXXXXXXXXXO",
        "XXXXO_XXXX_XXXXXXXX",
        "XXXXXXXXXXXXXXXXXXX",
        "XXX_XXXXXXXXXOXXXXX",
        "XXXXXXXX_XXXXXXX_XX",
        "XXOXXXXXXXXXXXXXXXX",
        "XXXXXXX_XXXXXXXXXXX",
        "X_XXXXXXXXXXXOXXX_X",
        "XXXXXXXXX_XXXXXXXXX",
        "XXXXOXXXXXXXX_XXXXX",
        "X_XXXXXXXXXXXXXXXXX",
        "XXXXXXXXX_XXXXXXOXX",
    }, BLACK);
    // clang-format on
    int beforeEdge = 0;
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y) {
            if (b(x, y) != BLACK) continue;
            for (const NamedProbes& probe : PROBES) {
                const int n = probe.run(b, Cell::BLACK, x, y);
                const int ex = x + (n + 1) * probe.v.dx;
                const int ey = y + (n + 1) * probe.v.dy;
                const bool beyondOnBoard = ex >= 1 && ex <= 19 && ey >= 1 && ey <= 19;
                if (beyondOnBoard) {
                    ++beforeEdge;
                    ASSERT_NE(b(ex, ey), BLACK);
                    ASSERT_EQ(probe.end(b, Cell::BLACK, x, y), b(ex, ey))
                        << "(" << x << ", " << y << ") run/end" << probe.name;
                } else {
                    ASSERT_EQ(probe.end(b, Cell::BLACK, x, y), Cell::BLACK)
                        << "(" << x << ", " << y << ") run/end" << probe.name;
                }
            }
        }
    EXPECT_GT(beforeEdge, 500);
}

// Near a corner a diagonal walk stops as soon as either coordinate reaches its edge.
TEST(ProbeTest, DiagonalIntoTheCorner) {
    for (const Cell me : {Cell::BLACK, Cell::WHITE}) {
        const Cell other = me == Cell::BLACK ? Cell::WHITE : Cell::BLACK;
        Board b = emptyBoard();
        b(18, 2) = me;
        b(19, 1) = me;
        EXPECT_EQ(runUpRight(b, me, 18, 2), 1);
        EXPECT_EQ(endUpRight(b, me, 18, 2), me); // stops on (19, 1), which holds the stone
        EXPECT_EQ(runDownLeft(b, me, 19, 1), 1);
        EXPECT_EQ(endDownLeft(b, me, 19, 1), EMPTY); // (17, 3) is an empty point
        // Only x reaches its edge: (19, 5) from (18, 6).
        b(18, 6) = me;
        b(19, 5) = me;
        b(17, 7) = other;
        EXPECT_EQ(runUpRight(b, me, 18, 6), 1);
        EXPECT_EQ(endUpRight(b, me, 18, 6), me);
        EXPECT_EQ(endDownLeft(b, me, 18, 6), other);
        // Only y reaches its edge: (5, 1) from (6, 2).
        b(6, 2) = me;
        b(5, 1) = me;
        EXPECT_EQ(runUpLeft(b, me, 6, 2), 1);
        EXPECT_EQ(endUpLeft(b, me, 6, 2), me);
        EXPECT_EQ(endDownRight(b, me, 6, 2), EMPTY);
    }
}

// The stone argument is compared for equality only: any code can be followed.
TEST(ProbeTest, AnyCodeCanBeFollowed) {
    const Board b = emptyBoard();
    EXPECT_EQ(runRight(b, EMPTY, 1, 10), 18);
    EXPECT_EQ(runUpLeft(b, EMPTY, 19, 19), 18);
    EXPECT_EQ(runUpRight(b, EMPTY, 1, 10), 9);
    // Following EMPTY to the edge ends on the edge point, which is EMPTY.
    EXPECT_EQ(endRight(b, EMPTY, 1, 10), EMPTY);
    EXPECT_EQ(runDown(b, Cell::BLACK, 10, 1), 0);
    EXPECT_EQ(endDown(b, Cell::BLACK, 10, 1), EMPTY);
}

} // namespace
} // namespace narabe
