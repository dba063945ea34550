// The 30 cell pictures at natural size, pixel by pixel: wood ground, grid lines, star dot,
// stone discs, their shading and shadow, and the stones off the board.
#include "adapters/qt/pictures/pictures.h"
#include "picture_facts.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace narabe::test {
namespace {

class CellAtNaturalSize : public ::testing::TestWithParam<CellCase> {
  protected:
    void SetUp() override { image = drawPicture(GetParam().picture, 1); }
    QImage image;
};
class EmptyCell : public CellAtNaturalSize {};
class StoneCell : public CellAtNaturalSize {};
class BlackStoneCell : public CellAtNaturalSize {};
class WhiteStoneCell : public CellAtNaturalSize {};

std::string caseName(const ::testing::TestParamInfo<CellCase>& info) {
    return std::string(pictureName(info.param.picture));
}

TEST_P(CellAtNaturalSize, IsOneCellOfRgbPixels) {
    EXPECT_EQ(image.width(), 21);
    EXPECT_EQ(image.height(), 21);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), 1.0);
}

TEST_P(CellAtNaturalSize, IsTheSameOnEveryDrawing) {
    EXPECT_EQ(image, drawPicture(GetParam().picture, 1));
}

// The stone's disc as found in the picture: for each row, the run of stone pixels in
// columns 1..19. It must be a run centred on column 10.
struct Disc {
    int half[21]{}; // the run of row r is 10 - half[r] .. 10 + half[r]; -1: none
    bool contains(int column, int row) const { return std::abs(column - 10) <= half[row]; }
};

bool isStoneColour(const CellCase& c, Rgb p) {
    if (c.content == 'K') return p == BLACK_RGB || p == GREY || p == LIGHT_GREY;
    return p == WHITE_RGB || p == WHITE_MID || p == WHITE_DARK || p == WHITE_ARC;
}

Disc findDisc(const CellCase& c, const QImage& image) {
    Disc disc;
    for (int row = 0; row < 21; ++row) {
        int first = -1, last = -1, count = 0;
        for (int column = 1; column <= 19; ++column)
            if (isStoneColour(c, pixel(image, column, row)) && !(row == 0 || row == 20)) {
                if (first < 0) first = column;
                last = column;
                ++count;
            }
        if (first < 0) {
            disc.half[row] = -1;
            continue;
        }
        EXPECT_EQ(count, last - first + 1) << "row " << row << " has a gap in the stone";
        EXPECT_EQ(first + last, 20) << "row " << row << " is not centred on column 10";
        disc.half[row] = 10 - first;
    }
    return disc;
}

TEST_P(EmptyCell, IsWoodAndLinesOnly) {
    const CellCase& c = GetParam();
    for (int row = 0; row < 21; ++row)
        for (int column = 0; column < 21; ++column) {
            const Rgb p = pixel(image, column, row);
            if (c.star && inStarDot(column, row))
                EXPECT_EQ(p, starDotColour(column, row)) << "star dot " << column << "," << row;
            else if (onLine(c, column, row))
                EXPECT_EQ(p, BLACK_RGB) << "line " << column << "," << row;
            else
                EXPECT_TRUE(isWood(p)) << "ground " << column << "," << row;
        }
}

TEST_P(EmptyCell, GroundMixesAllFourTonesIrregularly) {
    std::map<int, int> tones;
    int dark = 0, wood = 0;
    for (int row = 0; row < 21; ++row)
        for (int column = 0; column < 21; ++column) {
            const Rgb p = pixel(image, column, row);
            for (std::size_t t = 0; t < WOOD.size(); ++t)
                if (p == WOOD[t]) ++tones[static_cast<int>(t)];
            if (isWood(p)) ++wood;
            if (isWood(p) && p.r == 223) ++dark;
        }
    for (int t = 0; t < 4; ++t)
        EXPECT_GE(tones[t], 15) << "tone " << t;
    EXPECT_GT(dark, wood / 5) << "too little dark grain";
    EXPECT_LT(dark, wood * 4 / 5) << "too much dark grain";
    // No row of the ground repeats the row above it, and it is no simple alternation.
    for (int row = 1; row < 21; ++row) {
        if (row == 10 || row == 11) continue;
        int same = 0;
        for (int column = 0; column < 10; ++column)
            same += pixel(image, column, row) == pixel(image, column, row - 1);
        EXPECT_LT(same, 10) << "row " << row << " repeats";
    }
}

