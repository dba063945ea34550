// The title in a Japanese serif face, centred on the plate. The edge on the right and at
// the bottom gives the plate a little depth against the green window.
#include "adapters/qt/pictures/title_picture.h"

#include "adapters/qt/pictures/serif_font.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QStringList>

#include <stdexcept>

namespace narabe {

namespace {

constexpr int WIDTH = 110;
constexpr int HEIGHT = 34;
constexpr int EDGE = 2;
const QColor PLATE{255, 242, 166};
const QColor EDGE_COLOUR{255, 128, 64};
const QColor LETTERING{58, 59, 74};

// The largest face size at which the title's ink fits the plate with a margin.
QFont titleFont(const QString& title) {
    QFont font = serifFont(26, QFont::Bold);
    for (int size = 26; size > 8; --size) {
        font.setPixelSize(size);
        const QRect ink = QFontMetrics(font).tightBoundingRect(title);
        if (ink.width() <= WIDTH - EDGE - 14 && ink.height() <= HEIGHT - EDGE - 12) break;
    }
    return font;
}

} // namespace

QImage drawTitlePicture(int scale) {
    if (QGuiApplication::instance() == nullptr)
        throw std::logic_error("the title picture needs a QGuiApplication for its font");
    QImage image(WIDTH * scale, HEIGHT * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);

    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, WIDTH, HEIGHT), EDGE_COLOUR);
    painter.fillRect(QRect(0, 0, WIDTH - EDGE, HEIGHT - EDGE), PLATE);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QString title = QString::fromUtf8("Narabe\u2160");
    const QFont font = titleFont(title);
    painter.setFont(font);
    painter.setPen(LETTERING);
    // Centre the ink itself: the numeral's wide side bearing would push plain text left.
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(title);
    const QPointF plateCentre((WIDTH - EDGE) / 2.0, (HEIGHT - EDGE) / 2.0);
    painter.drawText(plateCentre - ink.center(), title);
    painter.end();
    return image;
}

} // namespace narabe
