// The about dialog's background: the program's title in large light lettering over a
// blue sky, with a credit line beneath it.
#pragma once

#include <QImage>

namespace narabe {

inline constexpr int ABOUT_WIDTH = 337;
inline constexpr int ABOUT_HEIGHT = 106;

// The 337 x 106 picture at `scale` times that size. Needs a QGuiApplication (fonts).
QImage drawAboutPicture(int scale);

} // namespace narabe
