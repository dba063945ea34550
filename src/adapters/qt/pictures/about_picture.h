// The about dialog's background: the program's title in large light lettering over a
// blue sky, with a credit line beneath it.
#pragma once

#include <QImage>
#include <QString>

#include <string_view>

namespace narabe {

inline constexpr int ABOUT_WIDTH = 337;
inline constexpr int ABOUT_HEIGHT = 106;

// The credit line as the game writes it; the dialog shows it in the window's language.
inline constexpr std::string_view ABOUT_CREDIT = "五目並べ  Version 1.0  —  NarabeⅠ project";

// The 337 x 106 picture at `scale` times that size, with `credit` beneath the title. Needs a
// QGuiApplication (fonts).
QImage drawAboutPicture(int scale, const QString& credit);

} // namespace narabe
