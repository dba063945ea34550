// The one application object of the window tests, on Qt's offscreen platform, made on first
// use: the window's tests and the pause's, which runs the event loop, share it.
#pragma once

#include "adapters/qt/fonts.h"
#include "adapters/qt/window_style.h"

#include <QApplication>

namespace narabe {

inline QApplication& app() {
    static int argc = 1;
    static char name[] = "window_test";
    static char* argv[] = {name, nullptr};
    static QApplication* a = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* created = new QApplication(argc, argv);
        QApplication::setStyle(new WindowStyle(QApplication::style()->name()));
        installFontSubstitutes();
        return created;
    }();
    return *a;
}

} // namespace narabe
