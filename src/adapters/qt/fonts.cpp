// The window font and its substitutes.
#include "adapters/qt/fonts.h"

#include "adapters/qt/pictures/serif_font.h"

namespace narabe {

namespace {

const QString WINDOW_FONT = QStringLiteral("ＭＳ Ｐ明朝");

// Pixels to a point at 96 dots per inch: a point is 1/72 inch.
constexpr double PIXELS_PER_POINT = 96.0 / 72.0;

} // namespace

void installFontSubstitutes() {
    QFont::insertSubstitutions(WINDOW_FONT, QStringList(japaneseSerifFamilies())
                                                << QStringLiteral("serif"));
}

QFont windowFont(int points) {
    QFont f(WINDOW_FONT);
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(qMax(1, qRound(points * PIXELS_PER_POINT)));
    return f;
}

} // namespace narabe
