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

#include <cmath>
#include <cstdlib>

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
        EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0) << size;
        EXPECT_EQ(icon.pixelColor(size - 1, size - 1).alpha(), 0) << size;
        EXPECT_EQ(icon.pixelColor(size / 2, 0).alpha(), 0) << size; // the margin
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
