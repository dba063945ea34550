// The real main window in-process on Qt's offscreen platform: its menu bar, the image
// after start-up at known points, and presses on the board going through the same
// handlers as on a desktop, including a press made while the computer is thinking.
#include "adapters/qt/fonts.h"
#include "adapters/qt/main_window.h"
#include "adapters/sdl/sdl_sound_library.h"
#include "render/palette.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace narabe {
namespace {

namespace fs = std::filesystem;

QApplication& app() {
    static int argc = 1;
    static char name[] = "window_test";
    static char* argv[] = {name, nullptr};
    static QApplication* a = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* created = new QApplication(argc, argv);
        installFontSubstitutes();
        return created;
    }();
    return *a;
}

// A folder with the sound files, made the current directory for one test.
class GameFolder {
  public:
    GameFolder() : old_(fs::current_path()) {
        path_ = fs::temp_directory_path() / ("narabe-window-" + std::to_string(::getpid()));
        fs::remove_all(path_);
        fs::create_directories(path_);
        for (const char* f : {"その他.wav", "禁止.wav", "石打音.wav", "終局.wav", "BGM.wav"})
            fs::copy_file(fs::path(NARABE_ASSET_DIR) / f, path_ / f);
        fs::current_path(path_);
    }
    ~GameFolder() {
        fs::current_path(old_);
        std::error_code ec;
        fs::remove_all(path_, ec);
    }

  private:
    fs::path old_;
    fs::path path_;
};

// Answers every message box with OK as soon as it is shown.
class BoxCloser {
  public:
    BoxCloser() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                texts_.push_back(w->windowTitle());
                w->close();
            }
        });
        timer_.start();
    }
    int closed() const { return static_cast<int>(texts_.size()); }

  private:
    QTimer timer_;
    std::vector<QString> texts_;
};

QColor rgb(Colour colour) {
    const Rgb c = paletteColour(colour);
    return QColor(c.r, c.g, c.b);
}

// The logical pixel of grid position (x, y) plus an offset inside the cell.
QPoint cellPixel(int x, int y, int dx = 10, int dy = 10) {
    return QPoint((300 + 315 * x) / 15 + dx,
                  static_cast<int>(std::lround((50 + 315 * y) / 15.0)) + dy);
}

QColor pixelAt(const QImage& image, QPoint logical) {
    const int s = static_cast<int>(image.devicePixelRatio());
    return image.pixelColor(logical * s);
}

struct Fixture {
    GameFolder folder;
    SdlSoundLibrary sound{SdlSoundLibrary::Options{"dummy", false}};
    BoxCloser boxes;
    MainWindow window{sound, 1};
    Fixture() {
        window.load();
        window.show();
        QApplication::processEvents();
    }
    QAction* action(const char* control) {
        return window.findChild<QAction*>(QString::fromLatin1(control));
    }
    void pressPoint(int x, int y) {
        const QPointF at = cellPixel(x, y);
        auto* e = new QMouseEvent(QEvent::MouseButtonPress, at, window.view().mapToGlobal(at),
                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::postEvent(&window.view(), e);
    }
};

TEST(Window, MenuBarHoldsTheMenusAndCommandsInOrder) {
    app();
    Fixture f;
    QStringList bar;
    for (QAction* a : f.window.menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, (QStringList{"対局", "局面", "戻", "進", "ｵﾌﾟｼｮﾝ", "その他"}));
    const std::vector<std::pair<const char*, const char*>> items = {
        {"TAIMAN", "対MAN"}, {"SENTE", "先手"},          {"GOTE", "後手"},
        {"SYURYOU", "終了"}, {"SAISYO", "最初"},         {"MODORU", "戻"},
        {"SUSUMU", "進"},    {"BANGOU", "手順番号表示"}, {"BGM", "BGM"},
        {"KAISETU", "解説"}, {"VER", "バージョン情報"}};
    for (const auto& [control, text] : items) {
        QAction* a = f.action(control);
        ASSERT_NE(a, nullptr) << control;
        EXPECT_EQ(a->text(), QString::fromUtf8(text)) << control;
        EXPECT_TRUE(a->isEnabled()) << control;
        EXPECT_EQ(a->isCheckable(),
                  std::string(control) == "BANGOU" || std::string(control) == "BGM");
    }
    EXPECT_EQ(f.window.windowTitle(), QStringLiteral("NarabeⅠ"));
}

TEST(Window, ImageAfterStartUpShowsTheEmptyBoardLabelsAndTitle) {
    app();
    Fixture f;
    const QImage& img = f.window.view().image();
    EXPECT_EQ(pixelAt(img, {2, 470}), rgb(BACK_COLOUR));         // background
    EXPECT_EQ(pixelAt(img, cellPixel(10, 10)), QColor(0, 0, 0)); // star point core
    EXPECT_EQ(pixelAt(img, cellPixel(5, 15)), QColor(0, 0, 0));
    EXPECT_EQ(pixelAt(img, cellPixel(9, 9, 10, 0)), QColor(0, 0, 0)); // a grid line
    const QColor ground = pixelAt(img, cellPixel(9, 9, 3, 3));
    EXPECT_TRUE(ground.red() >= 223 && ground.red() <= 239 && ground.blue() >= 111 &&
                ground.blue() <= 129)
        << ground.name().toStdString();
    EXPECT_EQ(pixelAt(img, cellPixel(21, 6, 5, 5)), rgb(BACK_COLOUR)); // empty side panel
    EXPECT_EQ(pixelAt(img, {461 + 3, 14 + 3}), QColor(255, 242, 166)); // title ground
    // Row numbers and column letters: white pixels left of and above the board.
    int white = 0;
    for (int x = 20; x < 40; ++x)
        for (int y = 24; y < 440; ++y) {
            const QColor c = pixelAt(img, {x, y});
            white += c.red() > 200 && c.green() > 200 && c.blue() > 200;
        }
    EXPECT_GT(white, 40);
}

TEST(Window, PressOnAPointDrawsTheStoneAndTheComputerAnswers) {
    app();
    Fixture f;
    f.action("SENTE")->trigger();
    f.pressPoint(9, 9);
    QApplication::processEvents();
    const State& st = f.window.game().state();
    ASSERT_EQ(st.MoveCount, 2);
    EXPECT_EQ(st.MoveX(0), 9);
    EXPECT_EQ(st.MoveStone(1), WHITE);
    const QImage& img = f.window.view().image();
    EXPECT_EQ(pixelAt(img, cellPixel(9, 9, 6, 10)), QColor(0, 0, 0)); // the black stone
    EXPECT_EQ(pixelAt(img, cellPixel(st.MoveX(1), st.MoveY(1))), rgb(MARK_COLOUR));
}

TEST(Window, PressMadeWhileTheComputerThinksIsHandledAfterItsMove) {
    app();
    Fixture f;
    f.action("SENTE")->trigger();
    f.pressPoint(9, 9);
    // A second press arrives from elsewhere while the first is still being answered.
    std::thread late([&f] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        f.pressPoint(8, 12);
    });
    const auto start = std::chrono::steady_clock::now();
    QApplication::processEvents(); // the first press: the human move and the answer
    late.join();
    const State& st = f.window.game().state();
    EXPECT_EQ(st.MoveCount, 2) << "the late press waits for the handler to return";
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1150));
    QApplication::processEvents(); // now the late press
    ASSERT_EQ(st.MoveCount, 4);
    EXPECT_EQ(st.MoveX(2), 8);
    EXPECT_EQ(st.MoveY(2), 12);
}

