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
#include <deque>
#include <filesystem>
#include <functional>
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
    // handler (a message box or the about dialog open, a pause, the computer thinking), it
    // then leaves the process at once with status 0: the handler must not go on.
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
    // Runs an input's game handler; while another one runs (in a pause, or while the computer
    // thinks), holds it until that one has returned, then runs the held ones in the order made.
    void handle(std::function<void()> input);
    // Runs a way out of the game (Esc, 終了, the close box, a signal) at once; inside a handler
    // the process then ends with status 0 and the handler does not go on.
    void endAtOnce(const std::function<void()>& ending);
    void fitToFrame();

    void message(std::string_view title, std::string_view text) override;
    void warning(std::string_view title, std::string_view text) override;
    void setChecked(CheckItem item, bool on) override;
    void wait(double seconds) override;
    [[nodiscard]] Time after(double seconds) override { return sleeper_.after(seconds); }
    void waitUntil(Time end, double seconds) override;
    void work(const std::function<void()>& work) override;
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
    std::deque<std::function<void()>> held_; // inputs held while a handler runs
};

} // namespace narabe
