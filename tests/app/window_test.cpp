// The real main window in-process on Qt's offscreen platform: its menu bar, the image
// after start-up at known points, and presses on the board going through the same
// handlers as on a desktop, including a press made while the computer is thinking.
#include "adapters/qt/fonts.h"
#include "adapters/qt/main_window.h"
#include "adapters/sdl/sdl_sound_library.h"
#include "app/test_application.h"
#include "render/layout.h"
#include "render/palette.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaObject>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QScreen>
#include <QTimer>
#include <QtTest/QTest>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string_view>
#include <thread>
#include <variant>

#ifdef __linux__
#include <link.h>
#endif

namespace narabe {
namespace {

namespace fs = std::filesystem;

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
    MainWindow window{sound, PictureSet(1)};
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
    const std::vector<std::pair<const char*, const char*>> items = {{"TAIMAN", "対MAN"},
                                                                    {"SENTE", "先手"},
                                                                    {"GOTE", "後手"},
                                                                    {"SYURYOU", "終了"},
                                                                    {"SAISYO", "最初"},
                                                                    {"KIFU_OPEN", "棋譜を開く…"},
                                                                    {"KIFU_SAVE", "棋譜を保存…"},
                                                                    {"HINT", "ヒント"},
                                                                    {"MODORU", "戻"},
                                                                    {"SUSUMU", "進"},
                                                                    {"MATTA", "待った"},
                                                                    {"BANGOU", "手順番号表示"},
                                                                    {"BGM", "BGM"},
                                                                    {"KAISETU", "解説"},
                                                                    {"VER", "バージョン情報"}};
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
    const Game& st = f.window.game().game();
    ASSERT_EQ(st.moveCount, 2);
    EXPECT_EQ(st.moves(0).at.x, 9);
    EXPECT_EQ(st.moves(1).stone, WHITE);
    const QImage& img = f.window.view().image();
    EXPECT_EQ(pixelAt(img, cellPixel(9, 9, 6, 10)), QColor(0, 0, 0)); // the black stone
    EXPECT_EQ(pixelAt(img, cellPixel(st.moves(1).at.x, st.moves(1).at.y)), rgb(MARK_COLOUR));
}

// Presses and menu commands made while the computer takes its turn (here posted before it
// begins, so that the window sees them during its first pause, while the computer thinks) wait
// until the turn has ended, then run in the order made, each as if made then.
struct HeldInputCase {
    const char* name;
    std::vector<std::variant<QPoint, const char*>> inputs; // a point pressed, or a menu command
    std::vector<QPoint> moves; // the game's moves after the computer's answer to (9, 9)
    int boxes;                 // message boxes shown after the one of 先手
};

TEST(Window, InputDuringTheComputersTurnRunsAfterItInTheOrderMade) {
    app();
    const HeldInputCase cases[] = {
        {"a press", {QPoint(8, 12)}, {QPoint(8, 12)}, 0},
        {"two presses", {QPoint(8, 12), QPoint(12, 8)}, {QPoint(8, 12), QPoint(12, 8)}, 0},
        // The press comes before a game: 最初 ran first.
        {"最初, then a press", {"SAISYO", QPoint(8, 12)}, {}, 1},
    };
    for (const HeldInputCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.action("JOUKYU")->trigger();
        f.action("SENTE")->trigger();
        const int boxesBefore = f.boxes.closed();
        f.pressPoint(9, 9);
        for (const auto& input : c.inputs) {
            if (const auto* p = std::get_if<QPoint>(&input))
                f.pressPoint(p->x(), p->y());
            else
                QMetaObject::invokeMethod(f.action(std::get<const char*>(input)), "trigger",
                                          Qt::QueuedConnection);
        }
        QApplication::processEvents();
        EXPECT_EQ(f.boxes.closed() - boxesBefore, c.boxes);
        const Game& st = f.window.game().game();
        if (c.moves.empty()) {
            EXPECT_EQ(st.moveCount, 0);
            continue;
        }
        ASSERT_EQ(st.moveCount, 2 + 2 * static_cast<int>(c.moves.size()));
        for (int i = 0; i < st.moveCount; ++i)
            EXPECT_EQ(st.moves(i).stone, i % 2 == 0 ? BLACK : WHITE) << "move " << i;
        EXPECT_EQ(QPoint(st.moves(0).at.x, st.moves(0).at.y), QPoint(9, 9));
        for (std::size_t k = 0; k < c.moves.size(); ++k) {
            const Point at = st.moves(2 + 2 * static_cast<int>(k)).at;
            EXPECT_EQ(QPoint(at.x, at.y), c.moves[k]) << "held press " << k;
        }
    }
}

// While the computer takes its turn, the event loop runs: what asks the board to be painted
// again has it painted before the turn is over.
TEST(Window, TheWindowRepaintsWhileTheComputerThinks) {
    app();
    Fixture f;
    f.action("JOUKYU")->trigger();
    f.action("SENTE")->trigger();
    const Game& st = f.window.game().game();
    int asked = 0;
    int painted = 0;
    QTimer ask;
    QObject::connect(&ask, &QTimer::timeout, [&] {
        if (st.moveCount != 1) return;
        ++asked;
        f.window.view().update();
    });
    ask.start(20);
    struct Paints final : QObject {
        std::function<void()> seen;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) seen();
            return false;
        }
    } paints;
    paints.seen = [&] {
        if (st.moveCount == 1) ++painted;
    };
    f.window.view().installEventFilter(&paints);
    f.pressPoint(9, 9);
    QApplication::processEvents();
    f.window.view().removeEventFilter(&paints);
    EXPECT_EQ(st.moveCount, 2);
    EXPECT_GE(asked, 1);
    EXPECT_GE(painted, 1);
}

