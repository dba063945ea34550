// narabe-helpdiagrams: draws the help page's diagrams of the rules.
//
// Usage:  narabe-helpdiagrams DIRECTORY
//
// Writes one PNG picture per position of the diagram table into DIRECTORY (made when it
// is missing): a 9 x 9 cut-out of the board made of the very cell and stone pictures the
// window draws, at twice their natural size, with the point in question marked. A stone
// that may be played there (a five, a six, a five with fours) is drawn on it inside a red
// ring; a refused point stays empty under a red cross. The picture of the barred points
// shows their marks as the window draws them. The build runs it into the programs' folder,
// beside the help page.
#include "help_diagrams.h"

#include "adapters/qt/pictures/pictures.h"
#include "render/board_drawing.h"
#include "render/geometry.h"
#include "render/layout.h"
#include "render/palette.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using narabe::Content;
using narabe::Picture;
using narabe::help::HelpDiagram;
using narabe::help::Verdict;

// Whole-number scale of the pictures, for crisp cells on the page.
constexpr int SCALE = 2;
// A cell's side at natural size, and the grid crossing's centre inside it, in pixels.
constexpr int CELL = 21;
constexpr double CROSSING = 10.5;
// The mark of the point in question.
const QColor MARK_RED(220, 0, 0);
constexpr double RING_WIDTH = 2.0;  // pixels at natural size
constexpr double CROSS_WIDTH = 2.5; // pixels at natural size
constexpr double CROSS_ARM = 5.5;   // from the crossing to each end, along each axis

bool refused(Verdict v) {
    return v == Verdict::RefusedDoubleThree || v == Verdict::RefusedDoubleFour;
}

Content contentOf(char cell, const HelpDiagram& d) {
    const Content mover =
        d.mover == narabe::help::Side::Black ? Content::BLACK_STONE : Content::WHITE_STONE;
    switch (cell) {
    case 'B':
        return Content::BLACK_STONE;
    case 'W':
        return Content::WHITE_STONE;
    case '*':
        return refused(d.verdict) ? Content::EMPTY_POINT : mover;
    default:
        return Content::EMPTY_POINT;
    }
}

// The cell pictures, each drawn once when first needed.
const QImage& picture(Picture p) {
    static std::map<Picture, QImage> drawn;
    auto it = drawn.find(p);
    if (it == drawn.end()) {
        QImage image = narabe::drawPicture(p, SCALE);
        image.setDevicePixelRatio(1.0); // placed pixel for pixel
        it = drawn.emplace(p, image).first;
    }
    return it->second;
}

void markPoint(QPainter& painter, QPointF centre, Verdict verdict) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    if (refused(verdict)) {
        painter.setPen(QPen(MARK_RED, CROSS_WIDTH * SCALE, Qt::SolidLine, Qt::RoundCap));
        const double arm = CROSS_ARM * SCALE;
        painter.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
        painter.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
    } else {
        painter.setPen(QPen(MARK_RED, RING_WIDTH * SCALE));
        const double radius = CROSSING * SCALE; // just round the stone
        painter.drawEllipse(centre, radius, radius);
    }
}

// The mark of a barred point, a filled dot as the window's surface draws one.
void markBarred(QPainter& painter, QPointF centre) {
    const narabe::Rgb c = narabe::paletteColour(narabe::HINT_COLOUR);
    const double radius = narabe::BARRED_RADIUS / narabe::TWIPS_PER_PIXEL * SCALE;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(c.r, c.g, c.b));
    painter.drawEllipse(centre, radius, radius);
}

QImage drawDiagram(const HelpDiagram& d) {
    const int side = narabe::help::CUT_OUT * CELL * SCALE;
    QImage image(side, side, QImage::Format_RGB32);
    QPainter painter(&image);
    std::optional<QPointF> marked;
    std::vector<QPointF> barred;
    for (int row = 0; row < narabe::help::CUT_OUT; ++row)
        for (int column = 0; column < narabe::help::CUT_OUT; ++column) {
            const char cell =
                d.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            const Picture p =
                narabe::cellPicture({d.left + column, d.top + row}, contentOf(cell, d));
            const QPoint at(column * CELL * SCALE, row * CELL * SCALE);
            painter.drawImage(at, picture(p));
            const QPointF crossing = QPointF(at) + QPointF(CROSSING, CROSSING) * SCALE;
            if (cell == '*') marked = crossing;
            if (cell == 'x') barred.push_back(crossing);
        }
    if (marked) markPoint(painter, *marked, d.verdict);
    for (const QPointF& centre : barred)
        markBarred(painter, centre);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argc > 0 ? argv[0] : "narabe-helpdiagrams");
        return 2;
    }
    // The folder is made when it is missing; each picture is written whole or not at all.
    const std::filesystem::path directory = argv[1];
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    for (const HelpDiagram& d : narabe::help::HELP_DIAGRAMS) {
        const std::filesystem::path path = directory / std::string(d.file);
        if (error || !drawDiagram(d).save(QString::fromStdString(path.string()), "PNG")) {
            std::fprintf(stderr, "%s: cannot write\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}
