// The Japanese serif faces the game writes in, best first, and a font made from them. The
// window font's substitutes and the lettering of the title and about pictures share them.
#pragma once

#include <QFont>
#include <QStringList>

namespace narabe {

inline const QStringList& japaneseSerifFamilies() {
    static const QStringList families = {
        QStringLiteral("IPA P明朝"),         QStringLiteral("IPAPMincho"),
        QStringLiteral("IPA明朝"),           QStringLiteral("IPAMincho"),
        QStringLiteral("Noto Serif CJK JP"), QStringLiteral("Noto Serif JP"),
        QStringLiteral("TakaoPMincho"),      QStringLiteral("Source Han Serif JP"),
        QStringLiteral("DejaVu Serif"),      QStringLiteral("Liberation Serif"),
        QStringLiteral("Times New Roman")};
    return families;
}

// An antialiased serif font of these faces at a size in pixels.
inline QFont serifFont(int pixelSize, QFont::Weight weight) {
    QFont font;
    font.setFamilies(japaneseSerifFamilies());
    font.setStyleHint(QFont::Serif, QFont::PreferAntialias);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

} // namespace narabe
