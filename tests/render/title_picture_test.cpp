// The title picture: size at each scale, the plate and its orange edge, and lettering in
// its dark colour, centred and large enough to read; and the whole picture set.
#include "adapters/qt/pictures/pictures.h"
#include "gui_app.h"
#include "picture_facts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace narabe::test {
namespace {

constexpr Rgb PLATE{255, 242, 166};
constexpr Rgb EDGE{255, 128, 64};
constexpr Rgb LETTERING{58, 59, 74};

// How far a colour lies from the blend of plate and lettering nearest to it.
double offBlend(Rgb c) {
    const double d[3] = {double(LETTERING.r) - PLATE.r, double(LETTERING.g) - PLATE.g,
                         double(LETTERING.b) - PLATE.b};
    const double v[3] = {double(c.r) - PLATE.r, double(c.g) - PLATE.g, double(c.b) - PLATE.b};
    const double t = std::clamp((v[0] * d[0] + v[1] * d[1] + v[2] * d[2]) /
                                    (d[0] * d[0] + d[1] * d[1] + d[2] * d[2]),
                                0.0, 1.0);
    double worst = 0;
    for (int i = 0; i < 3; ++i)
        worst = std::max(worst, std::abs(v[i] - t * d[i]));
    return worst;
}

class TitlePicture : public ::testing::TestWithParam<int> {
  protected:
    static void SetUpTestSuite() { ensureGuiApp(); }
    void SetUp() override {
        scale = GetParam();
        image = drawPicture(Picture::TITLE, scale);
    }
    int scale = 1;
    QImage image;
};

TEST_P(TitlePicture, SizeFormatAndPixelRatio) {
    EXPECT_EQ(image.width(), 110 * scale);
    EXPECT_EQ(image.height(), 34 * scale);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), scale);
}

TEST_P(TitlePicture, OrangeEdgeAlongTheRightAndBottomOnly) {
    for (int y = 0; y < image.height(); ++y)
        EXPECT_EQ(pixel(image, image.width() - 1, y), EDGE) << "right, row " << y;
    for (int x = 0; x < image.width(); ++x)
        EXPECT_EQ(pixel(image, x, image.height() - 1), EDGE) << "bottom, column " << x;
    for (int y = 0; y < image.height() - 3 * scale; ++y)
        EXPECT_EQ(pixel(image, 0, y), PLATE) << "left, row " << y;
    for (int x = 0; x < image.width() - 3 * scale; ++x)
        EXPECT_EQ(pixel(image, x, 0), PLATE) << "top, column " << x;
}

TEST_P(TitlePicture, DarkLetteringOnThePlateAndNothingElse) {
    std::map<unsigned, int> count;
    int lettering = 0, stray = 0;
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = pixel(image, x, y);
            ++count[image.pixel(x, y)];
            if (c == EDGE) continue;
            if (c == LETTERING) ++lettering;
            if (offBlend(c) > 24) ++stray;
            if (offBlend(c) <= 24 && c.b < 140) { // clearly inked
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    const auto dominant =
        std::max_element(count.begin(), count.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    EXPECT_EQ(dominant->first, qRgb(PLATE.r, PLATE.g, PLATE.b)) << "the plate dominates";
    EXPECT_GE(lettering, 40 * scale * scale) << "solid strokes in the lettering colour";
    EXPECT_EQ(stray, 0) << "pixels neither plate, lettering nor a blend of the two";

    // The ink is centred on the plate, wide enough to read, and clear of the edges.
    const double s = scale;
    EXPECT_GE(right - left + 1, 70 * s);
    EXPECT_GE(bottom - top + 1, 12 * s);
    EXPECT_NEAR((left + right + 1) / 2.0, 54 * s, 3 * s);
    EXPECT_NEAR((top + bottom + 1) / 2.0, 16 * s, 3 * s);
    EXPECT_GE(left, 3 * s);
    EXPECT_GE(top, 3 * s);
    EXPECT_LE(right, 105 * s);
    EXPECT_LE(bottom, 30 * s);
}

TEST_P(TitlePicture, EndsWithTheNumeralStandingApart) {
    // Runs of inked columns; the last is the numeral one: a single upright stroke, taller
    // than wide, after a clear gap.
    struct Run {
        int first, last;
    };
    std::vector<Run> runs;
    for (int x = 0; x < image.width() - 2 * scale; ++x) {
        bool inked = false;
        for (int y = 0; y < image.height() - 2 * scale; ++y)
            inked |= pixel(image, x, y).b < 120;
        if (!inked) continue;
        if (runs.empty() || runs.back().last != x - 1)
            runs.push_back({x, x});
        else
            runs.back().last = x;
    }
    ASSERT_GE(runs.size(), 2U) << "the name and the numeral";
    const Run numeral = runs.back();
    const Run before = runs[runs.size() - 2];
    EXPECT_GE(numeral.first - before.last, 3 * scale) << "gap before the numeral";
    int top = image.height(), bottom = -1;
    for (int x = numeral.first; x <= numeral.last; ++x)
        for (int y = 0; y < image.height() - 2 * scale; ++y)
            if (pixel(image, x, y).b < 120) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_GT(bottom - top + 1, 2 * (numeral.last - numeral.first + 1)) << "an upright stroke";
    EXPECT_GE(bottom - top + 1, 12 * scale);
}

INSTANTIATE_TEST_SUITE_P(Scales, TitlePicture, ::testing::Values(1, 2, 3),
                         [](const auto& p) { return "x" + std::to_string(p.param); });

// The set gives each picture at its own place, as drawn at its scale.
TEST(PictureSet, HoldsEveryPictureDrawnAtItsScale) {
    ensureGuiApp();
    for (const int scale : {1, 2}) {
        PictureSet set(scale);
        EXPECT_EQ(set.scale(), scale);
        for (int i = 0; i < PICTURE_COUNT; ++i) {
            const auto p = static_cast<Picture>(i);
            const QImage& image = set.image(p);
            // The title is 110 x 34 pixels, every other picture one 21 x 21 cell.
            const QSize natural = p == Picture::TITLE ? QSize(110, 34) : QSize(21, 21);
            EXPECT_EQ(image.width(), natural.width() * scale) << pictureName(p);
            EXPECT_EQ(image.height(), natural.height() * scale) << pictureName(p);
            EXPECT_DOUBLE_EQ(image.devicePixelRatio(), scale);
            EXPECT_EQ(image, drawPicture(p, scale)) << pictureName(p);
        }
    }
}

} // namespace
} // namespace narabe::test