TEST_P(StoneCell, IsADiscNineteenAcross) {
    const CellCase& c = GetParam();
    const Disc disc = findDisc(c, image);
    EXPECT_EQ(disc.half[0], -1);
    EXPECT_EQ(disc.half[20], -1);
    EXPECT_EQ(disc.half[10], 9) << "the centre row spans columns 1..19";
    EXPECT_GE(disc.half[1], 0) << "the disc reaches row 1";
    EXPECT_GE(disc.half[19], 0) << "the disc reaches row 19";
    for (int row = 1; row <= 10; ++row) {
        EXPECT_EQ(disc.half[row], disc.half[20 - row]) << "rows " << row << " and " << 20 - row;
        EXPECT_GE(disc.half[row], disc.half[row - 1]) << "widens towards the centre " << row;
        // Round, not square: the rim is a circle of radius 9.5 around the centre pixel.
        const int dy = 10 - row;
        const int expectedHalf = [&] {
            int h = 0;
            while ((h + 1) * (h + 1) + dy * dy <= 90)
                ++h;
            return h;
        }();
        EXPECT_NEAR(disc.half[row], expectedHalf, 1) << "row " << row;
    }
    // The disc is as tall as it is wide: column 10 holds stone pixels in rows 1..19.
    for (int row = 1; row <= 19; ++row)
        EXPECT_TRUE(isStoneColour(c, pixel(image, 10, row))) << "row " << row;
}

TEST_P(StoneCell, OnlyTheLineStubsShowBesideTheStone) {
    const CellCase& c = GetParam();
    const Disc disc = findDisc(c, image);
    for (int row = 0; row < 21; ++row)
        for (int column = 0; column < 21; ++column) {
            if (disc.contains(column, row)) continue;
            const Rgb p = pixel(image, column, row);
            if (onLine(c, column, row)) {
                EXPECT_EQ(p, BLACK_RGB) << "stub " << column << "," << row;
            } else if (c.offBoard) {
                EXPECT_EQ(p, OFF_BOARD) << column << "," << row;
            } else {
                EXPECT_TRUE(isWood(p) || p == OLIVE) << column << "," << row;
            }
        }
    // What stays of the lines is exactly the edge pixel towards each named side.
    const struct {
        char side;
        int column, row;
    } stubs[] = {{'L', 0, 10}, {'R', 20, 10}, {'U', 10, 0}, {'D', 10, 20}};
    for (const auto& s : stubs)
        EXPECT_EQ(pixel(image, s.column, s.row) == BLACK_RGB, has(c.lines, s.side)) << s.side;
}

TEST_P(StoneCell, ShadowHugsTheLowerRightRimToTheLastRowAndColumn) {
    const CellCase& c = GetParam();
    const Disc disc = findDisc(c, image);
    bool inLastRow = false, inLastColumn = false;
    int count = 0;
    for (int row = 0; row < 21; ++row)
        for (int column = 0; column < 21; ++column) {
            if (pixel(image, column, row) != OLIVE) continue;
            ++count;
            inLastRow |= row == 20;
            inLastColumn |= column == 20;
            EXPECT_GT(row + column, 20) << "shadow off the lower right at " << column << "," << row;
            // One to two pixels wide: a stone pixel lies within two pixels up and left.
            bool near = false;
            for (int d = 1; d <= 2; ++d)
                near |= disc.contains(column - d, row) || disc.contains(column, row - d) ||
                        disc.contains(column - d, row - d);
            EXPECT_TRUE(near) << "shadow too wide at " << column << "," << row;
        }
    if (c.offBoard) {
        EXPECT_EQ(count, 0) << "no shadow off the board";
        return;
    }
    EXPECT_TRUE(inLastRow);
    EXPECT_TRUE(inLastColumn);
    EXPECT_GE(count, 16) << "the shadow follows the rim";
}

TEST_P(BlackStoneCell, HasItsHighlightArcUpperLeft) {
    int black = 0, grey = 0, light = 0;
    for (int row = 1; row < 20; ++row)
        for (int column = 1; column < 20; ++column) {
            const Rgb p = pixel(image, column, row);
            if (p == BLACK_RGB) ++black;
            if (p != GREY && p != LIGHT_GREY) continue;
            (p == GREY ? grey : light)++;
            EXPECT_TRUE(column <= 10 && row <= 10) << "highlight at " << column << "," << row;
            EXPECT_GE(std::abs(column - 10) + std::abs(row - 10), 4) << "an arc, not a spot";
        }
    EXPECT_GE(grey, 5);
    EXPECT_GE(light, 5);
    EXPECT_GT(black, 200) << "mostly black";
}

