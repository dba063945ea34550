// The window font "ＭＳ Ｐ明朝", mapped to the Japanese serif faces a Linux desktop has.
#pragma once

#include <QFont>

namespace narabe {

// Registers the substitutes of the window font; call once after the application exists.
void installFontSubstitutes();
// The window font at a size in points (96 dots per inch: a point is 4/3 pixel).
QFont windowFont(int points);
// Looks the window font up in the system's font configuration, which Qt then keeps for every
// thread: run on a thread of its own while the window is built, it spares the board's first
// text that wait. Any thread, once the substitutes are installed.
void prepareWindowFont();

} // namespace narabe