// The searching levels think while "思考中" is shown: a 上級 turn still pauses as a 初級 turn
// does, and lasts at most a second longer, its thinking cut off at its deadline even where
// its work would take longer (as in a build with the sanitizers).
TEST(Window, AnAdvancedTurnLastsAtMostASecondLongerThanABeginnersTurn) {
    app();
    const auto turn = [](const char* level) {
        Fixture f;
        f.action(level)->trigger();
        f.action("SENTE")->trigger();
        f.pressPoint(9, 9);
        const auto start = std::chrono::steady_clock::now();
        QApplication::processEvents(); // the human move and the computer's answer
        EXPECT_EQ(f.window.game().game().moveCount, 2) << level;
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    const double beginner = turn("SYOKYU");
    const double advanced = turn("JOUKYU");
    EXPECT_GE(advanced, 1.2); // the three pauses: 0.5, 0.5, 0.2 s
    EXPECT_LT(advanced, beginner + 1.0);
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

// Each drawing call changes exactly its rectangle of the image: a filled rectangle with both
// corner pixels, a picture to its last row and column. A refresh shows on the screen, at
// once and without the event loop (as during the computer's pause), everything drawn since
// the last one. Each row draws what differs from what is there, so that a pixel not drawn,
// or drawn but not shown, stays visibly old.
TEST(Window, DrawingReachesTheEdgesOfItsRectangleAndRefreshShowsIt) {
    app();
    Fixture f;
    BoardView& view = f.window.view();
    const struct {
        const char* name;
        std::function<void(BoardView&)> draw;
        QRect filled;                   // the logical pixels a fill covers, or where a picture goes
        std::optional<Colour> colour;   // of the fill
        std::optional<Picture> picture; // copied
    } rows[] = {
        {"fill",
         [](BoardView& v) { v.fillRect(6915, 1940, 1500, 300, Colour{12}); },
         QRect(QPoint(461, 129), QPoint(561, 149)),
         Colour{12},
         {}},
        {"fill at the image's corner",
         [](BoardView& v) { v.fillRect(8430, 7020, 600, 600, Colour{9}); },
         QRect(QPoint(562, 468), QPoint(591, 487)),
         Colour{9},
         {}},
        {"a cell on the side panel",
         [](BoardView& v) { v.copyPicture(Picture::EMPTY_STAR, 7500, 4200); },
         QRect(500, 280, 21, 21),
         {},
         Picture::EMPTY_STAR},
        {"the title past the image's edge",
         [](BoardView& v) { v.copyPicture(Picture::TITLE, 8100, 7000); },
         {},
         {},
         {}},
        // The column letters at a whole pixel put antialiased ink a pixel beyond their box.
        {"a text and a circle, one refresh",
         [](BoardView& v) {
             v.drawText(300, 4500, COLUMN_LETTERS_TEXT.size, Colour{14}, COLUMN_LETTERS);
             v.fillCircle(4500, 4500, 120, Colour{13});
         },
         {},
         {},
         {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        row.draw(view);
        const QImage& image = view.image();
        const QRect& r = row.filled;
        if (row.colour) {
            for (const QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
                EXPECT_EQ(pixelAt(image, corner), rgb(*row.colour))
                    << corner.x() << "," << corner.y();
            for (const QPoint beyond :
                 {r.topRight() + QPoint(1, 0), r.bottomLeft() + QPoint(0, 1)}) {
                if (image.rect().contains(beyond)) {
                    EXPECT_NE(pixelAt(image, beyond), rgb(*row.colour))
                        << beyond.x() << "," << beyond.y();
                }
            }
        }
        if (row.picture) {
            const QImage picture =
                drawPicture(*row.picture, 1).convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(picture.size(), r.size());
            EXPECT_EQ(image.copy(r), picture);
        }
        view.refresh();
        const QImage shown = view.screen()
                                 ->grabWindow(f.window.winId())
                                 .toImage()
                                 .copy(QRect(view.mapTo(&f.window, QPoint(0, 0)), view.size()))
                                 .convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), image.size());
        int differing = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                differing += shown.pixel(x, y) != image.pixel(x, y) ? 1 : 0;
        EXPECT_EQ(differing, 0);
    }
}

// Esc ends the game, and no other key does; a key's text reaches the game as its character
// code, which for Esc is 27 as well.
TEST(Window, OnlyEscEndsTheGame) {
    app();
    const struct {
        Qt::Key key;
        const char* text;
        bool ends;
    } keys[] = {
        {Qt::Key_Escape, "\x1b", true}, {Qt::Key_Escape, "", true},  {Qt::Key_Return, "\r", false},
        {Qt::Key_Enter, "\r", false},   {Qt::Key_Space, " ", false}, {Qt::Key_Q, "q", false},
    };
    for (const auto& k : keys) {
        Fixture f;
        QKeyEvent press(QEvent::KeyPress, k.key, Qt::NoModifier, QString::fromLatin1(k.text));
        QApplication::sendEvent(&f.window, &press);
        EXPECT_EQ(f.window.ended(), k.ends) << "key " << k.key;
    }
    // The window that ended asked the application to quit, which Qt keeps until its event
    // loop runs next: run it once, so that the later tests' dialogs and loops run.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

// Each shortcut chooses its menu item, which shows the key beside its text, when the window is
// the active one; the items' own work is the transcript tests'.
TEST(Window, EveryShortcutChoosesItsMenuItem) {
    app();
    const struct {
        const char* control;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } rows[] = {
        {"MATTA", Qt::Key_Z, Qt::ControlModifier},
        {"MODORU", Qt::Key_Left, Qt::NoModifier},
        {"SUSUMU", Qt::Key_Right, Qt::NoModifier},
        {"KIFU_OPEN", Qt::Key_O, Qt::ControlModifier},
        {"KIFU_SAVE", Qt::Key_S, Qt::ControlModifier},
        {"HINT", Qt::Key_H, Qt::NoModifier},
        {"KAISETU", Qt::Key_F1, Qt::NoModifier},
    };
    Fixture f;
    f.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.window));
    std::map<std::string, int> chosen;
    for (const auto& row : rows) {
        QAction* a = f.action(row.control);
        ASSERT_NE(a, nullptr) << row.control;
        EXPECT_EQ(a->shortcut(), QKeySequence(QKeyCombination(row.modifiers, row.key)))
            << row.control;
        // Only counted: the item's command would open dialogs and pages.
        QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
        QObject::connect(a, &QAction::triggered, [&chosen, row] { ++chosen[row.control]; });
    }
    for (const auto& row : rows)
        QTest::keyClick(&f.window.view(), row.key, row.modifiers);
    for (const auto& row : rows)
        EXPECT_EQ(chosen[row.control], 1) << row.control;
    EXPECT_FALSE(f.window.ended());
}

#ifdef __linux__
// Whether a library whose path holds `part` is loaded in this process.
bool libraryLoaded(std::string_view part) {
    return dl_iterate_phdr(
               [](dl_phdr_info* info, std::size_t, void* wanted) {
                   return std::string_view(info->dlpi_name)
                                      .find(*static_cast<std::string_view*>(wanted)) !=
                                  std::string_view::npos
                              ? 1
                              : 0;
               },
               &part) != 0;
}
#endif

TEST(Window, MenuBarLoadsNoImagePluginAndItsOverflowIconIsTheStylesOwn) {
#ifndef __linux__
    GTEST_SKIP() << "reads the loaded libraries with dl_iterate_phdr";
#else
    app();
    ASSERT_FALSE(libraryLoaded("/imageformats/"));
    const QMenuBar bar;
    EXPECT_FALSE(libraryLoaded("/imageformats/"));

    // Drawn, the overflow icon is the base style's.
    const auto* style = qobject_cast<const QProxyStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    const auto icon = QStyle::SP_ToolBarHorizontalExtensionButton;
    const QImage shown = style->standardIcon(icon).pixmap(16).toImage();
    EXPECT_FALSE(shown.isNull());
    EXPECT_EQ(shown, style->baseStyle()->standardIcon(icon).pixmap(16).toImage());
#endif
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
    MainWindow window{sound, PictureSet(2)};
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

TEST(Window, AboutDialogIsModalAndReturnPressesItsDefaultOkButton) {
    app();
    GameFolder folder;
    SdlSoundLibrary sound{SdlSoundLibrary::Options{"dummy", false}};
    MainWindow window{sound, PictureSet(1)};
    window.load();
    window.show();
    QString title;
    QStringList buttons;
    QStringList defaults;
    QSize size;
    bool closedByReturn = false;
    // Looks for the dialog until it is shown, however long that takes, and presses Return:
    // the default button, O K, closes it. Should it stay open, O K is clicked.
    QTimer look;
    look.setInterval(20);
    QObject::connect(&look, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) return;
        look.stop();
        title = dialog->windowTitle();
        size = dialog->size();
        QPushButton* ok = nullptr;
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            buttons << b->text();
            if (b->isDefault()) defaults << b->text();
            if (b->text() == QStringLiteral("O K")) ok = b;
        }
        QWidget* focus = dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(focus, &press);
        QApplication::sendEvent(focus, &release);
        closedByReturn = !dialog->isVisible();
        if (!closedByReturn && ok != nullptr) ok->click();
    });
    look.start();
    QAction* ver = window.findChild<QAction*>(QStringLiteral("VER"));
    ASSERT_NE(ver, nullptr);
    ver->trigger(); // returns once the dialog has been closed
    EXPECT_EQ(title, QStringLiteral("バージョン情報"));
    EXPECT_EQ(size, QSize(333, 102)); // 4995 x 1530 twips
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("O K"), QStringLiteral("ホームページ")}));
    EXPECT_EQ(defaults, QStringList{QStringLiteral("O K")});
    EXPECT_TRUE(closedByReturn);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace narabe

