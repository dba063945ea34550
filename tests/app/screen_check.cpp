// Grabs the whole X screen, finds the game's board on it and checks it pixel by pixel:
// the wooden ground, the grid lines, the nine star points, the green window around the
// board and the title picture. Saves the window's area as a PNG.
//
//   narabe-screen-check OUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

namespace {

bool isGround(QColor c) {
    return (c == QColor(223, 204, 113) || c == QColor(239, 220, 129) ||
            c == QColor(238, 219, 128) || c == QColor(223, 204, 111));
}

int failures = 0;

void expect(bool ok, const char* what, QPoint at, QColor got) {
    if (ok) return;
    ++failures;
    std::printf("FAIL %s at (%d, %d): %s\n", what, at.x(), at.y(), qPrintable(got.name()));
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: narabe-screen-check OUT.png\n");
        return 2;
    }
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();

    // The board's wooden area: the bounding box of the ground tones.
    int left = shot.width(), top = shot.height(), right = -1, bottom = -1;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (isGround(shot.pixelColor(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0) {
        std::printf("FAIL no board on the screen\n");
        return 1;
    }
    std::printf("board %d,%d to %d,%d\n", left, top, right, bottom);
    expect(right - left + 1 == 19 * 21 && bottom - top + 1 == 19 * 21, "board size 399 x 399",
           {right - left + 1, bottom - top + 1}, QColor());

    // Point (x, y) has its cell at (left + 21 (x - 1), top + 21 (y - 1)); its crossing is
    // pixel (10, 10) of the cell.
    const auto crossing = [&](int x, int y) {
        return QPoint(left + 21 * (x - 1) + 10, top + 21 * (y - 1) + 10);
    };
    for (int x : {5, 10, 15})
        for (int y : {5, 10, 15}) {
            const QPoint p = crossing(x, y);
            for (int d = -1; d <= 1; ++d) {
                expect(shot.pixelColor(p + QPoint(d, d)) == Qt::black, "star core", p,
                       shot.pixelColor(p));
            }
        }
    for (int i = 1; i <= 19; ++i) {
        // Lines run from each crossing towards the inside of the board.
        const int towardsInside = i == 19 ? -4 : 4;
        const QPoint row = crossing(i, 3) + QPoint(towardsInside, 0);
        const QPoint col = crossing(7, i) + QPoint(0, towardsInside);
        expect(shot.pixelColor(row) == Qt::black, "horizontal grid line", row,
               shot.pixelColor(row));
        expect(shot.pixelColor(col) == Qt::black, "vertical grid line", col, shot.pixelColor(col));
    }
    // Outside the outermost lines the ground has no line.
    const QPoint margin = crossing(1, 1) - QPoint(5, 5);
    expect(isGround(shot.pixelColor(margin)), "wooden margin", margin, shot.pixelColor(margin));
    const QColor green(0, 128, 0);
    const QPoint below = crossing(10, 19) + QPoint(0, 30);
    expect(shot.pixelColor(below) == green, "green background", below, shot.pixelColor(below));
    const QPoint panel = crossing(19, 8) + QPoint(60, 0);
    expect(shot.pixelColor(panel) == green, "empty side panel", panel, shot.pixelColor(panel));
    // The title: 110 x 34 pixels at grid position (21, 0.5), 420 pixels right of the
    // board's left edge and 10 above its top.
    const QPoint title(left + 420 + 3, top - 10 + 3);
    expect(shot.pixelColor(title) == QColor(255, 242, 166), "title ground", title,
           shot.pixelColor(title));

    const QRect window(left - 41, top - 24 - 25, 592, 488 + 25);
    shot.copy(window.intersected(shot.rect())).save(QString::fromLocal8Bit(argv[1]));
    std::printf("%s\n", failures == 0 ? "screen ok" : "screen FAILED");
    return failures == 0 ? 0 : 1;
}
