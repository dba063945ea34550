// narabe-language-check ja|en [ARGUMENT...]: builds the game's main window on the display as
// the program does, in the language its command line ARGUMENTs and the process's locale
// choose, and checks that language. In English the menu bar's titles and the refusal of a
// double three read in English; in Japanese the window, menu bar and board, is pixel for
// pixel the window without any translation. Prints what failed; exit status 1 then.
#include "adapters/qt/command_line.h"
#include "adapters/qt/fonts.h"
#include "adapters/qt/language.h"
#include "adapters/qt/main_window.h"
#include "adapters/qt/window_style.h"
#include "adapters/sdl/sdl_sound_library.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include <iostream>
#include <string_view>

namespace {

using narabe::Language;

int failures = 0;

void expect(bool ok, const std::string& what) {
    if (ok) return;
    std::cout << "FAIL " << what << '\n';
    ++failures;
}

// The window after start-up as the screen shows it.
QImage windowImage(Language language) {
    narabe::SdlSoundLibrary sound{narabe::SdlSoundLibrary::Options{"dummy", false}};
    narabe::MainWindow window(sound, narabe::PictureSet(1), {}, language);
    window.load();
    window.show();
    QApplication::processEvents();
    return window.grab().toImage();
}

void checkEnglish() {
    narabe::SdlSoundLibrary sound{narabe::SdlSoundLibrary::Options{"dummy", false}};
    narabe::MainWindow window(sound, narabe::PictureSet(1), {}, Language::ENGLISH);
    window.load();
    window.show();
    QStringList titles;
    for (const QAction* a : window.menuBar()->actions())
        titles << a->text();
    expect(titles == QStringList{"Game", "Board", "Back", "Forward", "Options", "Help"},
           "menu titles " + titles.join(", ").toStdString());

    QStringList boxes;
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->close();
        }
    });
    answer.start();
    window.findChild<QAction*>(QStringLiteral("TAIMAN"))->trigger();
    // Black's row (9, 12), (10, 12) and column (11, 10), (11, 11): (11, 12) is a double three.
    for (const auto& [x, y] : {std::pair{9, 12},
                               {17, 17},
                               {10, 12},
                               {17, 15},
                               {11, 10},
                               {17, 13},
                               {11, 11},
                               {17, 11},
                               {11, 12}})
        window.game().pressed(300 + 315 * x + 150, 50 + 315 * y + 150);
    expect(boxes == QStringList{"Black to move", "Double three! You cannot play there"},
           "messages " + boxes.join(", ").toStdString());
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) return 2;
    const Language expected =
        std::string_view(argv[1]) == "en" ? Language::ENGLISH : Language::JAPANESE;
    const narabe::CommandLine line =
        narabe::readCommandLine(argc - 1, argv + 1, std::cout, std::cerr);
    if (line.exitStatus) return 2;

    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QApplication::setStyle(new narabe::WindowStyle(QApplication::style()->name()));
    narabe::installFontSubstitutes();

    const Language language = narabe::windowLanguage(line.language);
    expect(language == expected, "the language chosen");
    if (language == Language::JAPANESE) {
        const QImage untranslated = windowImage(language);
        const narabe::Translations translations(language);
        expect(windowImage(language) == untranslated, "the window differs from today's");
    } else {
        const narabe::Translations translations(language);
        checkEnglish();
    }
    if (failures == 0) std::cout << "language ok\n";
    return failures == 0 ? 0 : 1;
}