#include "adapters/qt/signal_watch.h"

#include <gmock/gmock.h>

#include <csignal>
#include <cstdio>
#include <sstream>

namespace narabe {
namespace {

// A sound library that writes every call to standard error as it is made, so that a test
// in a child process that ends abruptly still shows it, and raises a signal when a chosen
// buffer is first played. Buffers are numbered in load order: 1 その他, 2 禁止, 3 石打音,
// 4 終局, 5 BGM.
class SignallingSound final : public SoundLibrary {
  public:
    SignallingSound(int signal, std::int32_t raiseOnPlay)
        : signal_(signal), raiseOnPlay_(raiseOnPlay) {}

    std::string record;

    std::int32_t dsInitialize() override {
        note("dsInitialize");
        return 1;
    }
    std::int32_t dsCreateDSB(std::int32_t, std::span<const std::byte>, std::string_view) override {
        note("dsCreateDSB");
        return ++buffers_;
    }
    void dsPlay(std::int32_t buffer) override {
        note("dsPlay " + std::to_string(buffer));
        if (buffer == raiseOnPlay_) {
            raiseOnPlay_ = 0;
            std::raise(signal_);
        }
    }
    void dsPlayLooping(std::int32_t buffer) override {
        note("dsPlayLooping " + std::to_string(buffer));
    }
    void dsStop(std::int32_t buffer) override { note("dsStop " + std::to_string(buffer)); }
    void dsFree(std::int32_t buffer) override { note("dsFree " + std::to_string(buffer)); }
    void dsTerminate(std::int32_t) override { note("dsTerminate"); }

