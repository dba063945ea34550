// Grabs the whole X screen, finds the game's board on it and checks it pixel by pixel:
// the wooden ground, the grid lines, the nine star points, the green window around the
// board and the title picture, and any pixels named on the command line. Saves the window's
// area as a PNG.
//
//   narabe-screen-check OUT.png [SECONDS [X,Y,DX,DY=#RRGGBB ...]]
//
// With SECONDS, the screen is grabbed again and again until the board passes or SECONDS
// have gone by: the window may be mapped before its first paint reaches the server, and
// a loaded machine may take a while to get there. Only the last grab's failures count.
// X,Y,DX,DY=#RRGGBB asks for that colour DX, DY pixels from the crossing of point (X, Y): a
// stone, a mark, whatever the game must show there; the points named must not be star points.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool isGround(QColor c) {
    return (c == QColor(223, 204, 113) || c == QColor(239, 220, 129) ||
            c == QColor(238, 219, 128) || c == QColor(223, 204, 111));
}

// What one grab of the screen showed: the board's wooden area (empty when there is none)
// and every check that failed.
struct Seen {
    QRect board;
    std::vector<std::string> failures;
};

class Checks {
  public:
    explicit Checks(const QImage& shot) : shot_(shot) {}

    void expect(bool ok, const char* what, QPoint at) {
        if (ok) return;
        failures_.push_back(std::string(what) + " at (" + std::to_string(at.x()) + ", " +
                            std::to_string(at.y()) +
                            "): " + qPrintable(shot_.pixelColor(at).name()));
    }
    [[nodiscard]] QColor at(QPoint p) const { return shot_.pixelColor(p); }
    std::vector<std::string> take() { return std::move(failures_); }

  private:
    const QImage& shot_;
    std::vector<std::string> failures_;
};

// The bounding box of the ground tones.
QRect findBoard(const QImage& shot) {
    int left = shot.width(), top = shot.height(), right = -1, bottom = -1;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (isGround(shot.pixelColor(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// A pixel the command line asks for: DX, DY pixels from the crossing of point (X, Y).
struct Expected {
    int x, y, dx, dy;
    QColor colour;
};

std::vector<Expected> expectations(int argc, char* argv[]) {
    std::vector<Expected> all;
    for (int i = 3; i < argc; ++i) {
        Expected e{};
        char hex[8] = {};
        if (std::sscanf(argv[i], "%d,%d,%d,%d=#%6s", &e.x, &e.y, &e.dx, &e.dy, hex) != 5) {
            std::fprintf(stderr, "not X,Y,DX,DY=#RRGGBB: %s\n", argv[i]);
            std::exit(2);
        }
        e.colour = QColor(QStringLiteral("#") + QString::fromLatin1(hex));
        all.push_back(e);
    }
    return all;
}

Seen look(const QImage& shot, const std::vector<Expected>& expected) {
    Seen seen{findBoard(shot), {}};
    if (seen.board.isEmpty()) {
        seen.failures.emplace_back("no board on the screen");
        return seen;
    }
    const int left = seen.board.left();
    const int top = seen.board.top();
    Checks c(shot);
    c.expect(seen.board.width() == 19 * 21 && seen.board.height() == 19 * 21,
             "board size 399 x 399", {seen.board.width(), seen.board.height()});

    // Point (x, y) has its cell at (left + 21 (x - 1), top + 21 (y - 1)); its crossing is
    // pixel (10, 10) of the cell.
    const auto crossing = [&](int x, int y) {
        return QPoint(left + 21 * (x - 1) + 10, top + 21 * (y - 1) + 10);
    };
    for (int x : {5, 10, 15})
        for (int y : {5, 10, 15})
            for (int d = -1; d <= 1; ++d) {
                const QPoint p = crossing(x, y) + QPoint(d, d);
                c.expect(c.at(p) == Qt::black, "star core", p);
            }
    for (int i = 1; i <= 19; ++i) {
        // Lines run from each crossing towards the inside of the board.
        const int towardsInside = i == 19 ? -4 : 4;
        const QPoint row = crossing(i, 3) + QPoint(towardsInside, 0);
        const QPoint col = crossing(7, i) + QPoint(0, towardsInside);
        c.expect(c.at(row) == Qt::black, "horizontal grid line", row);
        c.expect(c.at(col) == Qt::black, "vertical grid line", col);
    }
    // Outside the outermost lines the ground has no line.
    const QPoint margin = crossing(1, 1) - QPoint(5, 5);
    c.expect(isGround(c.at(margin)), "wooden margin", margin);
    const QColor green(0, 128, 0);
    const QPoint below = crossing(10, 19) + QPoint(0, 30);
    c.expect(c.at(below) == green, "green background", below);
    const QPoint panel = crossing(19, 8) + QPoint(60, 0);
    c.expect(c.at(panel) == green, "empty side panel", panel);
    // The title: 110 x 34 pixels at grid position (21, 0.5), 420 pixels right of the
    // board's left edge and 10 above its top.
    const QPoint title(left + 420 + 3, top - 10 + 3);
    c.expect(c.at(title) == QColor(255, 242, 166), "title ground", title);
    for (const Expected& e : expected) {
        const QPoint p = crossing(e.x, e.y) + QPoint(e.dx, e.dy);
        c.expect(c.at(p) == e.colour, "colour asked for", p);
    }
    seen.failures = c.take();
    return seen;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: narabe-screen-check OUT.png [SECONDS [X,Y,DX,DY=#RRGGBB ...]]\n");
        return 2;
    }
    const std::vector<Expected> expected = expectations(argc, argv);
    const qint64 deadline = argc >= 3 ? std::atoll(argv[2]) * 1000 : 0;
    QElapsedTimer clock;
    clock.start();
    QImage shot;
    Seen seen;
    int grabs = 0;
    do {
        if (grabs++ > 0) QThread::msleep(200);
        shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        seen = look(shot, expected);
    } while (!seen.failures.empty() && clock.elapsed() < deadline);

    if (!seen.board.isEmpty())
        std::printf("board %d,%d to %d,%d after %d grab(s)\n", seen.board.left(), seen.board.top(),
                    seen.board.right(), seen.board.bottom(), grabs);
    for (const std::string& f : seen.failures)
        std::printf("FAIL %s\n", f.c_str());
    if (!seen.board.isEmpty()) {
        const QRect window(seen.board.left() - 41, seen.board.top() - 24 - 25, 592, 488 + 25);
        shot.copy(window.intersected(shot.rect())).save(QString::fromLocal8Bit(argv[1]));
    }
    std::printf("%s\n", seen.failures.empty() ? "screen ok" : "screen FAILED");
    return seen.failures.empty() ? 0 : 1;
}
