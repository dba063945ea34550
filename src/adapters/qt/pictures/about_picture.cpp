// A sky from deep to pale blue with a few soft clouds, the title in white serif lettering
// with a faint shadow, and the credit line in small type below it.
#include "adapters/qt/pictures/about_picture.h"

#include "adapters/qt/pictures/serif_font.h"

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <stdexcept>

namespace narabe {

namespace {

void drawCloud(QPainter& p, QPointF centre, double size) {
    struct Puff {
        double dx, dy, r;
    };
    static constexpr std::array<Puff, 5> puffs = {{{-0.9, 0.15, 0.55},
                                                   {-0.3, -0.2, 0.7},
                                                   {0.35, -0.1, 0.65},
                                                   {0.9, 0.2, 0.5},
                                                   {0.0, 0.25, 0.6}}};
    for (const Puff& puff : puffs) {
        const QPointF c = centre + QPointF(puff.dx * size, puff.dy * size);
        const double r = puff.r * size;
        QRadialGradient g(c, r);
        g.setColorAt(0.0, QColor(255, 255, 255, 150));
        g.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
}

// White lettering centred in `box` over a dark blue shadow `offset` pixels down-right.
void lightText(QPainter& p, const QRectF& box, const QFont& font, int offset, int shadowAlpha,
               const QString& text) {
    p.setFont(font);
    p.setPen(QColor(10, 30, 80, shadowAlpha));
    p.drawText(box.translated(offset, offset), Qt::AlignCenter, text);
    p.setPen(QColor(250, 250, 255));
    p.drawText(box, Qt::AlignCenter, text);
}

} // namespace

QImage drawAboutPicture(int scale, const QString& credit) {
    if (QGuiApplication::instance() == nullptr)
        throw std::logic_error("the about picture needs a QGuiApplication for its fonts");
    QImage image(ABOUT_WIDTH * scale, ABOUT_HEIGHT * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, ABOUT_HEIGHT);
    sky.setColorAt(0.0, QColor(20, 60, 150));
    sky.setColorAt(0.6, QColor(60, 120, 200));
    sky.setColorAt(1.0, QColor(150, 195, 240));
    p.fillRect(QRect(0, 0, ABOUT_WIDTH, ABOUT_HEIGHT), sky);
    p.setPen(Qt::NoPen);
    drawCloud(p, {40, 90}, 20);
    drawCloud(p, {300, 22}, 14);
    drawCloud(p, {250, 96}, 12);

    // Title and credit stand above the dialog's buttons, which cover the lower part.
    lightText(p, QRectF(0, 0, ABOUT_WIDTH, 46), serifFont(34, QFont::Bold), 2, 120,
              QString::fromUtf8("Narabe\u2160"));
    lightText(p, QRectF(0, 48, ABOUT_WIDTH, 16), serifFont(12, QFont::Bold), 1, 160, credit);
    p.end();
    return image;
}

} // namespace narabe