  private:
    void note(const std::string& call) {
        record += call + "\n";
        std::fprintf(stderr, "%s\n", call.c_str());
    }
    int signal_;
    std::int32_t raiseOnPlay_;
    std::int32_t buffers_ = 0;
};

// The sound calls among the lines a child process wrote to standard error.
std::string soundCalls(const std::string& output) {
    std::string calls;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("ds")) calls += line + "\n";
    return calls;
}

constexpr std::string_view SHUTDOWN =
    "dsFree 1\ndsFree 2\ndsFree 3\ndsFree 4\ndsFree 5\ndsTerminate\n";

// The window program as main() makes it: the window, then the signal watch, then start-up.
struct WatchedGame {
    GameFolder folder;
    SignallingSound sound;
    MainWindow window{sound, PictureSet(1)};
    SignalWatch watch{[this] { window.endOnSignal(); }};
    WatchedGame(int signal, std::int32_t raiseOnPlay) : sound(signal, raiseOnPlay) {
        window.load();
        window.show();
        QApplication::processEvents();
    }
    void trigger(const char* control) {
        window.findChild<QAction*>(QString::fromLatin1(control))->trigger();
    }
    void press(int x, int y) {
        const QPointF at = cellPixel(x, y);
        QMouseEvent e(QEvent::MouseButtonPress, at, window.view().mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window.view(), &e);
    }
};

// The game under way is kept as the close box keeps it.
TEST(WindowSignals, EachSignalBetweenMovesEndsTheGameLikeItsCloseBox) {
    app();
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        WatchedGame game(signal, 0);
        const BoxCloser boxes;
        game.trigger("SENTE");
        game.press(9, 9);
        std::raise(signal);
        for (int i = 0; i < 100 && !game.window.ended(); ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_TRUE(game.window.ended()) << "signal " << signal;
        EXPECT_THAT(game.sound.record, ::testing::EndsWith(SHUTDOWN)) << "signal " << signal;
        EXPECT_EQ(game.sound.record.find("dsFree"), game.sound.record.size() - SHUTDOWN.size())
            << "the shutdown runs once";
        std::ifstream kept("unfinished.sgf", std::ios::binary);
        const std::string record((std::istreambuf_iterator<char>(kept)), {});
        EXPECT_NE(record.find("PB[MAN]PW[COM]"), std::string::npos) << "signal " << signal;
        EXPECT_NE(record.find(";B[ii]\n;W["), std::string::npos) << "signal " << signal;
    }
    // The watch left the signals ignored, as a program that ends does; this one goes on.
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        std::signal(signal, SIG_DFL);
}

// Once the shutdown has begun, a second signal is absorbed: the watch goes with the window,
// and what is left of the shutdown after it still ends with status 0.
TEST(WindowSignals, ASecondSignalDuringTheShutdownIsAbsorbed) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        EXPECT_EXIT(
            {
                app();
                {
                    WatchedGame game(signal, 0);
                    std::raise(signal);
                    for (int i = 0; i < 100 && !game.window.ended(); ++i)
                        QApplication::processEvents(QEventLoop::AllEvents, 10);
                }
                std::raise(signal);
                std::exit(0);
            },
            ::testing::ExitedWithCode(0), "")
            << "signal " << signal;
    }
}