TEST(Window, CheckMarksFollowTheGameNotTheClick) {
    app();
    Fixture f;
    QAction* bgm = f.action("BGM");
    EXPECT_FALSE(bgm->isChecked());
    bgm->trigger();
    EXPECT_TRUE(bgm->isChecked());
    bgm->trigger();
    EXPECT_FALSE(bgm->isChecked());
    std::ifstream ini("Narabe1.ini", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(ini)), {});
    EXPECT_EQ(bytes.substr(bytes.size() - 9), "BGM=OFF\r\n");
    QAction* numbers = f.action("BANGOU");
    numbers->trigger();
    EXPECT_TRUE(numbers->isChecked());
    numbers->trigger();
    EXPECT_FALSE(numbers->isChecked());
}

} // namespace
} // namespace narabe

namespace narabe {
namespace {

TEST(Window, AtTwiceTheDensityEveryPictureIsDrawnAtThatResolution) {
    app();
    GameFolder folder;
    SdlSoundLibrary sound{SdlSoundLibrary::Options{"dummy", false}};
    BoxCloser boxes;
    MainWindow window{sound, 2};
    window.load();
    const QImage& img = window.view().image();
    EXPECT_EQ(img.devicePixelRatio(), 2.0);
    EXPECT_EQ(img.size(), QSize(2 * CLIENT_WIDTH, 2 * CLIENT_HEIGHT));
    // The horizontal grid line of row 9 is one picture pixel, two device pixels high, and
    // sharp: black on both device rows, ground right above and below.
    const QPoint line = cellPixel(9, 9, 4, 10) * 2;
    EXPECT_EQ(img.pixelColor(line), QColor(0, 0, 0));
    EXPECT_EQ(img.pixelColor(line + QPoint(0, 1)), QColor(0, 0, 0));
    const QColor above = img.pixelColor(line - QPoint(0, 1));
    const QColor below = img.pixelColor(line + QPoint(0, 2));
    EXPECT_GT(above.red(), 200) << above.name().toStdString();
    EXPECT_GT(below.red(), 200) << below.name().toStdString();
}

TEST(Window, WindowFontIsAJapaneseSerifFace) {
    app();
    const QFontInfo info(windowFont(9));
    const QString family = info.family();
    EXPECT_TRUE(family.contains(QStringLiteral("Mincho")) ||
                family.contains(QStringLiteral("明朝")) || family.contains(QStringLiteral("Serif")))
        << family.toStdString();
    EXPECT_EQ(info.pixelSize(), 12); // 9 points at 96 dots per inch
}

} // namespace
} // namespace narabe

#include <QPushButton>

namespace narabe {
namespace {

TEST(Window, AboutDialogIsModalAndItsOkButtonClosesIt) {
    app();
    GameFolder folder;
    SdlSoundLibrary sound{SdlSoundLibrary::Options{"dummy", false}};
    MainWindow window{sound, 1};
    window.load();
    window.show();
    QString title;
    QStringList buttons;
    QSize size;
    QTimer::singleShot(100, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) return;
        title = dialog->windowTitle();
        size = dialog->size();
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            buttons << b->text();
            if (b->text() == QStringLiteral("O K")) b->click();
        }
    });
    QAction* ver = window.findChild<QAction*>(QStringLiteral("VER"));
    ASSERT_NE(ver, nullptr);
    ver->trigger(); // returns once the dialog has been closed
    EXPECT_EQ(title, QStringLiteral("バージョン情報"));
    EXPECT_EQ(size, QSize(333, 102)); // 4995 x 1530 twips
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("O K"), QStringLiteral("ホームページ")}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace narabe
