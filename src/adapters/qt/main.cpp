// NarabeⅠ: the desktop program. It reads its settings, sounds and help page from the
// current directory.
#include "adapters/qt/fonts.h"
#include "adapters/qt/main_window.h"
#include "adapters/qt/module_sound_library.h"

#include <QApplication>
#include <QScreen>

#include <cmath>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    narabe::installFontSubstitutes();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const double ratio = screen != nullptr ? screen->devicePixelRatio() : 1.0;
    const int scale = std::max(1, static_cast<int>(std::lround(ratio)));

    narabe::ModuleSoundLibrary sound(QCoreApplication::applicationDirPath() +
                                     QStringLiteral("/narabe-sound"));
    narabe::MainWindow window(sound, scale);
    window.load();
    if (window.ended()) return 0;
    window.show();
    return QApplication::exec();
}