// Inside a game handler the shutdown runs and the process ends at once with status 0: the
// handler does not go on (the last line would show it) and nothing plays after the shutdown.
struct InsideHandlerCase {
    const char* name;
    std::int32_t raiseOnPlay; // the sound that is playing when the signal comes
    void (*act)(WatchedGame&);
    std::string lastSounds; // the record's end
};

TEST(WindowSignals, InsideAHandlerTheShutdownRunsOnceAndTheProcessEndsAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::vector<InsideHandlerCase> cases = {
        // The message box of a press before a game is open when the signal is handled.
        {"message box", 2, [](WatchedGame& g) { g.press(10, 10); },
         "dsPlay 2\n" + std::string(SHUTDOWN)},
        // The about dialog is open.
        {"about dialog", 1, [](WatchedGame& g) { g.trigger("VER"); },
         "dsPlay 1\n" + std::string(SHUTDOWN)},
        // The signal comes with the human's stone; the computer's pause is then over and its
        // stone is never played.
        {"computer's pause", 3,
         [](WatchedGame& g) {
             {
                 const BoxCloser answersItsMessage;
                 g.trigger("SENTE");
             }
             g.press(9, 9);
         },
         "dsPlay 3\n" + std::string(SHUTDOWN)},
    };
    for (const InsideHandlerCase& c : cases) {
        EXPECT_EXIT(
            {
                app();
                WatchedGame game(SIGTERM, c.raiseOnPlay);
                c.act(game);
                std::fprintf(stderr, "the handler went on\n");
                std::exit(1);
            },
            ::testing::ExitedWithCode(0),
            ::testing::ResultOf(soundCalls, ::testing::EndsWith(c.lastSounds)))
            << c.name;
    }
}

