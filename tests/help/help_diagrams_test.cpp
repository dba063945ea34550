// The help page's diagrams against the rules engine: each position is one that can arise in
// a game (stone counts fit the side to move, no five on the board yet), and the point in
// question gets from the five, double-four and double-three checks exactly the verdict the
// page shows. Lines are measured here by the test's own walk, not by the game's probes.
#include "help_diagrams.h"

#include "common/print_codes.h"
#include "rules/five.h"
#include "rules/judge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace narabe {
namespace {

using help::HELP_DIAGRAMS;
using help::HelpDiagram;
using help::Side;
using help::Verdict;

struct Point {
    int x;
    int y;
};

struct Step {
    int dx;
    int dy;
};
constexpr std::array<Step, 4> AXES = {{{1, 0}, {0, 1}, {1, 1}, {1, -1}}};

// The diagram on a board of a new game, and the point in question.
struct Position {
    Board board;
    Point point{0, 0};
    int points = 0; // how many '*' the rows hold
    int black = 0;
    int white = 0;
    std::vector<Point> marked; // the 'x' points
};

Position positionOf(const HelpDiagram& d) {
    Position p;
    for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
        for (int y = FIRST_POINT; y <= LAST_POINT; ++y)
            p.board(x, y) = EMPTY;
    for (int row = 0; row < help::CUT_OUT; ++row) {
        const std::string_view cells = d.rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
            const int x = d.left + column;
            const int y = d.top + row;
            const char c = cells[static_cast<std::size_t>(column)];
            if (c == 'B') {
                p.board(x, y) = Cell::BLACK;
                ++p.black;
            } else if (c == 'W') {
                p.board(x, y) = Cell::WHITE;
                ++p.white;
            } else if (c == '*') {
                p.point = {x, y};
                ++p.points;
            } else if (c == 'x') {
                p.marked.push_back({x, y});
            }
        }
    }
    return p;
}

Stone stoneOf(Side side) {
    return side == Side::Black ? BLACK : WHITE;
}

// The stones of `stone` in an unbroken line through (x, y) along one axis, (x, y) counted
// whatever it holds; the points of the line other than (x, y) go to `line` when given.
int lineThrough(const Board& board, Point at, Step axis, Stone stone,
                std::vector<Point>* line = nullptr) {
    int count = 1;
    for (const int sign : {1, -1}) {
        Point q{at.x + sign * axis.dx, at.y + sign * axis.dy};
        while (onBoard(q.x, q.y) && board(q.x, q.y) == stone) {
            ++count;
            if (line != nullptr) line->push_back(q);
            q = {q.x + sign * axis.dx, q.y + sign * axis.dy};
        }
    }
    return count;
}

int longestLineThrough(const Board& board, Point at, Stone stone) {
    int longest = 0;
    for (const Step axis : AXES)
        longest = std::max(longest, lineThrough(board, at, axis, stone));
    return longest;
}

std::string nameOf(const HelpDiagram& d) {
    return std::string(d.file);
}

TEST(HelpDiagrams, EachIsACutOutOfTheBoardWithOnePointInQuestion) {
    for (const HelpDiagram& d : HELP_DIAGRAMS) {
        SCOPED_TRACE(nameOf(d));
        EXPECT_TRUE(onBoard(d.left, d.top));
        EXPECT_TRUE(onBoard(d.left + help::CUT_OUT - 1, d.top + help::CUT_OUT - 1));
        for (const std::string_view row : d.rows) {
            EXPECT_EQ(row.size(), static_cast<std::size_t>(help::CUT_OUT)) << row;
            EXPECT_EQ(row.find_first_not_of("BW.*x"), std::string_view::npos) << row;
        }
        const Position p = positionOf(d);
        if (d.verdict == Verdict::BarredPointsMarked) {
            EXPECT_EQ(p.points, 0);
            continue;
        }
        EXPECT_EQ(p.points, 1);
        EXPECT_TRUE(p.marked.empty());
        EXPECT_EQ(p.board(p.point.x, p.point.y), EMPTY);
    }
}

TEST(HelpDiagrams, EachCouldAriseInAGame) {
    for (const HelpDiagram& d : HELP_DIAGRAMS) {
        SCOPED_TRACE(nameOf(d));
        const Position p = positionOf(d);
        // Black moves first: black to move when the counts are equal, white when black
        // has one stone more.
        EXPECT_EQ(p.black - p.white, d.mover == Side::Black ? 0 : 1);
        // Nobody has won yet.
        for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
            for (int y = FIRST_POINT; y <= LAST_POINT; ++y) {
                const Cell c = p.board(x, y);
                if (c == BLACK || c == WHITE) {
                    EXPECT_NE(makesFive(p.board, stoneIn(c), {x, y}), true)
                        << "five through " << x << ", " << y;
                }
            }
    }
}

