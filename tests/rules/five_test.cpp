// The exactly-five check: fives, overlines, interruptions and edges, on all four lines,
// for both colours, whatever the point itself holds.
#include "rules/diagram.h"
#include "rules/five.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace narabe {
namespace {

using namespace narabe::test;

struct FiveCase {
    std::vector<std::string> lines; // pictures through the same P, on different lines
    Truth expected;
};

const FiveCase CASES[] = {
    {{"_ X X X X P _"}, YES}, // four on one side, none on the other
    {{"_ X X P X X _"}, YES}, // the point in the middle
    {{"_ X P X X X _"}, YES},
    {{"O X X X X P O"}, YES}, // closed ends do not matter
    {{"| X X X X P _"}, YES}, // a five ending on the edge
    {{"| X X P X X _"}, YES},
    {{"_ X X X X P |"}, YES},
    {{"O X X X X P |"}, YES},
    {{"_ X X X P X X _"}, NO},       // six: three and two
    {{"_ X X X X P X _"}, NO},       // six: four and one
    {{"_ X X X X X P _"}, NO},       // six: five and none
    {{"| X X X X X P _"}, NO},       // six at the edge
    {{"O X X X P X X O"}, NO},       // six closed at both ends
    {{"_ X X X P X X X _"}, NO},     // seven
    {{"_ X X X X P X X X X _"}, NO}, // nine
    {{"_ X X X P _"}, NO},           // four
    {{"_ X X _ P X X _"}, NO},       // an empty point interrupts: runs 0 and 2
    {{"_ X X O P X X _"}, NO},       // the other colour interrupts
    {{"_ X X X X _ P X X X _"}, NO},
    {{"_ X X X X O P X _"}, NO},
    {{"_ O O O O P _"}, NO}, // the other colour's stones
    {{"_ O O P O O _"}, NO},
    {{"_ P _"}, NO},
    // several lines through the same point
    {{"_ X X X P X X _", "_ X X P X X _"}, YES}, // six on one line, five on another
    {{"_ X X P X X _", "_ X X X P X X _"}, YES},
    {{"_ X X X X X P _", "_ X P X X X _"}, YES},
    {{"_ X X X P X X _", "_ X X X X P X _"}, NO},        // six on two lines
    {{"_ X X X P _", "_ X X P X _", "_ X P X X _"}, NO}, // three fours
    {{"_ X X X X P _", "_ X X X X P _"}, YES},           // five on two lines
    {{"_ X X X P X X X _", "_ X X X P X X X _", "_ X X X P X X X _", "_ X X X X P _"}, YES},
    {{"_ X X X P X X X _", "_ X X X P X X X _", "_ X X X P X X X _", "_ X X X P _"}, NO},
};

TEST(FiveTest, ExactlyFiveOnSomeLine) {
    int checked = 0;
    int yes = 0;
    for (const FiveCase& c : CASES) {
        for (const std::vector<Line>& choice : distinctLines(c.lines.size())) {
            for (const bool backwards : {false, true}) {
                std::vector<Laid> laid;
                std::string what;
                for (std::size_t i = 0; i < c.lines.size(); ++i) {
                    const std::string text = backwards ? reversed(c.lines[i]) : c.lines[i];
                    laid.push_back({parse(text), along(choice[i])});
                    what += "[" + text + "] on the " + nameOf(choice[i]) + "; ";
                }
                const std::vector<Point> places = somePlacements(laid, 4);
                ASSERT_FALSE(places.empty()) << what;
                for (const Stone me : {BLACK, WHITE})
                    for (const Point p : places) {
                        Grid b = board(laid, p.x, p.y, me);
                        // The point is counted without being read.
                        for (const Cell held : {EMPTY, cellOf(me), cellOf(otherStone(me))}) {
                            b(p.x, p.y) = held;
                            const Grid before = b;
                            const Truth answer = 調査_5並び(b, me, p.x, p.y);
                            ASSERT_EQ(answer, c.expected)
                                << what << "P at (" << p.x << ", " << p.y << ") holding "
                                << letterOf(held, me) << (me == BLACK ? ", black" : ", white");
                            ASSERT_EQ(b, before);
                            ++checked;
                            yes += answer == YES;
                        }
                    }
            }
        }
    }
    EXPECT_GT(checked, 100000);
    EXPECT_GT(yes, checked / 10);
}

TEST(FiveTest, FiveAlongTheEdgesAndThroughTheCorners) {
    // The five of the row y = 1, points 15..19, asked at each of its points.
    for (int x = 15; x <= 19; ++x) {
        Grid b = emptyBoard();
        for (int i = 15; i <= 19; ++i)
            if (i != x) b(i, 1) = Cell::WHITE;
        EXPECT_EQ(調査_5並び(b, WHITE, x, 1), YES) << x;
        EXPECT_EQ(調査_5並び(b, BLACK, x, 1), NO) << x;
    }
    // The corner diagonals: (1, 1)..(5, 5) and (19, 1)..(15, 5).
    Grid b = emptyBoard();
    for (int i = 2; i <= 5; ++i) {
        b(i, i) = Cell::BLACK;
        b(20 - i, i) = Cell::BLACK;
    }
    EXPECT_EQ(調査_5並び(b, BLACK, 1, 1), YES);
    EXPECT_EQ(調査_5並び(b, BLACK, 19, 1), YES);
    b(6, 6) = Cell::BLACK; // now six on the falling diagonal
    EXPECT_EQ(調査_5並び(b, BLACK, 1, 1), NO);
}

} // namespace
} // namespace narabe
