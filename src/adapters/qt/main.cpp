// NarabeⅠ: the desktop program. It reads its command line before it opens a display,
// chooses where its files are (see game_folders.h), gives its window the desktop's name
// and icon, opens a game record named on the command line once the window shows, and ends
// on SIGTERM, SIGINT and SIGHUP the way the close box ends it.
#include "adapters/qt/command_line.h"
#include "adapters/qt/fonts.h"
#include "adapters/qt/game_folders.h"
#include "adapters/qt/language.h"
#include "adapters/qt/main_window.h"
#include "adapters/qt/module_sound_library.h"
#include "adapters/qt/pictures/pictures.h"
#include "adapters/qt/signal_watch.h"
#include "adapters/qt/window_icon.h"
#include "adapters/qt/window_style.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <filesystem>
#include <iostream>
#include <utility>

namespace {

// The sound module's file: beside the program (a build folder, a portable copy), else in the
// game's own folder of the installed prefix. Found from the program's path as bytes.
std::filesystem::path soundModuleFile() {
    const std::filesystem::path dir = narabe::programFolder();
    const std::filesystem::path name = std::string("narabe-sound") + narabe::MODULE_SUFFIX;
    std::error_code error;
    if (std::filesystem::exists(dir / name, error)) return dir / name;
    return (dir / NARABE_MODULE_DIR / name).lexically_normal();
}

} // namespace

int main(int argc, char* argv[]) {
    const narabe::CommandLine line = narabe::readCommandLine(argc, argv, std::cout, std::cerr);
    if (line.exitStatus) return *line.exitStatus;

    // The menu bar stays in the window, whose size includes it, also on a desktop that
    // offers a menu bar of its own; asking the desktop for one costs a round trip at start.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    const narabe::Language language = narabe::windowLanguage(line.language);
    const narabe::Translations translations(language);
    QApplication::setStyle(new narabe::WindowStyle(QApplication::style()->name()));
    QGuiApplication::setDesktopFileName(QStringLiteral(NARABE_APP_ID));
    QApplication::setWindowIcon(narabe::windowIcon());
    narabe::installFontSubstitutes();

    // The sound module loads and opens its device on a thread of its own while the window is
    // built.
    narabe::ModuleSoundLibrary sound(soundModuleFile());
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double ratio = screen != nullptr ? screen->devicePixelRatio() : 1.0;
    narabe::PictureSet pictures(std::max(1, static_cast<int>(std::lround(ratio))));

    const narabe::GameFolders folders = narabe::chooseGameFolders(narabe::processFolderFacts());
    narabe::makeSettingsFolder(folders);

    narabe::MainWindow window(sound, std::move(pictures), folders, language);
    // SDL is told to leave these signals alone, so watching may begin after its device opened.
    const narabe::SignalWatch watch([&window] { window.endOnSignal(); });
    window.load();
    if (window.ended()) return 0;
    window.show();
    // A record that cannot be opened is said in a message box over the window.
    if (line.record)
        QTimer::singleShot(0, &window, [&window, &line] { window.openRecord(*line.record); });
    return QApplication::exec();
}