// Esc, 終了 and the close box, made while the computer takes a 上級 turn or thinks out a 上級
// hint (posted before either begins, so that the window sees them in its first moment of
// thinking), end the program at once with status 0: the handler does not go on (the last line
// would show it), the computer's stone is never played, and the shutdown runs once.
struct WayOutCase {
    const char* name;
    void (*wayOut)(WatchedGame&);
};

TEST(WindowSignals, AWayOutEndsTheProgramWhileTheComputerThinks) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const WayOutCase ways[] = {
        {"Esc",
         [](WatchedGame& g) {
             QCoreApplication::postEvent(
                 &g.window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
         }},
        {"終了",
         [](WatchedGame& g) {
             QMetaObject::invokeMethod(g.window.findChild<QAction*>(QStringLiteral("SYURYOU")),
                                       "trigger", Qt::QueuedConnection);
         }},
        // The close event as the window system's close box delivers it to the window.
        {"the close box",
         [](WatchedGame& g) { QCoreApplication::postEvent(&g.window, new QCloseEvent); }},
    };
    const struct {
        const char* name;
        void (*begin)(WatchedGame&); // posts what begins the thinking
    } thinkings[] = {
        {"turn",
         [](WatchedGame& g) {
             {
                 const BoxCloser answersItsMessage;
                 g.trigger("SENTE");
             }
             const QPointF at = cellPixel(9, 9);
             QCoreApplication::postEvent(
                 &g.window.view(),
                 new QMouseEvent(QEvent::MouseButtonPress, at, g.window.view().mapToGlobal(at),
                                 Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
         }},
        {"hint",
         [](WatchedGame& g) {
             {
                 const BoxCloser answersItsMessage;
                 g.trigger("TAIMAN");
             }
             for (const QPoint p : {QPoint(9, 9), QPoint(10, 10), QPoint(9, 10), QPoint(10, 9)})
                 g.press(p.x(), p.y());
             QMetaObject::invokeMethod(g.window.findChild<QAction*>(QStringLiteral("HINT")),
                                       "trigger", Qt::QueuedConnection);
         }},
    };
    for (const auto& thinking : thinkings) {
        for (const WayOutCase& way : ways) {
            EXPECT_EXIT(
                {
                    app();
                    WatchedGame game(SIGTERM, 0);
                    game.trigger("JOUKYU");
                    thinking.begin(game);
                    way.wayOut(game);
                    QApplication::processEvents();
                    std::fprintf(stderr, "the handler went on\n");
                    std::exit(1);
                },
                ::testing::ExitedWithCode(0),
                ::testing::ResultOf(soundCalls,
                                    ::testing::EndsWith("dsPlay 3\n" + std::string(SHUTDOWN))))
                << way.name << " during a " << thinking.name;
        }
    }
}

} // namespace
} // namespace narabe

