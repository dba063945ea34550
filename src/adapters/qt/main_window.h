// The game's main window: the menu bar built from the menu table, the board view as the
// client area, and the desktop side of every port the game uses.
#pragma once

#include "adapters/qt/board_view.h"
#include "adapters/qt/game_folders.h"
#include "adapters/qt/language.h"
#include "adapters/qt/steady_clock.h"
#include "game/game_controller.h"
#include "game/menu_tree.h"
#include "ports/ports.h"

#include <QMainWindow>
#include <QPoint>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>

class QAction;
class QDialog;
class QFileDialog;

namespace narabe {

class MainWindow final : public QMainWindow,
                         private MessageBoxes,
                         private MenuChecks,
                         private Clock,
                         private Browser,
                         private WindowFrame,
                         private Program,
                         private AboutDialog,
                         private FileDialogs {
  public:
    // The board is drawn with `pictures`, at their scale; the game keeps its files where
    // `folders` says, by default in the current directory; 解説 opens the help page of
    // `language`, in which the installed translations show the window's texts.
    MainWindow(SoundLibrary& sound, PictureSet pictures, const GameFolders& folders = {},
               Language language = Language::JAPANESE);

    // Runs the game's start-up; call once before the window is shown.
    void load();
    // Ends the game the way its close box does, on a signal. Called from inside a game
    // handler (a message box or the about dialog open, or right after a pause), it then
    // leaves the process at once with status 0: the handler must not go on.
    void endOnSignal();
    // Opens a game record as 棋譜を開く… does once its file is chosen.
    void openRecord(const std::filesystem::path& file);
    [[nodiscard]] bool ended() const { return ended_; }
    BoardView& view() { return *view_; }
    GameController& game() { return *game_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Counts the game handlers running, for the whole of each one's run.
    class Busy {
      public:
        explicit Busy(int& depth) : depth_(depth) { ++depth_; }
        ~Busy() { --depth_; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

      private:
        int& depth_;
    };

    void buildMenus();
    // Puts the game's check marks back on the menu items.
    void showChecks();
    void run(MenuCommand command);
    void fitToFrame();

    void message(std::string_view title, std::string_view text) override;
    void warning(std::string_view title, std::string_view text) override;
    void setChecked(CheckItem item, bool on) override;
    void wait(double seconds) override;
    [[nodiscard]] Time after(double seconds) override { return sleeper_.after(seconds); }
    void waitUntil(Time end, double seconds) override;
    bool open(std::string_view address) override;
    void place(double left, double top, double width, double height) override;
    void end() override;
    void showModal() override;
    void unload() override;
    std::optional<std::filesystem::path> recordToOpen() override;
    std::optional<std::filesystem::path> recordToSave(std::string_view name) override;
    [[nodiscard]] QString recordFolder() const;
    std::optional<std::filesystem::path> chosenFile(QFileDialog& dialog);

    BoardView* view_;
    std::unique_ptr<GameController> game_;
    SteadyClock sleeper_;
    std::array<QAction*, CHECK_ITEM_COUNT> checkActions_{};
    std::array<bool, CHECK_ITEM_COUNT> checks_ = marksAtStart(); // as the game set them
    QDialog* about_ = nullptr;  // the about dialog while it is shown
    QPoint askedCorner_;        // the frame's corner as the game placed it, in pixels
    bool fitWhenShown_ = false; // the frame is yet to be fitted, when the window is first shown
    bool ended_ = false;
    int busy_ = 0;         // game handlers running (nested ones inside a message box count too)
    QString recordFolder_; // the folder of the last file a record dialog gave in this run
};

} // namespace narabe
