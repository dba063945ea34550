// The window font and its substitutes.
#include "app/fonts.h"

#include <QStringList>

namespace narabe {

namespace {
const QString WINDOW_FONT = QStringLiteral("ＭＳ Ｐ明朝");
}

void installFontSubstitutes() {
    QFont::insertSubstitutions(WINDOW_FONT,
                               {QStringLiteral("IPAPMincho"), QStringLiteral("IPA P明朝"),
                                QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"),
                                QStringLiteral("Noto Serif CJK JP"),
                                QStringLiteral("Noto Serif JP"), QStringLiteral("TakaoPMincho"),
                                QStringLiteral("Source Han Serif JP"), QStringLiteral("serif")});
}

QFont windowFont(int points) {
    QFont f(WINDOW_FONT);
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(qMax(1, qRound(points * 4.0 / 3.0)));
    return f;
}

} // namespace narabe
