// The window font "ＭＳ Ｐ明朝", mapped to the Japanese serif faces a Linux desktop has.
#pragma once

#include <QFont>

namespace narabe {

// Registers the substitutes of the window font; call once after the application exists.
void installFontSubstitutes();
// The window font at a size in points (96 dots per inch: a point is 4/3 pixel).
QFont windowFont(int points);

} // namespace narabe
