// Drawing into the persistent image and showing it.
#include "adapters/qt/board_view.h"

#include "adapters/qt/fonts.h"
#include "adapters/qt/language.h"
#include "render/geometry.h"
#include "render/palette.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <utility>

namespace narabe {

namespace {

// Antialiased glyphs and discs reach a little beyond their nominal box: this many logical
// pixels around it are repainted too.
constexpr int INK_MARGIN = 1;

// A position in twips on the logical pixel grid, as the window system rounds it.
int pixel(double twips) {
    return static_cast<int>(std::lround(twips / TWIPS_PER_PIXEL));
}

QColor qColour(Colour colour) {
    const Rgb c = paletteColour(colour);
    return QColor(c.r, c.g, c.b);
}

} // namespace

BoardView::BoardView(PictureSet pictures, QWidget* parent)
    : QWidget(parent), pictures_(std::move(pictures)),
      image_(CLIENT_WIDTH * pictures_.scale(), CLIENT_HEIGHT * pictures_.scale(),
             QImage::Format_RGB32) {
    image_.setDevicePixelRatio(pictures_.scale());
    image_.fill(qColour(BACK_COLOUR));
    setFixedSize(CLIENT_WIDTH, CLIENT_HEIGHT);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardView::changed(const QRect& logical) {
    // The bounding rectangle, not the exact region: a start-up or a redraw of the board
    // changes hundreds of cells, and the union of so many rectangles costs more than
    // showing the few pixels between them again.
    pending_ |= logical;
    update(logical);
}

void BoardView::copyPicture(Picture picture, double x, double y) {
    // Both images are opaque RGB32 at the same device pixel ratio, so the copy is row by row
    // what QPainter::drawImage would paint, without setting up a painter for each of the
    // hundreds of cells a redraw of the board copies.
    const QPoint at(pixel(x), pixel(y));
    const QImage& img = pictures_.image(picture);
    const int ratio = static_cast<int>(image_.devicePixelRatio());
    const QRect target = QRect(at * ratio, img.size()) & image_.rect();
    for (int row = target.top(); row <= target.bottom(); ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(img.constScanLine(row - at.y() * ratio));
        auto* to = reinterpret_cast<QRgb*>(image_.scanLine(row));
        std::copy_n(from + (target.left() - at.x() * ratio), target.width(), to + target.left());
    }
    changed(QRect(at, img.deviceIndependentSize().toSize()));
}

void BoardView::fillRect(double x, double y, double width, double height, Colour colour) {
    // The outline is part of the rectangle: both corner pixels are filled.
    const QRect r(QPoint(pixel(x), pixel(y)), QPoint(pixel(x + width), pixel(y + height)));
    QPainter p(&image_);
    p.fillRect(r, qColour(colour));
    changed(r);
}

void BoardView::drawText(double x, double y, int size, Colour colour, std::string_view text) {
    const QString s = windowText(text);
    QPainter p(&image_);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(windowFont(size));
    p.setPen(qColour(colour));
    const QPointF topLeft(x / TWIPS_PER_PIXEL, y / TWIPS_PER_PIXEL);
    const QFontMetricsF m(p.font());
    p.drawText(QPointF(topLeft.x(), topLeft.y() + m.ascent()), s);
    changed(QRectF(topLeft, QSizeF(m.horizontalAdvance(s), m.height()))
                .adjusted(-INK_MARGIN, -INK_MARGIN, INK_MARGIN, INK_MARGIN)
                .toAlignedRect());
}

void BoardView::fillCircle(double x, double y, double radius, Colour colour) {
    // Centred on the middle of the pixel the position falls on, as the board pictures'
    // crossings are.
    const QPointF centre(QPointF(pixel(x), pixel(y)) + QPointF(0.5, 0.5));
    const double r = radius / TWIPS_PER_PIXEL;
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(qColour(colour));
    p.drawEllipse(centre, r, r);
    changed(QRectF(centre - QPointF(r, r), centre + QPointF(r, r))
                .adjusted(-INK_MARGIN, -INK_MARGIN, INK_MARGIN, INK_MARGIN)
                .toAlignedRect());
}

void BoardView::refresh() {
    if (pending_.isEmpty()) return;
    const QRect area = pending_;
    pending_ = QRect();
    repaint(area);
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    for (const QRect& r : event->region()) {
        const QRect source(r.topLeft() * image_.devicePixelRatio(),
                           r.size() * image_.devicePixelRatio());
        p.drawImage(r, image_, source);
    }
    if ((QRegion(pending_) - event->region()).isEmpty()) pending_ = QRect();
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    if (onPress)
        onPress(event->position().x() * TWIPS_PER_PIXEL, event->position().y() * TWIPS_PER_PIXEL);
}

} // namespace narabe
