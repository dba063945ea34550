// The window font and its substitutes.
#include "adapters/qt/fonts.h"

#include "adapters/qt/pictures/serif_font.h"

namespace narabe {

namespace {
const QString WINDOW_FONT = QStringLiteral("ＭＳ Ｐ明朝");
}

void installFontSubstitutes() {
    QFont::insertSubstitutions(WINDOW_FONT, QStringList(japaneseSerifFamilies())
                                                << QStringLiteral("serif"));
}

QFont windowFont(int points) {
    QFont f(WINDOW_FONT);
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(qMax(1, qRound(points * 4.0 / 3.0)));
    return f;
}

} // namespace narabe
