// The window's language: which one the desktop's locale variables choose, and every text the
// window shows in it. In English no text the game or the window can show holds a Japanese
// character; in Japanese every text is the game's own, unchanged. The game's texts are
// gathered by playing through every way it has to speak, at its ports.
#include "adapters/qt/about_box.h"
#include "adapters/qt/fonts.h"
#include "adapters/qt/language.h"
#include "adapters/qt/main_window.h"
#include "adapters/qt/pictures/about_picture.h"
#include "adapters/sdl/sdl_sound_library.h"
#include "app/test_application.h"
#include "common/silent_ports.h"
#include "game/game_record.h"
#include "game/menu_tree.h"
#include "render/geometry.h"
#include "render/layout.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

namespace narabe {
namespace {

namespace fs = std::filesystem;

TEST(Language, DesktopLocaleChoosesJapaneseForJapaneseOrNoneAndEnglishOtherwise) {
    struct Row {
        LocaleVariables locale;
        Language expected;
    };
    const Row rows[] = {
        {{"", "", "", ""}, Language::JAPANESE},
        {{"", "", "", "C"}, Language::JAPANESE},
        {{"", "", "", "C.UTF-8"}, Language::JAPANESE},
        {{"", "", "", "POSIX"}, Language::JAPANESE},
        {{"", "", "", "ja_JP.UTF-8"}, Language::JAPANESE},
        {{"", "", "", "ja"}, Language::JAPANESE},
        {{"", "", "", "en_US.UTF-8"}, Language::ENGLISH},
        {{"", "", "", "de_DE@euro"}, Language::ENGLISH},
        {{"", "", "", "jam_JM"}, Language::ENGLISH},
        {{"", "C", "", "en_US.UTF-8"}, Language::JAPANESE},       // LC_ALL before LANG
        {{"", "", "ja_JP", "en_US.UTF-8"}, Language::JAPANESE},   // LC_MESSAGES before LANG
        {{"", "fr_FR", "ja_JP", ""}, Language::ENGLISH},          // LC_ALL before LC_MESSAGES
        {{"en_GB:ja", "", "", "ja_JP.UTF-8"}, Language::ENGLISH}, // LANGUAGE's first name
        {{"ja:en", "", "", "en_US.UTF-8"}, Language::JAPANESE},
        {{":", "", "", "en_US.UTF-8"}, Language::ENGLISH}, // an empty list: the locale's
    };
    for (const Row& row : rows)
        EXPECT_EQ(desktopLanguage(row.locale), row.expected)
            << row.locale.language << "|" << row.locale.lcAll << "|" << row.locale.lcMessages << "|"
            << row.locale.lang;
}

// A character of a Japanese script: kana (full and half width), ideographs, Japanese
// punctuation and full-width forms.
bool isJapanese(char32_t c) {
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

bool holdsJapanese(const QString& text) {
    for (const char32_t c : text.toUcs4())
        if (isJapanese(c)) return true;
    return false;
}

// A folder of its own for the settings file a test's game writes.
class ScratchFolder {
  public:
    ScratchFolder() { fs::create_directories(path_); }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    [[nodiscard]] fs::path settingsFile() const { return path_ / "Narabe1.ini"; }

  private:
    fs::path path_ = fs::temp_directory_path() / ("narabe-language-" + std::to_string(::getpid()));
};

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Presses a point of the board, by its grid position.
void press(GameController& game, int x, int y) {
    game.pressed(300 + 315 * x + 150, 50 + 315 * y + 150);
}

void alternate(GameController& game, const std::vector<std::pair<int, int>>& moves) {
    for (const auto& [x, y] : moves)
        press(game, x, y);
}

// Every text the game hands the window: the menu tree, every record fault, and all that
// the game says and draws in a walk through its commands: before a game, stepping with
// nothing to step, each kind of game and its two winners, both barred moves, resuming after
// a step back, a full board's draw, each game on a cleared board, the sound device missing, a
// record saved and failing.
std::set<std::string> everyGameText() {
    std::set<std::string> texts;
    for (const MenuNode& n : MENU_TREE)
        texts.emplace(n.text);
    // Every fault, from the first to the last.
    for (int f = static_cast<int>(RecordFault::UNREADABLE);
         f <= static_cast<int>(RecordFault::NOT_A_RECORD_FILE); ++f)
        texts.insert(recordFaultText(static_cast<RecordFault>(f), 9));

    const ScratchFolder folder;
    test::SilentPorts io;
    io.sound.device = 0; // no sound device: the warning at start-up
    Ports ports = io.ports();
    ports.settingsFile = folder.settingsFile();
    GameController game(ports);
    game.load();
    game.toggleMoveNumbers();
    press(game, 10, 10); // no game yet
    game.showHint();
    game.stepBack();
    game.stepForward();
    game.saveRecordFromDialog(); // nothing to save

    // Two people: black's five, then white's.
    game.playTwoPlayers();
    alternate(game, {{3, 3}, {10, 3}, {3, 4}, {10, 4}, {3, 5}, {10, 5}, {3, 6}, {10, 6}, {3, 7}});
    game.playTwoPlayers();
    alternate(
        game,
        {{1, 1}, {10, 3}, {1, 19}, {10, 4}, {19, 1}, {10, 5}, {19, 19}, {10, 6}, {1, 10}, {10, 7}});
    // A double three, then, stepping back, resuming with each side to move.
    game.playTwoPlayers();
    alternate(
        game,
        {{9, 12}, {17, 17}, {10, 12}, {17, 15}, {11, 10}, {17, 13}, {11, 11}, {17, 11}, {11, 12}});
    game.stepBack();
    press(game, 1, 1);
    game.stepBack();
    press(game, 1, 1);
    // A double four.
    game.toStart();
    game.playTwoPlayers();
    alternate(game, {{5, 5},
                     {15, 15},
                     {6, 5},
                     {15, 13},
                     {7, 5},
                     {15, 11},
                     {8, 2},
                     {13, 15},
                     {8, 3},
                     {13, 13},
                     {8, 4},
                     {13, 11},
                     {8, 5}});
    // Against the computer: its thinking, resuming on the player's move, a failed save.
    game.toStart();
    game.playBlack();
    press(game, 10, 10);
    game.stepBack();
    game.stepBack();
    press(game, 1, 1);
    io.saveTo = fs::path("/nonexistent-folder/record.sgf");
    game.saveRecordFromDialog();
    game.playWhite();
    // The player's five: black's four set up between two people, then black given to the
    // player.
    game.toStart();
    game.playTwoPlayers();
    alternate(game, {{2, 2}, {12, 2}, {2, 3}, {12, 4}, {2, 4}, {12, 6}, {2, 5}, {12, 8}});
    game.playBlack();
    press(game, 2, 6);
    // The computer's five: white's four set up, then the player, black, moves elsewhere.
    game.toStart();
    game.playTwoPlayers();
    alternate(game, {{2, 2}, {12, 2}, {2, 4}, {12, 3}, {2, 6}, {12, 4}, {2, 8}, {12, 5}});
    game.playBlack();
    press(game, 18, 18);
    // A full board without a line of three, colour by (x + 2y) mod 4, then the computer
    // to move: a draw.
    game.toStart();
    game.playTwoPlayers();
    std::vector<std::pair<int, int>> black;
    std::vector<std::pair<int, int>> white;
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            ((x + 2 * y) % 4 < 2 ? black : white).emplace_back(x, y);
    for (std::size_t i = 0; i < black.size(); ++i) {
        press(game, black[i].first, black[i].second);
        if (i < white.size()) press(game, white[i].first, white[i].second);
    }
    game.playWhite();

    for (const auto* said : {&io.titles, &io.messages, &io.drawn, &io.proposed})
        texts.insert(said->begin(), said->end());
    return texts;
}

// The texts the window writes itself, beside the game's.
const std::vector<std::string> WINDOW_TEXTS = {std::string(ABOUT_CREDIT), "ホームページ",
                                               "棋譜を開く", "棋譜を保存",
                                               "棋譜 (*.sgf);;すべてのファイル (*)"};

TEST(Language, EveryTextTheGameShowsIsEnglishInEnglishAndUnchangedInJapanese) {
    app();
    const std::set<std::string> texts = everyGameText();
    // The walk reached every kind of message.
    for (const char* said :
         {"Direct Soundインターフェースが作成できません。", "「対局」で始めて下さい", "戻れません",
          "進めません", "棋譜がありません", "先手の番です", "後手の番です", "ＭＡＮの番です",
          "先手の勝ち！！", "後手の勝ち！！", "MANの勝ち！！", "COMの勝ち！！",
          "3 * 3 です！打てません", "4 * 4 です！打てません", "OKですか？", "引き分け", "思考中",
          "手目", "棋譜を保存できませんでした"})
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                                [said](const std::string& t) { return t.starts_with(said); }))
            << "the walk never met " << said;
    {
        const Translations english(Language::ENGLISH);
        for (const std::string& text : texts)
            EXPECT_FALSE(holdsJapanese(windowText(text)))
                << text << " -> " << windowText(text).toStdString();
        for (const std::string& text : WINDOW_TEXTS)
            EXPECT_FALSE(holdsJapanese(windowText(text))) << text;
    }
    const Translations japanese(Language::JAPANESE);
    for (const std::string& text : texts)
        EXPECT_EQ(windowText(text), qs(text));
    for (const std::string& text : WINDOW_TEXTS)
        EXPECT_EQ(windowText(text), qs(text));
}

// The texts with a number, a date or the system's reason inside keep it, in each language.
TEST(Language, NumberedTextsKeepTheirNumberAndReason) {
    struct Row {
        const char* japanese;
        const char* english;
    };
    const Row rows[] = {
        {"9 手目：3 * 3 です！打てません", "Move 9: Double three! You cannot play there"},
        {"128 手目：石のある点です", "Move 128: The point holds a stone"},
        {"棋譜_20261210_0905.sgf", "record_20261210_0905.sgf"},
        {"先手の番です", "Black to move"},
        {"前回の対局はありません", "There is no unfinished game"},
        {"棋譜を保存できませんでした（No such file or directory）",
         "The record could not be saved (No such file or directory)"},
        {"ファイルが大きすぎます（1 MiB まで）", "The file is too large (1 MiB at most)"},
    };
    app();
    for (const Row& row : rows) {
        {
            const Translations english(Language::ENGLISH);
            EXPECT_EQ(windowText(row.japanese), QString::fromUtf8(row.english));
        }
        const Translations japanese(Language::JAPANESE);
        EXPECT_EQ(windowText(row.japanese), QString::fromUtf8(row.japanese));
    }
}

// A text beside the board is drawn over by its eraser's background before it changes: in
// each language it ends inside that rectangle, its glyphs' antialiased edge included, or what
// sticks out would stay on the screen.
TEST(Language, TextsBesideTheBoardEndInsideTheirErasers) {
    struct Row {
        const char* text;
        GridPoint at;
        int size;
        GridRect eraser;
    };
    const Row rows[] = {
        {THINKING.data(), THINKING_TEXT.at, THINKING_TEXT.size, THINKING_AREA},
        {MOVE_COUNT_UNIT.data(), MOVE_COUNT_UNIT_AT, MOVE_COUNT_SIZE, MOVE_COUNT_AREA},
        {"先手", BLACK_PLAYER_LABEL.at, BLACK_PLAYER_LABEL.size, PLAYER_PANEL},
        {"後手", WHITE_PLAYER_LABEL.at, WHITE_PLAYER_LABEL.size, PLAYER_PANEL},
        {"MAN", BLACK_PLAYER_LABEL.at, BLACK_PLAYER_LABEL.size, PLAYER_PANEL},
        {"COM", WHITE_PLAYER_LABEL.at, WHITE_PLAYER_LABEL.size, PLAYER_PANEL},
    };
    app();
    for (const Language language : {Language::JAPANESE, Language::ENGLISH}) {
        const Translations translations(language);
        for (const Row& row : rows) {
            const QString text = windowText(row.text);
            const double end = twipsX(row.at.x) / TWIPS_PER_PIXEL +
                               QFontMetricsF(windowFont(row.size)).horizontalAdvance(text) + 1;
            EXPECT_LE(end, (twipsX(row.eraser.x) + row.eraser.width) / TWIPS_PER_PIXEL)
                << text.toStdString();
        }
    }
}

// 解説, and the about dialog's home page button without a home page, open the help page of
// the window's language, which stands among the game's files.
TEST(Language, HelpOpensThePageOfTheWindowsLanguage) {
    struct Row {
        Language language;
        const char* page;
    };
    const Row rows[] = {{Language::JAPANESE, "Narabe1.htm"}, {Language::ENGLISH, "Narabe1_en.htm"}};
    for (const Row& row : rows) {
        const ScratchFolder folder;
        test::SilentPorts io;
        Ports ports = io.ports();
        ports.settingsFile = folder.settingsFile();
        ports.homePage.clear();
        ports.helpPage = std::string(helpPageOf(row.language));
        ports.dataDir = NARABE_ASSET_DIR;
        GameController game(ports);
        game.load();
        game.openHelp();
        game.showAbout();
        game.about().homePagePressed();
        ASSERT_EQ(io.opened.size(), 2u);
        for (const std::string& opened : io.opened) {
            EXPECT_EQ(fs::path(opened).filename(), row.page);
            EXPECT_TRUE(fs::equivalent(opened, fs::path(NARABE_ASSET_DIR) / row.page)) << opened;
        }
    }
}

// Every menu and item of the window's menu bar, depth first, as "control|text".
QStringList menuTexts(QWidget* menu) {
    QStringList texts;
    for (QAction* a : menu->actions()) {
        texts << a->objectName() + "|" + a->text();
        if (a->menu() != nullptr) texts << menuTexts(a->menu());
    }
    return texts;
}

TEST(Language, MenuTreeIsEnglishInEnglishAndTheTablesTextsInJapanese) {
    app();
    test::FakeSoundLibrary quiet;
    QStringList japanese;
    for (const MenuNode& n : MENU_TREE)
        japanese << QString::fromUtf8(n.text.data(), static_cast<qsizetype>(n.text.size()));
    japanese.sort();
    for (const Language language : {Language::JAPANESE, Language::ENGLISH}) {
        const Translations translations(language);
        MainWindow window(quiet, PictureSet(1), {}, language);
        const QStringList texts = menuTexts(window.menuBar());
        // The menus hold the table's items, though not all in the table's order.
        QStringList shown;
        for (const QString& t : texts) shown << t.section('|', 1);
        shown.sort();
        if (language == Language::JAPANESE) {
            EXPECT_EQ(shown, japanese);
        } else {
            ASSERT_EQ(shown.size(), japanese.size());
            for (const QString& text : shown)
                EXPECT_FALSE(holdsJapanese(text) || text.isEmpty()) << text.toStdString();
        }
    }
}

// The file dialog speaks the window's language, its buttons too (Qt's own texts), and so
// do the about dialog's title and buttons.
TEST(Language, DialogsSpeakTheWindowsLanguage) {
    struct Row {
        Language language;
        const char* cancel;
    };
    const Row rows[] = {{Language::JAPANESE, "キャンセル"}, {Language::ENGLISH, "Cancel"}};
    app();
    for (const Row& row : rows) {
        const Translations translations(row.language);
        test::FakeSoundLibrary quiet;
        MainWindow window(quiet, PictureSet(1), {}, row.language);
        QStringList seen;
        QTimer answer;
        answer.setInterval(20);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            seen << dialog->windowTitle() << dialog->nameFilters();
            for (const QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons())
                seen << b->text();
            dialog->reject();
        });
        answer.start();
        window.findChild<QAction*>(QStringLiteral("KIFU_OPEN"))->trigger();
        SCOPED_TRACE(seen.join(", ").toStdString());
        EXPECT_TRUE(seen.contains(QString::fromUtf8(row.cancel)));
        AboutBox about(
            1, [] {}, [] {}, &window);
        seen << about.windowTitle();
        for (const QAbstractButton* b : about.findChildren<QAbstractButton*>())
            seen << b->text();
        if (row.language == Language::ENGLISH) {
            for (const QString& text : seen)
                EXPECT_FALSE(holdsJapanese(text)) << text.toStdString();
        }
    }
}

} // namespace
} // namespace narabe
