// A QGuiApplication for tests that draw text: fonts need one. It runs on the offscreen
// platform, so no display is needed, and lives until the test program ends.
#pragma once

#include <QGuiApplication>

namespace narabe::test {

inline void ensureGuiApp() {
    static int argc = 1;
    static char name[] = "picture_title_tests";
    static char* argv[] = {name, nullptr};
    static const QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

} // namespace narabe::test