#include <QDir>
#include <QFile>
#include <QFileDialog>

namespace narabe {
namespace {

// An environment variable set for as long as the object lives.
class Setting {
  public:
    Setting(const char* name, const QByteArray& value)
        : name_(name), was_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~Setting() {
        if (was_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    Setting(const Setting&) = delete;
    Setting& operator=(const Setting&) = delete;

  private:
    const char* name_;
    bool was_;
    QByteArray old_;
};

// The record dialogs: the save dialog proposes "棋譜_YYYYMMDD_HHMM.sgf" in the documents
// folder, and a file of a Japanese name chosen in it is written; the open dialog's choice of
// that file opens it. A box the dialog itself shows (a file that exists, or is missing) is a
// failure, and cancels it. Every other box is closed as it comes. The dialogs keep their
// history in the folder of the test.
TEST(Window, RecordDialogsSaveAndOpenTheFileChosen) {
    app();
    GameFolder folder;
    const Setting home("HOME", QFile::encodeName(QDir::currentPath()));
    const Setting config("XDG_CONFIG_HOME", QFile::encodeName(QDir::currentPath() + "/.config"));
    fs::create_directory("Documents");
    SdlSoundLibrary sound{SdlSoundLibrary::Options{"dummy", false}};
    MainWindow window{sound, PictureSet(1)};
    window.load();
    window.show();
    const fs::path chosen = fs::current_path() / "対局の棋譜.sgf";
    QString proposed;
    QStringList unexpected;
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) {
            if (auto* owner = qobject_cast<QFileDialog*>(modal->parentWidget())) {
                unexpected << modal->windowTitle();
                modal->close();
                owner->reject();
                return;
            }
            modal->close();
            return;
        }
        // A dialog still loading its folder may ignore a choice (it has no selection
        // yet), so one still open is answered again: on a loaded machine for many seconds,
        // so only a dialog that never takes the choice ends the test.
        const int tries = dialog->property("tries").toInt();
        if (tries == 3000) {
            unexpected << QStringLiteral("a dialog that ignored the choice");
            dialog->reject();
            return;
        }
        dialog->setProperty("tries", tries + 1);
        if (tries == 0 && dialog->acceptMode() == QFileDialog::AcceptSave)
            proposed = dialog->selectedFiles().value(0);
        dialog->selectFile(QString::fromStdString(chosen.string()));
        static_cast<QDialog*>(dialog)->accept(); // public as a QDialog
    });
    answer.start();
    const auto trigger = [&](const char* control) {
        window.findChild<QAction*>(QString::fromLatin1(control))->trigger();
    };

    trigger("SENTE");
    window.game().pressed(300 + 315 * 9 + 150, 50 + 315 * 9 + 150);
    ASSERT_EQ(window.game().game().moveCount, 2);
    trigger("KIFU_SAVE");
    const QString documents = QDir::currentPath() + "/Documents";
    EXPECT_TRUE(proposed.startsWith(documents + "/棋譜_")) << proposed.toStdString();
    EXPECT_TRUE(proposed.endsWith(".sgf")) << proposed.toStdString();
    EXPECT_EQ(proposed.size(), documents.size() + QStringLiteral("/棋譜_YYYYMMDD_HHMM.sgf").size());
    std::ifstream saved(chosen, std::ios::binary);
    const std::string record((std::istreambuf_iterator<char>(saved)), {});
    EXPECT_NE(record.find(";B[ii]\n;W["), std::string::npos) << record;

