// The double-four and double-three checks on pictured lines: one line alone, every pair of
// lines, sampled triples, on all four lines in every order, both colours, both reading
// directions and many places on the board, edges and corners included.
#include "rules/diagram.h"
#include "rules/judge.h"
#include "rules/line_cases.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace narabe {
namespace {

using namespace narabe::test;

struct Answers {
    bool four;
    bool three;
};

// Both checks on a copy of `b` with P = (x, y); each must leave the board exactly as it was.
// `what` describes the position for a failure message.
template <class Describe>
::testing::AssertionResult checkBoth(const Board& b, int x, int y, Stone me, Answers expected,
                                     const Describe& what) {
    Board work = b;
    const bool four = isDoubleFour(work, {x, y}, me);
    if (!(work == b))
        return ::testing::AssertionFailure() << what() << ": isDoubleFour changed the board";
    const bool three = isDoubleThree(work, {x, y}, me);
    if (!(work == b))
        return ::testing::AssertionFailure() << what() << ": isDoubleThree changed the board";
    if (four != expected.four || three != expected.three)
        return ::testing::AssertionFailure()
               << what() << " at (" << x << ", " << y << ") for "
               << (me == BLACK ? "black" : "white") << ": isDoubleFour " << four << " (expected "
               << expected.four << "), isDoubleThree " << three << " (expected " << expected.three
               << ")\n"
               << show(b);
    return ::testing::AssertionSuccess();
}

// The answers for a set of lines through P, from what each line contributes.
Answers expectedFor(const std::vector<const LineCase*>& lines) {
    int fours = 0;
    int threes = 0;
    bool five = false;
    for (const LineCase* l : lines) {
        fours += l->fours;
        threes += l->threes;
        five = five || l->five;
    }
    if (five) return {false, false};
    return {fours > 1 ? true : false, threes > 1 ? true : false};
}

std::string describe(const std::vector<std::string>& texts, const std::vector<Line>& lines) {
    std::string what;
    for (std::size_t i = 0; i < texts.size(); ++i)
        what += "[" + texts[i] + "] on the " + nameOf(lines[i]) + "; ";
    return what;
}

// One line alone can never make a double: both checks answer false, at every place it fits.
TEST(DoubleRulesTest, OneLineAloneIsNeverADouble) {
    int checked = 0;
    for (const LineCase& c : LINE_CASES) {
        for (const Line line : LINES)
            for (const bool backwards : {false, true}) {
                const std::string text = backwards ? reversed(c.picture) : c.picture;
                const std::vector<Laid> laid = {{parse(text), along(line)}};
                const std::vector<Point> places = somePlacements(laid, 5);
                ASSERT_FALSE(places.empty()) << text << " on the " << nameOf(line);
                for (const Stone me : {BLACK, WHITE})
                    for (const Point p : places) {
                        ASSERT_TRUE(checkBoth(board(laid, p.x, p.y, me), p.x, p.y, me,
                                              {false, false},
                                              [&] { return describe({text}, {line}); }));
                        ++checked;
                    }
            }
    }
    EXPECT_GT(checked, 40000);
}

// Every pair of pictured lines on two distinct lines through P, in every order of lines,
// at one of the first, middle and last places where both fit, black and white in turn. The
// answers follow from what each line contributes, so a line's four or three counts exactly
// when the table says so.
TEST(DoubleRulesTest, EveryPairOfLines) {
    int checked = 0;
    int fourYes = 0;
    int threeYes = 0;
    std::vector<Picture> parsed;
    for (const LineCase& c : LINE_CASES)
        parsed.push_back(parse(c.picture));
    const std::vector<std::vector<Line>> lineOrders = distinctLines(2);
    for (std::size_t f = 0; f < LINE_CASES.size(); ++f)
        for (std::size_t g = 0; g < LINE_CASES.size(); ++g) {
            const LineCase& first = LINE_CASES[f];
            const LineCase& second = LINE_CASES[g];
            const Answers expected = expectedFor({&first, &second});
            for (const std::vector<Line>& lines : lineOrders) {
                const std::vector<Laid> laid = {{parsed[f], along(lines[0])},
                                                {parsed[g], along(lines[1])}};
                const std::vector<Point> places = placements(laid);
                if (places.empty()) continue; // two edge pictures that cannot meet
                // The first, middle or last place, and black or white, in turn.
                const std::size_t at[] = {0, places.size() / 2, places.size() - 1};
                const Point p = places[at[checked % 3]];
                const Stone me = checked % 2 == 0 ? BLACK : WHITE;
                ASSERT_TRUE(checkBoth(board(laid, p.x, p.y, me), p.x, p.y, me, expected, [&] {
                    return describe({first.picture, second.picture}, lines);
                }));
                ++checked;
                fourYes += expected.four;
                threeYes += expected.three;
            }
        }
    EXPECT_GT(checked, 35000);
    EXPECT_GT(fourYes, checked / 20);
    EXPECT_GT(threeYes, checked / 20);
}

// Random triples of pictured lines, reproducible: six or five beside fours and threes.
TEST(DoubleRulesTest, SampledTriplesOfLines) {
    std::mt19937 random(20240607);
    std::uniform_int_distribution<std::size_t> pick(0, LINE_CASES.size() - 1);
    const std::vector<std::vector<Line>> choices = distinctLines(3);
    std::uniform_int_distribution<std::size_t> pickLines(0, choices.size() - 1);
    int checked = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        const LineCase* cases[3] = {&LINE_CASES[pick(random)], &LINE_CASES[pick(random)],
                                    &LINE_CASES[pick(random)]};
        const std::vector<Line>& lines = choices[pickLines(random)];
        std::vector<Laid> laid;
        std::vector<std::string> texts;
        for (int i = 0; i < 3; ++i) {
            const bool backwards = (random() & 1U) != 0;
            texts.push_back(backwards ? reversed(cases[i]->picture) : cases[i]->picture);
            laid.push_back({parse(texts.back()), along(lines[static_cast<std::size_t>(i)])});
        }
        const std::vector<Point> places = placements(laid);
        if (places.empty()) continue;
        const Point p =
            places[std::uniform_int_distribution<std::size_t>(0, places.size() - 1)(random)];
        const Stone me = (random() & 1U) != 0 ? BLACK : WHITE;
        ASSERT_TRUE(checkBoth(board(laid, p.x, p.y, me), p.x, p.y, me,
                              expectedFor({cases[0], cases[1], cases[2]}),
                              [&] { return describe(texts, lines); }));
        ++checked;
    }
    EXPECT_GT(checked, 1500);
}

