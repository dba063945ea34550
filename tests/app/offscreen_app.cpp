// The window tests' QApplication, made at its first use.
#include "offscreen_app.h"

#include "adapters/qt/fonts.h"
#include "adapters/qt/window_style.h"

namespace narabe {

QApplication& app() {
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
