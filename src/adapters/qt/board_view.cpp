// Drawing into the persistent image and showing it.
#include "adapters/qt/board_view.h"

#include "adapters/qt/fonts.h"
#include "render/palette.h"
#include "state/types.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace narabe {

namespace {

// A position in twips on the logical pixel grid, as the window system rounds it.
int pixel(double twips) {
    return static_cast<int>(std::lround(twips / TWIPS_PER_PIXEL));
}

QColor colourOf(int index) {
    const Rgb c = paletteColour(index);
    return QColor(c.r, c.g, c.b);
}

} // namespace

BoardView::BoardView(int scale, QWidget* parent)
    : QWidget(parent), pictures_(scale),
      image_(WIDTH * scale, HEIGHT * scale, QImage::Format_RGB32) {
    image_.setDevicePixelRatio(scale);
    image_.fill(colourOf(BACK_COLOUR));
    setFixedSize(WIDTH, HEIGHT);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardView::changed(const QRect& logical) {
    pending_ += logical;
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

void BoardView::fillRect(double x, double y, double width, double height, int colour) {
    // The outline is part of the rectangle: both corner pixels are filled.
    const QRect r(QPoint(pixel(x), pixel(y)), QPoint(pixel(x + width), pixel(y + height)));
    QPainter p(&image_);
    p.fillRect(r, colourOf(colour));
    changed(r);
}

void BoardView::drawText(double x, double y, int size, int colour, std::string_view text) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QPainter p(&image_);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(windowFont(size));
    p.setPen(colourOf(colour));
    const QPointF topLeft(x / TWIPS_PER_PIXEL, y / TWIPS_PER_PIXEL);
    const QFontMetricsF m(p.font());
    p.drawText(QPointF(topLeft.x(), topLeft.y() + m.ascent()), s);
    changed(QRectF(topLeft, QSizeF(m.horizontalAdvance(s) + 2, m.height() + 1)).toAlignedRect());
}

void BoardView::fillCircle(double x, double y, double radius, int colour) {
    // Centred on the pixel the position falls on, as the board pictures' crossings are.
    const QPointF centre(pixel(x) + 0.5, pixel(y) + 0.5);
    const double r = radius / TWIPS_PER_PIXEL;
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colourOf(colour));
    p.drawEllipse(centre, r, r);
    changed(QRectF(centre.x() - r - 1, centre.y() - r - 1, 2 * r + 2, 2 * r + 2).toAlignedRect());
}

void BoardView::refresh() {
    if (pending_.isEmpty()) return;
    const QRegion region = pending_;
    pending_ = QRegion();
    repaint(region);
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    for (const QRect& r : event->region()) {
        const QRect source(r.topLeft() * image_.devicePixelRatio(),
                           r.size() * image_.devicePixelRatio());
        p.drawImage(r, image_, source);
    }
    pending_ -= event->region();
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    if (onPress)
        onPress(event->position().x() * TWIPS_PER_PIXEL, event->position().y() * TWIPS_PER_PIXEL);
}

} // namespace narabe
