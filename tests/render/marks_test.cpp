// The last-move mark, the move numbers on the stones and the move count beside the board.
#include "common/recording_surface.h"
#include "render/board_drawing.h"
#include "render/marks.h"

#include <gtest/gtest.h>

#include <vector>

namespace narabe {
namespace {

using test::DrawCall;
using test::RecordingSurface;

TEST(LastMoveMark, DotOfRadiusFiftyOnTheCrossing) {
    RecordingSurface s;
    drawLastMoveMark(s, {3, 4}, MARK_COLOUR);
    drawLastMoveMark(s, {19, 19}, MARK_COLOUR);
    ASSERT_EQ(s.calls.size(), 2U);
    EXPECT_EQ(s.calls[0].kind, DrawCall::Kind::Circle);
    EXPECT_DOUBLE_EQ(s.calls[0].x, 300 + 315 * 3 + 150);
    EXPECT_DOUBLE_EQ(s.calls[0].y, 50 + 315 * 4 + 150);
    EXPECT_DOUBLE_EQ(s.calls[0].width, 50);
    EXPECT_EQ(s.calls[0].colour, MARK_COLOUR);
    EXPECT_DOUBLE_EQ(s.calls[1].x, 6435);
    EXPECT_DOUBLE_EQ(s.calls[1].y, 6185);
}

struct NumberCase {
    int n;
    int size;
    int right;
    int down;
    const char* text;
};

TEST(MoveNumber, SizeAndOffsetByNumberOfDigits) {
    const NumberCase cases[] = {
        {1, 12, 20, 20, " 1 "},  {9, 12, 20, 20, " 9 "},   {10, 10, 5, 50, " 10 "},
        {99, 10, 5, 50, " 99 "}, {100, 7, 0, 65, " 100 "}, {361, 7, 0, 65, " 361 "},
    };
    for (const NumberCase& c : cases) {
        RecordingSurface s;
        drawMoveNumber(s, {6, 8}, c.n, colourOf(BLACK));
        ASSERT_EQ(s.calls.size(), 1U);
        const DrawCall& t = s.calls[0];
        EXPECT_EQ(t.kind, DrawCall::Kind::Text);
        EXPECT_EQ(t.size, c.size) << c.n;
        EXPECT_DOUBLE_EQ(t.x, 300 + 315 * 6 + c.right) << c.n;
        EXPECT_DOUBLE_EQ(t.y, 50 + 315 * 8 + c.down) << c.n;
        EXPECT_EQ(t.text, c.text);
        EXPECT_EQ(t.colour, colourOf(BLACK));
    }
}

struct Played {
    int x, y;
    Stone stone;
};

// A board and a record.
struct Recorded {
    Board board;
    RecordTable<Move> moves;
};

// A record that holds `moves` and a board that shows `board` (points not listed are empty).
Recorded stateWith(const std::vector<Played>& moves, const std::vector<Played>& board) {
    Recorded st{emptyBoard(), {}};
    for (std::size_t i = 0; i < moves.size(); ++i)
        st.moves(static_cast<int>(i)) = {{moves[i].x, moves[i].y}, moves[i].stone};
    for (const Played& m : board)
        st.board(m.x, m.y) = cellOf(m.stone);
    return st;
}

// The texts drawn, as (x, y, text, colour), in drawing order.
struct Number {
    int x, y;
    std::string text;
    Colour colour;
    bool operator==(const Number&) const = default;
};
std::vector<Number> numbersDrawn(const RecordingSurface& s) {
    std::vector<Number> out;
    for (const DrawCall& c : s.calls) {
        EXPECT_EQ(c.kind, DrawCall::Kind::Text);
        // Undo the offset of the number's size to recover the point.
        const int x = static_cast<int>((c.x - 300) / 315);
        const int y = static_cast<int>((c.y - 50) / 315);
        out.push_back({x, y, c.text, c.colour});
    }
    return out;
}

TEST(AllMoveNumbers, NothingForTheFirstMove) {
    const Recorded st = stateWith({{10, 10, BLACK}}, {{10, 10, BLACK}});
    RecordingSurface s;
    drawMoveNumbers(s, st.board, st.moves, 0);
    EXPECT_TRUE(s.calls.empty());
}

struct AllNumbersCase {
    const char* what;
    std::vector<Played> moves;
    std::vector<Played> board; // empty: the board shows every move of the record
    int p;                     // the record index of the last move, which keeps the mark
    std::vector<Number> expected;
};

TEST(AllMoveNumbers, EachStoneOnceWithItsLatestMoveInTheOtherColour) {
    const AllNumbersCase cases[] = {
        {"every stone but the last in the other colour",
         {{10, 10, BLACK}, {11, 10, WHITE}, {12, 12, BLACK}, {9, 9, WHITE}},
         {},
         3,
         {{12, 12, " 3 ", colourOf(WHITE)},
          {11, 10, " 2 ", colourOf(BLACK)},
          {10, 10, " 1 ", colourOf(WHITE)}}},
        // (11, 10) was played at move 2 and again at move 4; (4, 4) of move 3 is empty now.
        {"each point once with its latest move, empty points skipped",
         {{10, 10, BLACK}, {11, 10, WHITE}, {4, 4, BLACK}, {11, 10, BLACK}, {5, 5, WHITE}},
         {{10, 10, BLACK}, {11, 10, BLACK}, {5, 5, WHITE}},
         4,
         {{11, 10, " 4 ", colourOf(WHITE)}, {10, 10, " 1 ", colourOf(WHITE)}}},
        // Move 5 (index 4) is on the point of move 1, which must not get a number.
        {"the point of the mark stays free even for an earlier move",
         {{10, 10, BLACK}, {3, 3, WHITE}, {12, 12, BLACK}, {4, 4, WHITE}, {10, 10, BLACK}},
         {},
         4,
         {{4, 4, " 4 ", colourOf(BLACK)},
          {12, 12, " 3 ", colourOf(WHITE)},
          {3, 3, " 2 ", colourOf(BLACK)}}},
    };
    for (const AllNumbersCase& c : cases) {
        const Recorded st = stateWith(c.moves, c.board.empty() ? c.moves : c.board);
        RecordingSurface s;
        drawMoveNumbers(s, st.board, st.moves, c.p);
        EXPECT_EQ(numbersDrawn(s), c.expected) << c.what;
    }
}

TEST(AllMoveNumbers, LargeNumbersUseTheirOwnSizes) {
    std::vector<Played> moves;
    for (int i = 0; i < 101; ++i)
        moves.push_back({i % 19 + 1, i / 19 + 1, i % 2 ? WHITE : BLACK});
    const Recorded st = stateWith(moves, moves);
    RecordingSurface s;
    drawMoveNumbers(s, st.board, st.moves, 100);
    ASSERT_EQ(s.calls.size(), 100U);
    EXPECT_EQ(s.calls.front().text, " 100 ");
    EXPECT_EQ(s.calls.front().size, 7);
    EXPECT_EQ(s.calls.back().text, " 1 ");
    EXPECT_EQ(s.calls.back().size, 12);
}

struct CountCase {
    int n;
    double column;
};

TEST(MoveCount, ClearsThenRightAlignsTheNumberBeforeTheWord) {
    const CountCase cases[] = {{1, 21}, {9, 21}, {10, 20.8}, {99, 20.8}, {100, 20.5}, {361, 20.5}};
    for (const CountCase& c : cases) {
        RecordingSurface s;
        drawMoveCount(s, c.n);
        ASSERT_EQ(s.calls.size(), 3U) << c.n;
        const DrawCall& clear = s.calls[0];
        EXPECT_EQ(clear.kind, DrawCall::Kind::Rect);
        EXPECT_DOUBLE_EQ(clear.x, 300 + 315 * 20.5);
        EXPECT_DOUBLE_EQ(clear.y, 50 + 315 * 9);
        EXPECT_DOUBLE_EQ(clear.width, 1000);
        EXPECT_DOUBLE_EQ(clear.height, 300);
        EXPECT_EQ(clear.colour, BACK_COLOUR);

        const DrawCall& number = s.calls[1];
        EXPECT_EQ(number.kind, DrawCall::Kind::Text);
        EXPECT_DOUBLE_EQ(number.x, 300 + 315 * c.column) << c.n;
        EXPECT_DOUBLE_EQ(number.y, 50 + 315 * 9);
        EXPECT_EQ(number.text, printedNumber(c.n));
        EXPECT_EQ(number.size, 11);
        EXPECT_EQ(number.colour, colourOf(WHITE));

        const DrawCall& word = s.calls[2];
        EXPECT_EQ(word.text, "手目");
        EXPECT_DOUBLE_EQ(word.x, 300 + 315 * 22);
        EXPECT_DOUBLE_EQ(word.y, 50 + 315 * 9);
        EXPECT_EQ(word.size, 11);
        EXPECT_EQ(word.colour, colourOf(WHITE));
    }
}

} // namespace
} // namespace narabe