TEST_P(WhiteStoneCell, ShadesTowardsTheLowerRight) {
    std::map<std::string, std::vector<std::pair<int, int>>> where;
    const std::pair<Rgb, std::string> names[] = {
        {WHITE_RGB, "white"}, {WHITE_MID, "mid"}, {WHITE_DARK, "dark"}, {WHITE_ARC, "arc"}};
    for (int row = 1; row < 20; ++row)
        for (int column = 1; column < 20; ++column)
            for (const auto& [colour, name] : names)
                if (pixel(image, column, row) == colour) where[name].push_back({column, row});
    // The mean position of each tone, relative to the centre along the lower-right diagonal.
    const auto along = [&](const std::string& name) {
        double sum = 0;
        for (auto [x, y] : where[name])
            sum += (x - 10) + (y - 10);
        return sum / static_cast<double>(where[name].size());
    };
    for (const auto& [colour, name] : names)
        ASSERT_GE(where[name].size(), 5U) << name;
    EXPECT_LT(along("white"), 0);
    EXPECT_GT(along("dark"), 0);
    EXPECT_LT(along("white"), along("mid"));
    EXPECT_LT(along("mid"), along("dark"));
    for (auto [x, y] : where["arc"])
        EXPECT_LT(x + y, 20) << "arc at " << x << "," << y;
    for (auto [x, y] : where["dark"])
        EXPECT_GT(x + y, 20) << "dark at " << x << "," << y;
    EXPECT_GT(where["white"].size(), where["dark"].size()) << "mostly white";
}

INSTANTIATE_TEST_SUITE_P(AllCells, CellAtNaturalSize, ::testing::ValuesIn(CELL_CASES), caseName);
INSTANTIATE_TEST_SUITE_P(Empty, EmptyCell,
                         ::testing::ValuesIn(casesWhere([](auto& c) { return c.content == 'E'; })),
                         caseName);
INSTANTIATE_TEST_SUITE_P(Stones, StoneCell,
                         ::testing::ValuesIn(casesWhere([](auto& c) { return c.content != 'E'; })),
                         caseName);
INSTANTIATE_TEST_SUITE_P(Black, BlackStoneCell,
                         ::testing::ValuesIn(casesWhere([](auto& c) { return c.content == 'K'; })),
                         caseName);
INSTANTIATE_TEST_SUITE_P(White, WhiteStoneCell,
                         ::testing::ValuesIn(casesWhere([](auto& c) { return c.content == 'S'; })),
                         caseName);

TEST(CellPictures, StonesDifferOnlyByTheirLines) {
    // The same stone on every place: the disc pixels agree between all board pictures
    // of one colour, so a stone looks the same wherever it lies.
    for (char content : {'K', 'S'}) {
        const QImage reference =
            drawPicture(content == 'K' ? Picture::BLACK_INSIDE : Picture::WHITE_INSIDE, 1);
        for (const CellCase& c : CELL_CASES) {
            if (c.content != content || c.offBoard) continue;
            const QImage image = drawPicture(c.picture, 1);
            for (int row = 1; row < 20; ++row)
                for (int column = 1; column < 20; ++column)
                    if ((column - 10) * (column - 10) + (row - 10) * (row - 10) <= 81) {
                        EXPECT_EQ(pixel(image, column, row), pixel(reference, column, row))
                            << pictureName(c.picture) << " " << column << "," << row;
                    }
        }
    }
}

TEST(CellPictures, AllBoardCellsShareOneWood) {
    // One wood pattern under every board cell, so the board shows no patchwork of cells.
    const QImage a = drawPicture(Picture::EMPTY_TOP_LEFT, 1);
    const QImage b = drawPicture(Picture::EMPTY_BOTTOM_RIGHT, 1);
    for (int row = 0; row < 21; ++row)
        for (int column = 0; column < 21; ++column)
            if (row != 10 && column != 10) {
                EXPECT_EQ(pixel(a, column, row), pixel(b, column, row)) << column << "," << row;
            }
}

TEST(CellPictures, TitleNeedsAGuiApplication) {
    EXPECT_THROW(drawPicture(Picture::TITLE, 1), std::logic_error);
}

} // namespace
} // namespace narabe::test