// Positions named in the rules, each with its answers, on every choice of lines.
TEST(DoubleRulesTest, NamedPositions) {
    struct Case {
        std::vector<std::string> lines;
        Answers expected;
    };
    const Case cases[] = {
        {{"_ X X X P _", "_ X X X P _"}, {true, false}},   // straight four on two lines
        {{"_ X X _ P X _", "O X X X P _"}, {true, false}}, // split four and straight four
        {{"_ X X X P _", "_ X X X P _", "_ X X P X X _"}, {false, false}},    // a five comes first
        {{"_ X X X P X X _", "_ X X X P _", "_ P _ X X X _"}, {true, false}}, // six beside fours
        {{"_ X P X _", "_ X P X _"}, {false, true}},     // straight three on two lines
        {{"_ X _ P X _ _", "_ X P X _"}, {false, true}}, // split three and straight three
        {{"_ X P X _", "_ X X X P _"}, {false, false}},  // a three and a four
        {{"_ X P X _", "_ X P X _", "_ X X P X X _"}, {false, false}}, // two threes and a five
        {{"_ X P X _", "_ X P X _", "_ X X X P _"}, {false, true}},
        {{"_ X P X _", "_ X P X _", "_ X X X P _", "_ X X X P _"}, {true, true}},
        {{"_ X _ P X X _", "_ X X P _ X _"}, {true, true}},     // each line a four and a three
        {{"O X P X _", "O X X X P O"}, {false, false}},         // closed lines
        {{"_ X X X P X _", "_ X X X X X P _"}, {false, false}}, // two sixes
    };
    int checked = 0;
    for (const Case& c : cases)
        for (const std::vector<Line>& lines : distinctLines(c.lines.size()))
            for (const bool backwards : {false, true}) {
                std::vector<Laid> laid;
                std::vector<std::string> texts;
                for (std::size_t i = 0; i < c.lines.size(); ++i) {
                    texts.push_back(backwards ? reversed(c.lines[i]) : c.lines[i]);
                    laid.push_back({parse(texts.back()), along(lines[i])});
                }
                const std::vector<Point> places = somePlacements(laid, 6);
                ASSERT_FALSE(places.empty()) << describe(texts, lines);
                for (const Stone me : {BLACK, WHITE})
                    for (const Point p : places) {
                        ASSERT_TRUE(checkBoth(board(laid, p.x, p.y, me), p.x, p.y, me, c.expected,
                                              [&] { return describe(texts, lines); }));
                        ++checked;
                    }
            }
    EXPECT_GT(checked, 10000);
}