TEST(HelpDiagrams, EachPointGetsTheVerdictItsPictureShows) {
    for (const HelpDiagram& d : HELP_DIAGRAMS) {
        if (d.verdict == Verdict::BarredPointsMarked) continue;
        SCOPED_TRACE(nameOf(d));
        const Position p = positionOf(d);
        const Stone me = stoneOf(d.mover);
        const auto [x, y] = p.point;
        Board work = p.board;
        const bool three = isDoubleThree(work, {x, y}, me);
        const bool four = isDoubleFour(work, {x, y}, me);
        EXPECT_TRUE(work == p.board) << "a check changed the board";
        work(x, y) = cellOf(me);
        const bool five = makesFive(work, me, {x, y});
        const int longest = longestLineThrough(work, p.point, me);

        switch (d.verdict) {
        case Verdict::Wins:
            EXPECT_EQ(five, true);
            EXPECT_EQ(longest, 5);
            EXPECT_EQ(three, false);
            EXPECT_EQ(four, false);
            break;
        case Verdict::NoWin:
            EXPECT_EQ(five, false);
            EXPECT_GE(longest, 6);
            EXPECT_EQ(three, false);
            EXPECT_EQ(four, false);
            break;
        case Verdict::RefusedDoubleThree:
            EXPECT_EQ(five, false);
            EXPECT_EQ(three, true);
            break;
        case Verdict::RefusedDoubleFour:
            // Asked first, the double-three check must let it through, so that the message
            // shown is the double four's.
            EXPECT_EQ(five, false);
            EXPECT_EQ(three, false);
            EXPECT_EQ(four, true);
            break;
        case Verdict::AllowedFiveWithFours:
            EXPECT_EQ(five, true);
            EXPECT_EQ(three, false);
            EXPECT_EQ(four, false);
            break;
        case Verdict::BarredPointsMarked:
            break;
        }
    }
}

// The picture of the barred points' marks marks exactly the points of the whole board where
// the side to move would be refused a double three or a double four, and shows some of each.
TEST(HelpDiagrams, TheBarredPointsPictureMarksExactlyThePointsRefused) {
    int shown = 0;
    for (const HelpDiagram& d : HELP_DIAGRAMS) {
        if (d.verdict != Verdict::BarredPointsMarked) continue;
        SCOPED_TRACE(nameOf(d));
        ++shown;
        const Position p = positionOf(d);
        Board work = p.board;
        std::vector<std::pair<int, int>> refused;
        int threes = 0;
        int fours = 0;
        for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
            for (int y = FIRST_POINT; y <= LAST_POINT; ++y) {
                if (work(x, y) != EMPTY) continue;
                const bool three = isDoubleThree(work, {x, y}, stoneOf(d.mover));
                const bool four = isDoubleFour(work, {x, y}, stoneOf(d.mover));
                threes += three ? 1 : 0;
                fours += four && !three ? 1 : 0;
                if (three || four) refused.emplace_back(x, y);
            }
        std::vector<std::pair<int, int>> marked;
        for (const Point q : p.marked)
            marked.emplace_back(q.x, q.y);
        std::sort(marked.begin(), marked.end());
        EXPECT_EQ(marked, refused);
        EXPECT_GT(threes, 0);
        EXPECT_GT(fours, 0);
    }
    EXPECT_EQ(shown, 1);
}

// The move that makes five is allowed although it makes two fours besides: take the five's
// other stones away and the same point is refused as a double four, by the engine's count.
TEST(HelpDiagrams, TheFiveWithFoursMakesTwoFoursBesidesTheFive) {
    int shown = 0;
    for (const HelpDiagram& d : HELP_DIAGRAMS) {
        if (d.verdict != Verdict::AllowedFiveWithFours) continue;
        SCOPED_TRACE(nameOf(d));
        ++shown;
        const Position p = positionOf(d);
        const Stone me = stoneOf(d.mover);
        Board withoutFive = p.board;
        int fives = 0;
        for (const Step axis : AXES) {
            std::vector<Point> line;
            if (lineThrough(p.board, p.point, axis, me, &line) != 5) continue;
            ++fives;
            for (const Point q : line)
                withoutFive(q.x, q.y) = EMPTY;
        }
        EXPECT_EQ(fives, 1);
        EXPECT_EQ(makesFive(withoutFive, me, {p.point.x, p.point.y}), false);
        EXPECT_EQ(isDoubleFour(withoutFive, {p.point.x, p.point.y}, me), true);
    }
    EXPECT_EQ(shown, 1);
}

} // namespace
} // namespace narabe
