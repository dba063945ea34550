// The program's icon: at every size it shows the black stone at the upper left and the white
// stone at the lower right on the board's wood, with transparent corners, and its SVG form,
// as Qt's SVG renderer draws it, looks like the raster picture. The window's icon built into
// the program is the same drawing at each of its sizes.
#include "adapters/qt/pictures/icon_picture.h"
#include "adapters/qt/window_icon.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

namespace narabe {
namespace {

// The icon pixel that shows point (x, y) of the board square, in picture pixels.
QColor at(const QImage& icon, double x, double y) {
    const double margin = icon.width() * ICON_MARGIN;
    const double scale = (icon.width() - 2 * margin) / ICON_BOARD;
    return icon.pixelColor(static_cast<int>(margin + x * scale),
                           static_cast<int>(margin + y * scale));
}

TEST(Icon, EverySizeShowsBothStonesOnTheWoodWithTransparentCorners) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = drawIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        const QColor black = at(icon, 8.5, 8.5);
        const QColor white = at(icon, 31.5, 31.5);
        const QColor wood = at(icon, 27, 6); // between the lines, away from both stones
        EXPECT_LT(black.lightness(), 80) << size;
        EXPECT_GT(white.lightness(), 200) << size;
        EXPECT_TRUE(wood.red() > 200 && wood.green() > 180 && wood.blue() < 150)
            << size << " " << wood.name().toStdString();
        EXPECT_EQ(wood.alpha(), 255) << size;
        // The rounded corners; at 16 pixels the board fills the icon and its corners are
        // cut by less than a pixel.
        EXPECT_LT(icon.pixelColor(0, 0).alpha(), size == 16 ? 128 : 1) << size;
        EXPECT_LT(icon.pixelColor(size - 1, size - 1).alpha(), size == 16 ? 128 : 1) << size;
        if (size > 16) {
            EXPECT_EQ(icon.pixelColor(size / 2, 0).alpha(), 0) << size; // the margin
        }
    }
}

// How far a colour is from grey: the wood is 110 levels from it, the stones and lines 0.
int chroma(QColor c) {
    return std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
}

// At 16 and 32 pixels the icon is drawn for its size, not scaled down: each edge of the board
// crosses the two grid lines as two pixels of the lines' own black, one pixel wide, and no
// stone reaches the edge (a pixel that is not mostly wood is a line's); on the diagonal from
// the board's upper-left corner the first pixel that is not mostly wood is the black stone's
// dark rim, not its highlight faded into the wood.
TEST(Icon, SmallSizesHaveWholePixelLinesAndStonesInsideTheBoard) {
    constexpr int MOSTLY_WOOD = 90; // chroma
    for (int size : {16, 32}) {
        const QImage icon = drawIcon(size);
        int edge = 0; // the first row whose middle is wholly on the board
        while (icon.pixelColor(size / 2, edge).alpha() < 255)
            ++edge;
        const int far = size - 1 - edge;
        const std::array<std::function<QPoint(int)>, 4> edges = {
            [&](int i) { return QPoint(i, edge); }, [&](int i) { return QPoint(i, far); },
            [&](int i) { return QPoint(edge, i); }, [&](int i) { return QPoint(far, i); }};
        for (std::size_t e = 0; e < edges.size(); ++e) {
            std::vector<int> notWood;
            for (int i = 0; i < size; ++i) {
                const QColor c = icon.pixelColor(edges[e](i));
                if (c.alpha() < 255 || chroma(c) >= MOSTLY_WOOD) continue;
                notWood.push_back(i);
                EXPECT_EQ(c.name(QColor::HexArgb).toStdString(), "#ff000000")
                    << size << " px, edge " << e << ", pixel " << i;
            }
            EXPECT_EQ(notWood.size(), 2u) << size << " px, edge " << e;
            if (notWood.size() == 2) {
                EXPECT_GT(notWood[1] - notWood[0], 1) << size;
            }
        }
        for (int k = edge;; ++k) {
            ASSERT_LT(k, size / 2) << size << " px: no black stone on the diagonal";
            const QColor c = icon.pixelColor(k, k);
            if (c.alpha() < 255 || chroma(c) >= MOSTLY_WOOD) continue;
            EXPECT_LT(c.lightness(), 100) << size << " px, pixel " << k << " " << c.name().toStdString();
            break;
        }
    }
}

// The SVG drawn by Qt's renderer (as a desktop draws it) against the raster picture: close on
// average, and close in every block of an 8 x 8 grid, so that no part may be missing.
TEST(Icon, TheSvgLooksLikeTheRasterPicture) {
    QSvgRenderer renderer(QByteArray::fromStdString(iconSvg()));
    ASSERT_TRUE(renderer.isValid());
    for (int size : {64, 256}) {
        QImage svg(size, size, QImage::Format_ARGB32_Premultiplied);
        svg.fill(Qt::transparent);
        QPainter painter(&svg);
        renderer.render(&painter);
        painter.end();
        const QImage png = drawIcon(size);

        constexpr int GRID = 8;
        const int block = size / GRID;
        double total = 0;
        double worstBlock = 0;
        for (int by = 0; by < GRID; ++by)
            for (int bx = 0; bx < GRID; ++bx) {
                double sum = 0;
                for (int y = by * block; y < (by + 1) * block; ++y)
                    for (int x = bx * block; x < (bx + 1) * block; ++x) {
                        const QRgb a = svg.pixel(x, y);
                        const QRgb b = png.pixel(x, y);
                        sum += (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                                std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b))) /
                               4.0;
                    }
                total += sum;
                worstBlock = std::max(worstBlock, sum / (block * block));
            }
        const double mean = total / (size * size);
        EXPECT_LT(mean, 4.0) << size;
        EXPECT_LT(worstBlock, 12.0) << size;
        std::printf("icon %d px: SVG against PNG: mean difference %.2f, worst block %.2f\n", size,
                    mean, worstBlock);
    }
}

// The pixels the build puts into the program, in the order of WINDOW_ICON_SIZES, are the icon
// drawn now at that size: a list of sizes out of step with the build's, or pixels left from an
// older drawing, show here.
TEST(Icon, TheWindowsIconIsTheDrawnIconAtEachSize) {
    for (std::size_t i = 0; i < WINDOW_ICON_SIZES.size(); ++i) {
        const int size = WINDOW_ICON_SIZES[i];
        ASSERT_EQ(WINDOW_ICON_PIXELS[i].size(), static_cast<std::size_t>(size * size)) << size;
        const QImage built(reinterpret_cast<const uchar*>(WINDOW_ICON_PIXELS[i].data()), size, size,
                           QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(built, drawIcon(size)) << size;
    }
}

} // namespace
} // namespace narabe