// Whole-board positions near the edges and corners.
TEST(DoubleRulesTest, WholeBoardPositions) {
    struct Case {
        const char* name;
        int left, top; // where the first letter of the first row lies
        std::vector<std::string> rows;
        Point p;
        Answers expected;
    };
    // clang-format off
    const Case cases[] = {
        {"rising three; the row's split three is closed by the edge beyond the fill", 1, 1,
         {"_______",
          "_______",
          "____X__",
          "XX_____",
          "__X____"},
         {4, 4}, {false, false}},
        {"rising three and a straight three on the row", 1, 1,
         {"_______",
          "_______",
          "____X__",
          "_XX____",
          "__X____"},
         {4, 4}, {false, true}},
        {"the corner closes the falling diagonal; a three on the column", 1, 1,
         {"X______",
          "_XX____",
          "_______",
          "__X____",
          "_______"},
         {3, 3}, {false, false}},
        {"falling three open at the empty corner point; a three on the column", 1, 1,
         {"_______",
          "_X_____",
          "__XX___",
          "_______",
          "___X___",
          "_______"},
         {4, 4}, {false, true}},
        {"four on the top row against the corner and four down the column", 1, 1,
         {"XXX_____",
          "___X____",
          "___X____",
          "___X____",
          "________"},
         {4, 1}, {true, false}},
        {"the top row closed by the corner and by the other colour", 1, 1,
         {"XXX_O___",
          "___X____",
          "___X____",
          "___X____",
          "________"},
         {4, 1}, {false, false}},
        {"fours into the bottom right corner on the row and the column", 13, 13,
         {"_______",
          "_______",
          "_______",
          "______X",
          "______X",
          "______X",
          "___XXX_"},
         {19, 19}, {true, false}},
        {"both lines closed by the other colour and by the corner", 13, 13,
         {"_______",
          "_______",
          "______O",
          "______X",
          "______X",
          "______X",
          "__OXXX_"},
         {19, 19}, {false, false}},
    };
    // clang-format on
    int checked = 0;
    for (const Case& c : cases)
        for (const Stone me : {BLACK, WHITE}) {
            const Board b = boardFromRows(c.rows, me, c.left, c.top);
            ASSERT_EQ(b(c.p.x, c.p.y), EMPTY) << c.name;
            EXPECT_TRUE(checkBoth(b, c.p.x, c.p.y, me, c.expected, [&] { return c.name; }));
            ++checked;
        }
    EXPECT_EQ(checked, 16);
}

// The checks do not look at what the point holds, and only read the board: they answer as
// for the empty point and leave the stone that is there, as every other cell, where it is.
TEST(DoubleRulesTest, PointHeldBeforeIsLeftAsItWas) {
    const char* pictures[][2] = {
        {"_ X X X P _", "_ X X _ P X _"},
        {"_ X P X _", "_ X _ P X _ _"},
        {"_ X P X _", "_ X X X P _"},
    };
    const Answers expected[] = {{true, false}, {false, true}, {false, false}};
    for (std::size_t i = 0; i < 3; ++i)
        for (const Stone me : {BLACK, WHITE})
            for (const Cell held : {cellOf(me), cellOf(otherStone(me))}) {
                const std::vector<Laid> laid = {{parse(pictures[i][0]), along(Line::Row)},
                                                {parse(pictures[i][1]), along(Line::Rising)}};
                Board b = board(laid, 10, 10, me);
                b(10, 10) = held;
                const Board before = b;
                EXPECT_EQ(isDoubleFour(b, {10, 10}, me), expected[i].four);
                EXPECT_EQ(b, before);
                EXPECT_EQ(isDoubleThree(b, {10, 10}, me), expected[i].three);
                EXPECT_EQ(b, before);
            }
}

} // namespace
} // namespace narabe
