// Which picture each point gets, the whole-board drawing, and the rectangle and text
// primitives with their grid-to-twips conversion and printed-number form.
#include "common/recording_surface.h"
#include "render/board_drawing.h"
#include "render/geometry.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

namespace narabe {
namespace {

using test::DrawCall;
using test::RecordingSurface;

struct ChoiceCase {
    int x, y;
    Content content;
    Picture expected;
};

TEST(CellPicture, ChoosesByPlaceThenStarPoint) {
    const ChoiceCase cases[] = {
        {1, 1, Content::EMPTY_POINT, Picture::EMPTY_TOP_LEFT},
        {19, 1, Content::EMPTY_POINT, Picture::EMPTY_TOP_RIGHT},
        {1, 19, Content::EMPTY_POINT, Picture::EMPTY_BOTTOM_LEFT},
        {19, 19, Content::EMPTY_POINT, Picture::EMPTY_BOTTOM_RIGHT},
        {1, 7, Content::EMPTY_POINT, Picture::EMPTY_LEFT_EDGE},
        {19, 7, Content::EMPTY_POINT, Picture::EMPTY_RIGHT_EDGE},
        {7, 1, Content::EMPTY_POINT, Picture::EMPTY_TOP_EDGE},
        {7, 19, Content::EMPTY_POINT, Picture::EMPTY_BOTTOM_EDGE},
        {7, 7, Content::EMPTY_POINT, Picture::EMPTY_INSIDE},
        {2, 18, Content::EMPTY_POINT, Picture::EMPTY_INSIDE},
        // Star points, and the edge points in line with them that are not stars.
        {10, 10, Content::EMPTY_POINT, Picture::EMPTY_STAR},
        {5, 5, Content::EMPTY_POINT, Picture::EMPTY_STAR},
        {15, 5, Content::EMPTY_POINT, Picture::EMPTY_STAR},
        {5, 15, Content::EMPTY_POINT, Picture::EMPTY_STAR},
        {15, 15, Content::EMPTY_POINT, Picture::EMPTY_STAR},
        {10, 5, Content::EMPTY_POINT, Picture::EMPTY_STAR},
        {5, 1, Content::EMPTY_POINT, Picture::EMPTY_TOP_EDGE},
        {1, 5, Content::EMPTY_POINT, Picture::EMPTY_LEFT_EDGE},
        {10, 19, Content::EMPTY_POINT, Picture::EMPTY_BOTTOM_EDGE},
        {19, 15, Content::EMPTY_POINT, Picture::EMPTY_RIGHT_EDGE},
        {10, 9, Content::EMPTY_POINT, Picture::EMPTY_INSIDE},
        // Stones never take the star picture.
        {10, 10, Content::BLACK_STONE, Picture::BLACK_INSIDE},
        {15, 5, Content::WHITE_STONE, Picture::WHITE_INSIDE},
        {1, 1, Content::WHITE_STONE, Picture::WHITE_TOP_LEFT},
        {19, 19, Content::BLACK_STONE, Picture::BLACK_BOTTOM_RIGHT},
        {19, 3, Content::WHITE_STONE, Picture::WHITE_RIGHT_EDGE},
        {4, 19, Content::BLACK_STONE, Picture::BLACK_BOTTOM_EDGE},
        {1, 12, Content::BLACK_STONE, Picture::BLACK_LEFT_EDGE},
        {12, 1, Content::WHITE_STONE, Picture::WHITE_TOP_EDGE},
        // Off the board: decided by the same rule, without complaint.
        {0, 5, Content::EMPTY_POINT, Picture::EMPTY_INSIDE},
        {20, 1, Content::EMPTY_POINT, Picture::EMPTY_TOP_EDGE},
    };
    for (const ChoiceCase& c : cases)
        EXPECT_EQ(cellPicture({c.x, c.y}, c.content), c.expected)
            << "(" << c.x << ", " << c.y << ") gave "
            << pictureName(cellPicture({c.x, c.y}, c.content));
}

Board resetBoard() {
    Board board;
    for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
        for (int y = FIRST_POINT; y <= LAST_POINT; ++y)
            board(x, y) = EMPTY;
    return board;
}

TEST(DrawBoard, EmptyBoardCopiesEveryCellOnceWithItsPicture) {
    RecordingSurface s;
    drawBoard(s, resetBoard());

    ASSERT_EQ(s.calls.size(), 361U);
    std::map<Picture, int> count;
    std::set<std::pair<double, double>> corners;
    for (const DrawCall& c : s.calls) {
        ASSERT_EQ(c.kind, DrawCall::Kind::Picture);
        ++count[c.picture];
        EXPECT_TRUE(corners.insert({c.x, c.y}).second) << "cell at " << c.x << "," << c.y;
    }
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            EXPECT_TRUE(corners.count({300.0 + 315 * x, 50.0 + 315 * y})) << x << "," << y;

    EXPECT_EQ(count[Picture::EMPTY_STAR], 9);
    EXPECT_EQ(count[Picture::EMPTY_INSIDE], 352 - 4 - 68);
    for (Picture corner : {Picture::EMPTY_TOP_LEFT, Picture::EMPTY_TOP_RIGHT,
                           Picture::EMPTY_BOTTOM_LEFT, Picture::EMPTY_BOTTOM_RIGHT})
        EXPECT_EQ(count[corner], 1) << pictureName(corner);
    for (Picture edge : {Picture::EMPTY_LEFT_EDGE, Picture::EMPTY_RIGHT_EDGE,
                         Picture::EMPTY_TOP_EDGE, Picture::EMPTY_BOTTOM_EDGE})
        EXPECT_EQ(count[edge], 17) << pictureName(edge);
    EXPECT_EQ(count.size(), 10U) << "only empty-point pictures";
}

TEST(DrawBoard, StarPointsAtTheirTwips) {
    RecordingSurface s;
    drawBoard(s, resetBoard());
    std::set<std::pair<double, double>> stars;
    for (const DrawCall& c : s.calls)
        if (c.picture == Picture::EMPTY_STAR) stars.insert({c.x, c.y});
    std::set<std::pair<double, double>> expected;
    for (int x : {5, 10, 15})
        for (int y : {5, 10, 15})
            expected.insert({300.0 + 315 * x, 50.0 + 315 * y});
    EXPECT_EQ(stars, expected);
}

TEST(DrawBoard, StonesTakeTheirPicturesAndUnknownCodesAreSkipped) {
    Board board = resetBoard();
    board(10, 10) = Cell::BLACK;
    board(1, 1) = Cell::WHITE;
    board(19, 4) = Cell::BLACK;
    board(3, 3) = Cell::UNSET;
    RecordingSurface s;
    drawBoard(s, board);

    ASSERT_EQ(s.calls.size(), 360U);
    std::map<std::pair<double, double>, Picture> at;
    for (const DrawCall& c : s.calls)
        at[{c.x, c.y}] = c.picture;
    EXPECT_EQ(at.at({twipsX(10), twipsY(10)}), Picture::BLACK_INSIDE);
    EXPECT_EQ(at.at({twipsX(1), twipsY(1)}), Picture::WHITE_TOP_LEFT);
    EXPECT_EQ(at.at({twipsX(19), twipsY(4)}), Picture::BLACK_RIGHT_EDGE);
    EXPECT_FALSE(at.count({twipsX(3), twipsY(3)}));
}

TEST(DrawStone, OnlyBlackOrWhiteDrawsAnything) {
    RecordingSurface s;
    drawCell(s, {4, 4}, Cell::UNSET);
    EXPECT_TRUE(s.calls.empty());

    drawStone(s, {4, 19}, WHITE);
    drawStone(s, {15, 15}, BLACK);
    ASSERT_EQ(s.calls.size(), 2U);
    EXPECT_EQ(s.calls[0].picture, Picture::WHITE_BOTTOM_EDGE);
    EXPECT_EQ(s.calls[0].x, 300 + 315 * 4);
    EXPECT_EQ(s.calls[0].y, 50 + 315 * 19);
    EXPECT_EQ(s.calls[1].picture, Picture::BLACK_INSIDE);
}

TEST(DrawEmptyPoint, StarOrPlainAtTheCellCorner) {
    RecordingSurface s;
    drawEmptyPoint(s, {15, 10});
    drawEmptyPoint(s, {19, 10});
    ASSERT_EQ(s.calls.size(), 2U);
    EXPECT_EQ(s.calls[0].picture, Picture::EMPTY_STAR);
    EXPECT_EQ(s.calls[0].x, 5025);
    EXPECT_EQ(s.calls[0].y, 3200);
    EXPECT_EQ(s.calls[1].picture, Picture::EMPTY_RIGHT_EDGE);
}

TEST(PrintedNumber, BlankOrSignThenDigitsThenBlank) {
    EXPECT_EQ(printedNumber(7), " 7 ");
    EXPECT_EQ(printedNumber(0), " 0 ");
    EXPECT_EQ(printedNumber(19), " 19 ");
    EXPECT_EQ(printedNumber(100), " 100 ");
    EXPECT_EQ(printedNumber(-5), "-5 ");
}

TEST(DrawText, GridPositionToTwipsWithNumbersInPrintedForm) {
    RecordingSurface s;
    drawText(s, 0, 7.1, 7, colourOf(WHITE), 9);
    drawText(s, 1.4, 0.1, "A   B", colourOf(WHITE), 10);
    ASSERT_EQ(s.calls.size(), 2U);
    EXPECT_EQ(s.calls[0].kind, DrawCall::Kind::Text);
    EXPECT_EQ(s.calls[0].text, " 7 ");
    EXPECT_DOUBLE_EQ(s.calls[0].x, 300);
    EXPECT_DOUBLE_EQ(s.calls[0].y, 50 + 315 * 7.1);
    EXPECT_EQ(s.calls[0].size, 9);
    EXPECT_EQ(s.calls[0].colour, colourOf(WHITE));
    EXPECT_EQ(s.calls[1].text, "A   B");
    EXPECT_DOUBLE_EQ(s.calls[1].x, 300 + 315 * 1.4);
    EXPECT_DOUBLE_EQ(s.calls[1].y, 50 + 315 * 0.1);
    EXPECT_EQ(s.calls[1].size, 10);
}

TEST(DrawRect, CornerInGridCoordinatesSizeInTwips) {
    RecordingSurface s;
    fillRectangle(s, 21, 6, 1800, 2600, BACK_COLOUR);
    ASSERT_EQ(s.calls.size(), 1U);
    const DrawCall& c = s.calls[0];
    EXPECT_EQ(c.kind, DrawCall::Kind::Rect);
    EXPECT_DOUBLE_EQ(c.x, 6915);
    EXPECT_DOUBLE_EQ(c.y, 1940);
    EXPECT_DOUBLE_EQ(c.width, 1800);
    EXPECT_DOUBLE_EQ(c.height, 2600);
    EXPECT_EQ(c.colour, BACK_COLOUR);
}

} // namespace
} // namespace narabe
