// The cell pictures drawn two and three times larger: the same drawing at the finer
// resolution, with the lines still exactly one cell pixel wide and crisp, the corners
// still wood, the stones antialiased rather than enlarged pixel blocks.
#include "adapters/qt/pictures/pictures.h"
#include "picture_facts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

namespace narabe::test {
namespace {

using ScaledCase = std::tuple<CellCase, int>;

class CellScaled : public ::testing::TestWithParam<ScaledCase> {
  protected:
    void SetUp() override {
        cell = std::get<0>(GetParam());
        scale = std::get<1>(GetParam());
        image = drawPicture(cell.picture, scale);
    }
    // Every screen pixel of cell pixel (column, row) satisfies `test`.
    template <class Test> bool wholeBlock(int column, int row, Test test) const {
        for (int y = row * scale; y < (row + 1) * scale; ++y)
            for (int x = column * scale; x < (column + 1) * scale; ++x)
                if (!test(pixel(image, x, y))) return false;
        return true;
    }
    CellCase cell{};
    int scale = 1;
    QImage image;
};
class EmptyCellScaled : public CellScaled {};
class StarCellScaled : public CellScaled {};
class StoneCellScaled : public CellScaled {};

std::string scaledName(const ::testing::TestParamInfo<ScaledCase>& info) {
    return std::string(pictureName(std::get<0>(info.param).picture)) + "_x" +
           std::to_string(std::get<1>(info.param));
}

bool isBlack(Rgb c) {
    return c == BLACK_RGB;
}

// Olive shadow, alone or blended with the wood (the wood's blue is 111 or more).
bool isShadowish(Rgb c) {
    return c.r >= 150 && c.g >= 150 && c.b <= 70;
}

TEST_P(CellScaled, SizeAndPixelRatio) {
    EXPECT_EQ(image.width(), 21 * scale);
    EXPECT_EQ(image.height(), 21 * scale);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), scale);
    EXPECT_EQ(image, drawPicture(cell.picture, scale)) << "drawn the same every time";
}

TEST_P(CellScaled, LineStubsAreSolidBlackBlocks) {
    const struct {
        char side;
        int column, row;
    } stubs[] = {{'L', 0, 10}, {'R', 20, 10}, {'U', 10, 0}, {'D', 10, 20}};
    for (const auto& s : stubs) {
        if (has(cell.lines, s.side))
            EXPECT_TRUE(wholeBlock(s.column, s.row, isBlack)) << s.side;
        else
            EXPECT_FALSE(wholeBlock(s.column, s.row, isBlack)) << s.side;
    }
}

TEST_P(CellScaled, CornersAndOuterRowsAreWoodOrGreen) {
    const auto ground = [&](Rgb c) { return cell.offBoard ? c == OFF_BOARD : isWood(c); };
    for (auto [column, row] : {std::pair{0, 0}, {20, 0}, {0, 20}, {20, 20}, {3, 1}, {1, 3}})
        EXPECT_TRUE(wholeBlock(column, row, ground)) << column << "," << row;
    // The disc starts at the second row and column: the first ones are ground and stubs.
    for (int i = 0; i < 21; ++i) {
        const auto groundOrStub = [&](int column, int row) {
            return onLine(cell, column, row) ? wholeBlock(column, row, isBlack)
                                             : wholeBlock(column, row, ground);
        };
        EXPECT_TRUE(groundOrStub(i, 0)) << "top row, column " << i;
        EXPECT_TRUE(groundOrStub(0, i)) << "left column, row " << i;
    }
}

TEST_P(EmptyCellScaled, LinesAreCrispAndExactlyOnePixelWide) {
    for (int row = 0; row < 21; ++row)
        for (int column = 0; column < 21; ++column) {
            if (inStarDot(column, row) && cell.star) continue;
            // Pixels two away from the dot are outside its soft edge.
            if (cell.star && std::abs(column - 10) <= 3 && std::abs(row - 10) <= 3) continue;
            if (onLine(cell, column, row))
                EXPECT_TRUE(wholeBlock(column, row, isBlack)) << column << "," << row;
            else
                EXPECT_TRUE(wholeBlock(column, row, isWood)) << column << "," << row;
        }
}

TEST_P(StarCellScaled, DotIsRoundAndBlack) {
    // Black at the centre and two thirds of the way out, wood well beyond.
    const auto at = [&](double x, double y) {
        return pixel(image, static_cast<int>(x * scale), static_cast<int>(y * scale));
    };
    EXPECT_EQ(at(10.5, 10.5), BLACK_RGB);
    EXPECT_EQ(at(9.2, 9.2), BLACK_RGB);
    EXPECT_EQ(at(11.8, 11.8), BLACK_RGB);
    EXPECT_TRUE(isWood(at(7.0, 7.0)));
    EXPECT_TRUE(isWood(at(14.0, 14.0)));
    // Round: along the diagonal the dot ends sooner than along the line.
    EXPECT_NE(at(8.3, 10.5), at(8.3, 8.3));
}

TEST_P(StoneCellScaled, IsSolidInsideAndSmoothAtTheRim) {
    const Rgb centre = pixel(image, 21 * scale / 2, 21 * scale / 2);
    if (cell.content == 'K')
        EXPECT_LE(centre.r, 40);
    else
        EXPECT_GE(centre.r, 240);
    // The rim at the top-left reaches into the second row and column of the cell.
    bool reachesTop = false;
    for (int x = 9 * scale; x < 12 * scale; ++x)
        for (int y = scale; y < 2 * scale; ++y)
            reachesTop |= !isWood(pixel(image, x, y));
    EXPECT_TRUE(reachesTop);
    // Antialiased: more distinct colours than the natural-size picture, and blocks of one
    // cell pixel are not uniform along the rim.
    std::set<unsigned> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 40U);
}

TEST_P(StoneCellScaled, ShadowReachesTheLastRowAndColumnAtTheLowerRight) {
    bool lastRow = false, lastColumn = false, any = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!isShadowish(pixel(image, x, y))) continue;
            any = true;
            EXPECT_GT(x + y, 21 * scale) << "shadow at " << x << "," << y;
            lastRow |= y >= 20 * scale;
            lastColumn |= x >= 20 * scale;
        }
    if (cell.offBoard) {
        EXPECT_FALSE(any);
        return;
    }
    EXPECT_TRUE(lastRow);
    EXPECT_TRUE(lastColumn);
}

auto scaled(std::vector<CellCase> cases) {
    return ::testing::Combine(::testing::ValuesIn(cases), ::testing::Values(2, 3));
}
INSTANTIATE_TEST_SUITE_P(AllCells, CellScaled, scaled({CELL_CASES.begin(), CELL_CASES.end()}),
                         scaledName);
INSTANTIATE_TEST_SUITE_P(Empty, EmptyCellScaled,
                         scaled(casesWhere([](auto& c) { return c.content == 'E'; })), scaledName);
INSTANTIATE_TEST_SUITE_P(Star, StarCellScaled, scaled(casesWhere([](auto& c) { return c.star; })),
                         scaledName);
INSTANTIATE_TEST_SUITE_P(Stones, StoneCellScaled,
                         scaled(casesWhere([](auto& c) { return c.content != 'E'; })), scaledName);

} // namespace
} // namespace narabe::test