    trigger("SAISYO");
    ASSERT_EQ(window.game().game().moveCount, 0);
    trigger("KIFU_OPEN");
    EXPECT_EQ(window.game().game().moveCount, 2);
    EXPECT_EQ(window.game().game().moves(0).at.x, 9);
    EXPECT_TRUE(unexpected.isEmpty()) << unexpected.join(", ").toStdString();
}

// On an account without a documents folder the save dialog proposes the home folder, and
// accepting its proposal saves the game there; a folder chosen later is where both dialogs
// start next, in this run.
TEST(Window, WithoutADocumentsFolderTheFirstSaveGoesHomeAndDialogsKeepTheLastFolder) {
    app();
    GameFolder folder;
    const Setting home("HOME", QFile::encodeName(QDir::currentPath()));
    const Setting config("XDG_CONFIG_HOME", QFile::encodeName(QDir::currentPath() + "/.config"));
    ASSERT_FALSE(fs::exists("Documents"));
    fs::create_directory("games");
    SdlSoundLibrary sound{SdlSoundLibrary::Options{"dummy", false}};
    MainWindow window{sound, PictureSet(1)};
    window.load();
    window.show();
    QStringList started; // the folder each dialog started in
    QString choice;      // a file to choose instead of the proposal, when set
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) {
            // A box of the dialog's own (a file that exists) cancels the dialog.
            if (auto* owner = qobject_cast<QFileDialog*>(modal->parentWidget())) owner->reject();
            modal->close();
            return;
        }
        // A dialog still loading its folder may ignore a choice: it is answered again.
        const int tries = dialog->property("tries").toInt();
        if (tries == 50) {
            dialog->reject();
            return;
        }
        dialog->setProperty("tries", tries + 1);
        if (tries == 0) started << dialog->directory().absolutePath();
        if (!choice.isEmpty()) dialog->selectFile(choice);
        static_cast<QDialog*>(dialog)->accept(); // public as a QDialog
    });
    answer.start();
    const auto trigger = [&](const char* control) {
        window.findChild<QAction*>(QString::fromLatin1(control))->trigger();
    };
    trigger("SENTE");
    window.game().pressed(300 + 315 * 9 + 150, 50 + 315 * 9 + 150);
    trigger("KIFU_SAVE");
    const QString homeFolder = QDir::currentPath();
    int saved = 0;
    for (const fs::directory_entry& e : fs::directory_iterator("."))
        saved += e.path().extension() == ".sgf" ? 1 : 0;
    EXPECT_EQ(saved, 1) << "the proposed file in the home folder";

    choice = QDir::currentPath() + "/games/kept.sgf";
    trigger("KIFU_SAVE");
    EXPECT_TRUE(fs::exists("games/kept.sgf"));
    trigger("KIFU_OPEN");
    choice = QDir::currentPath() + "/games/again.sgf";
    trigger("KIFU_SAVE");
    EXPECT_TRUE(fs::exists("games/again.sgf"));
    const QString games = QDir::currentPath() + "/games";
    EXPECT_EQ(started, (QStringList{homeFolder, homeFolder, games, games}));
}

// A record that cannot be opened, as one named on the command line: one box over the window,
// titled "棋譜" and naming the fault, and the game as it was.
TEST(Window, ARecordThatCannotBeOpenedIsSaidInOneBoxOverTheWindow) {
    struct Row {
        const char* name;
        const char* record; // nullptr: no such file
        const char* text;
    };
    const Row rows[] = {
        {"no such file", nullptr, "ファイルを読めません"},
        {"a barred ninth move", "(;GM[4];B[il];W[qq];B[jl];W[qo];B[kj];W[qm];B[kk];W[qk];B[kl])",
         "9 手目：3 * 3 です！打てません"},
    };
    app();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameFolder folder;
        if (row.record != nullptr) std::ofstream("record.sgf") << row.record;
        SdlSoundLibrary sound{SdlSoundLibrary::Options{"dummy", false}};
        MainWindow window{sound, PictureSet(1)};
        window.load();
        window.show();
        QStringList boxes;
        QTimer answer;
        answer.setInterval(20);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            boxes << box->windowTitle() + "|" + box->text() + "|" +
                         (box->parentWidget() == &window ? "over the window" : "elsewhere");
            box->close();
        });
        answer.start();
        window.openRecord(fs::current_path() / "record.sgf");
        EXPECT_EQ(boxes, QStringList{QStringLiteral("棋譜|") + QString::fromUtf8(row.text) +
                                     QStringLiteral("|over the window")});
        EXPECT_EQ(window.game().game().moveCount, 0);
        EXPECT_EQ(window.game().game().mode, Mode::NO_GAME);
    }
}

} // namespace
} // namespace narabe
