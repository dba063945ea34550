// Line shapes: the fives and five points of the table agree with the board itself on random
// positions, along every line and for both sides; the weaker shapes are checked on pictures.
#include "common/played_games.h"
#include "computer/search/board.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace narabe::test {
namespace {

// The side's stones in the unbroken run through (x, y) along (dx, dy), the point counted.
int runThrough(const Board& g, Stone side, int x, int y, Step d) {
    int run = 1;
    for (const int sign : {1, -1})
        for (int k = 1; onBoard(x + sign * k * d.dx, y + sign * k * d.dy) &&
                        g(x + sign * k * d.dx, y + sign * k * d.dy) == side;
             ++k)
            ++run;
    return run;
}

TEST(LineShapes, FivesAndFivePointsAreThoseOfTheBoard) {
    std::mt19937 rng(2718u);
    std::uniform_int_distribution<int> coord(FIRST_POINT, LAST_POINT);
    int fours = 0;
    int openFours = 0;
    for (int round = 0; round < 400; ++round) {
        const ScanPosition st =
            playedPosition(20 + round % 60, 9000u + static_cast<unsigned>(round));
        const SearchBoard board(st.board, st.computer);
        for (int tries = 0; tries < 40; ++tries) {
            const int x = coord(rng);
            const int y = coord(rng);
            if (st.board(x, y) != EMPTY) continue;
            for (const Stone side : {BLACK, WHITE}) {
                Board g = st.board;
                g(x, y) = cellOf(side);
                const Sight sight = board.sight({x, y}, side);
                for (std::size_t i = 0; i < LINE_DIRS.size(); ++i) {
                    const Step d = step(LINE_DIRS[i]);
                    const std::string where = "round " + std::to_string(round) + " at " +
                                              std::to_string(x) + ", " + std::to_string(y) +
                                              " line " + std::to_string(i);
                    const LineShape l = sight.lines[i];
                    if (runThrough(g, side, x, y, d) == 5) {
                        ASSERT_EQ(l.shape, Shape::FIVE) << where;
                        continue;
                    }
                    ASSERT_NE(l.shape, Shape::FIVE) << where;
                    // The empty points whose stone would make exactly five with this one.
                    int points = 0;
                    int lastAt = 0;
                    for (int k = -4; k <= 4; ++k) {
                        const int qx = x + k * d.dx;
                        const int qy = y + k * d.dy;
                        if (k == 0 || !onBoard(qx, qy) || g(qx, qy) != EMPTY) continue;
                        g(qx, qy) = cellOf(side);
                        // The five must take in the stone on (x, y): the run through q then
                        // holds it.
                        const int between = k > 0 ? k : -k;
                        bool joined = true;
                        for (int j = 1; j < between; ++j)
                            joined = joined && g(x + (k > 0 ? j : -j) * d.dx,
                                                 y + (k > 0 ? j : -j) * d.dy) == side;
                        if (joined && runThrough(g, side, qx, qy, d) == 5) {
                            ++points;
                            lastAt = k;
                        }
                        g(qx, qy) = EMPTY;
                    }
                    if (points >= 2) {
                        ASSERT_EQ(l.shape, Shape::OPEN_FOUR) << where;
                        ++openFours;
                    } else if (points == 1) {
                        ASSERT_EQ(l.shape, Shape::FOUR) << where;
                        ASSERT_EQ(l.fiveAt, lastAt) << where;
                        ++fours;
                    } else {
                        ASSERT_LT(l.shape, Shape::FOUR) << where;
                    }
                }
            }
        }
    }
    EXPECT_GT(fours, 100); // the positions do reach the shapes
    EXPECT_GT(openFours, 10);
}

// A line picture read along the line's step through the point P: X the side's stone, O the
// other side's, _ an empty point; the line goes on empty beyond it. Laid through the middle
// point along each of the four lines.
struct ShapeCase {
    std::string line;
    Shape shape;
};

class WeakerShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(WeakerShapes, AreWhatOneMoreStoneLeadsTo) {
    const ShapeCase& c = GetParam();
    std::string line = c.line;
    std::erase(line, ' ');
    const std::size_t p = line.find('P');
    for (std::size_t i = 0; i < LINE_DIRS.size(); ++i) {
        const Step d = step(LINE_DIRS[i]);
        Board g;
        forEachPoint([&](int x, int y) { g(x, y) = EMPTY; });
        const int px = MIDDLE_POINT.x;
        const int py = MIDDLE_POINT.y;
        for (std::size_t k = 0; k < line.size(); ++k) {
            const int off = static_cast<int>(k) - static_cast<int>(p);
            const int x = px + off * d.dx;
            const int y = py + off * d.dy;
            if (line[k] == 'X') g(x, y) = Cell::BLACK;
            if (line[k] == 'O') g(x, y) = Cell::WHITE;
        }
        const SearchBoard board(g, BLACK);
        EXPECT_EQ(board.sight({px, py}, BLACK).lines[i].shape, c.shape) << c.line << " line " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, WeakerShapes,
                         ::testing::Values(ShapeCase{"_ X X P _ _", Shape::OPEN_THREE},
                                           ShapeCase{"_ X _ P X _", Shape::OPEN_THREE},
                                           ShapeCase{"O X X P _ _ _", Shape::THREE},
                                           ShapeCase{"_ X _ P _ X _", Shape::THREE},
                                           ShapeCase{"_ _ _ P X _ _ _", Shape::OPEN_TWO},
                                           ShapeCase{"O P X _ _ _", Shape::TWO},
                                           ShapeCase{"_ _ _ _ P _ _ _ _", Shape::OPEN_ONE},
                                           ShapeCase{"O P _ _ _ _ O", Shape::ONE},
                                           ShapeCase{"O P _ _ _ O", Shape::NONE},
                                           ShapeCase{"O X X X P O", Shape::NONE},
                                           ShapeCase{"_ X X X X P X _", Shape::NONE},
                                           // Six in a row is no five: filling the gap would make
                                           // six, so this is no open three.
                                           ShapeCase{"_ X X P _ X X", Shape::THREE}));

} // namespace
} // namespace narabe::test
