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
    bool expected;
};

const FiveCase CASES[] = {
    {{"_ X X X X P _"}, true}, // four on one side, none on the other
    {{"_ X X P X X _"}, true}, // the point in the middle
    {{"_ X P X X X _"}, true},
    {{"O X X X X P O"}, true}, // closed ends do not matter
    {{"| X X X X P _"}, true}, // a five ending on the edge
    {{"| X X P X X _"}, true},
    {{"_ X X X X P |"}, true},
    {{"O X X X X P |"}, true},
    {{"_ X X X P X X _"}, false},       // six: three and two
    {{"_ X X X X P X _"}, false},       // six: four and one
    {{"_ X X X X X P _"}, false},       // six: five and none
    {{"| X X X X X P _"}, false},       // six at the edge
    {{"O X X X P X X O"}, false},       // six closed at both ends
    {{"_ X X X P X X X _"}, false},     // seven
    {{"_ X X X X P X X X X _"}, false}, // nine
    {{"_ X X X P _"}, false},           // four
    {{"_ X X _ P X X _"}, false},       // an empty point interrupts: runs 0 and 2
    {{"_ X X O P X X _"}, false},       // the other colour interrupts
    {{"_ X X X X _ P X X X _"}, false},
    {{"_ X X X X O P X _"}, false},
    {{"_ O O O O P _"}, false}, // the other colour's stones
    {{"_ O O P O O _"}, false},
    {{"_ P _"}, false},
    // several lines through the same point
    {{"_ X X X P X X _", "_ X X P X X _"}, true}, // six on one line, five on another
    {{"_ X X P X X _", "_ X X X P X X _"}, true},
    {{"_ X X X X X P _", "_ X P X X X _"}, true},
    {{"_ X X X P X X _", "_ X X X X P X _"}, false},        // six on two lines
    {{"_ X X X P _", "_ X X P X _", "_ X P X X _"}, false}, // three fours
    {{"_ X X X X P _", "_ X X X X P _"}, true},             // five on two lines
    {{"_ X X X P X X X _", "_ X X X P X X X _", "_ X X X P X X X _", "_ X X X X P _"}, true},
    {{"_ X X X P X X X _", "_ X X X P X X X _", "_ X X X P X X X _", "_ X X X P _"}, false},
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
                        Board b = board(laid, p.x, p.y, me);
                        // The point is counted without being read.
                        for (const Cell held : {EMPTY, cellOf(me), cellOf(otherStone(me))}) {
                            b(p.x, p.y) = held;
                            const Board before = b;
                            const bool answer = makesFive(b, me, {p.x, p.y});
                            ASSERT_EQ(answer, c.expected)
                                << what << "P at (" << p.x << ", " << p.y << ") holding "
                                << letterOf(held, me) << (me == BLACK ? ", black" : ", white");
                            ASSERT_EQ(b, before);
                            ++checked;
                            yes += answer;
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
        Board b = emptyBoard();
        for (int i = 15; i <= 19; ++i)
            if (i != x) b(i, 1) = Cell::WHITE;
        EXPECT_EQ(makesFive(b, WHITE, {x, 1}), true) << x;
        EXPECT_EQ(makesFive(b, BLACK, {x, 1}), false) << x;
    }
    // The corner diagonals: (1, 1)..(5, 5) and (19, 1)..(15, 5).
    Board b = emptyBoard();
    for (int i = 2; i <= 5; ++i) {
        b(i, i) = Cell::BLACK;
        b(20 - i, i) = Cell::BLACK;
    }
    EXPECT_EQ(makesFive(b, BLACK, {1, 1}), true);
    EXPECT_EQ(makesFive(b, BLACK, {19, 1}), true);
    b(6, 6) = Cell::BLACK; // now six on the falling diagonal
    EXPECT_EQ(makesFive(b, BLACK, {1, 1}), false);
}

} // namespace
} // namespace narabe
