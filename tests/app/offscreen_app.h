// The one QApplication of the window tests, on Qt's offscreen platform, with the window's
// style and fonts.
#pragma once

#include <QApplication>

namespace narabe {

QApplication& app();

} // namespace narabe
