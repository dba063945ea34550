// The main window's game: its event and menu handlers with start-up and shutdown, the
// start of a game, the human move and the turn flow, the computer's move and the end of a
// game, game records, the hint and the marks of barred points. It owns the game state and
// reaches the desktop only through the ports, so the window program and the script runner
// run exactly this code.
#pragma once

#include "computer/choose.h"
#include "computer/levels.h"
#include "game/game_record.h"
#include "ports/ports.h"
#include "state/state.h"
#include "support/form2.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace narabe {

struct Choice;

class Form1 {
  public:
    explicit Form1(Ports io) : io_(io), form2_(io.browser, io.about, io.homePage, st_.StartDir) {}

    // Window events.
    void Form_Load();
    void Form_KeyPress(int key);
    void Form_Unload();
    // A press of any mouse button at (x, y) twips of the client area.
    void Form_MouseDown(double x, double y);

    // Menu commands.
    void TAIMAN_Click();
    void SENTE_Click();
    void GOTE_Click();
    void SYURYOU_Click();
    void SAISYO_Click();
    void MODORU_Click();
    void SUSUMU_Click();
    void BANGOU_Click();
    void BGM_Click();
    void SYOKYU_Click();
    void CHUKYU_Click();
    void JOUKYU_Click();
    void KINSYU_Click();
    void KAISETU_Click();
    void VER_Click();
    void KIFU_OPEN_Click();
    void KIFU_SAVE_Click();
    void HINT_Click();

    // Opening and saving a record, as the two menu commands do once the file is chosen.
    // Opening also serves a record named on the command line.
    void 読込_棋譜(const std::filesystem::path& file);
    void 書込_棋譜(const std::filesystem::path& file);

    // The about dialog's buttons.
    [[nodiscard]] Form2& form2() { return form2_; }

    [[nodiscard]] const State& state() const { return st_; }
    // True once the program has ended; no handler may run after that.
    [[nodiscard]] bool ended() const { return ended_; }

  private:
    struct Point {
        int x;
        int y;
    };

    // Runs a command the player gave (a press, a menu choice, a record opened): the hint goes
    // first, and afterwards the barred points' marks follow the position the command left.
    template <class Body> void command(Body&& body) {
        clearHint();
        body();
        if (!ended_) showBarredPoints();
    }
    // Board and game reset.
    void 初期設定();
    // Shutdown and the end of the program.
    void 終了処理();
    void endProgram();
    // Starting a game.
    void startAgainstComputer(Stone man);
    void 描画_石手番(std::string_view blackLabel, std::string_view whiteLabel);
    // The computer's move and the pause.
    void com_打つ();
    Choice thinkDuringPause();
    [[nodiscard]] Level checkedLevel() const;
    [[nodiscard]] Choice levelChoice(Level level) const;
    void 待ち時間(double seconds);
    // Steps shared by the human's and the computer's move.
    void unmarkLastMove();
    void numberPreviousMove();
    void recordMove(int x, int y);
    bool endIfFive(int x, int y);
    // Stepping through the history.
    void restorePosition(int n, bool replay);
    // Game records.
    void openRecord(const std::filesystem::path& file);
    void saveRecord(const std::filesystem::path& file);
    void showOpenedGame(State& opened, bool endsWithFive);
    void refuseRecord(RecordFault fault, int move = 0);
    // The hint and the barred points.
    void clearHint();
    void showBarredPoints();
    [[nodiscard]] bool barredPointsChecked() const;
    // The end of a game.
    void endWithFive(Stone stone, int x, int y);
    void 描画_5並点滅(Stone stone, int x, int y);
    void 対局_判定(Stone winner);

    // The settings file: the one the ports name, else "Narabe1.ini" in the current directory.
    const std::filesystem::path& settingsFile() const;
    // Writes every option to the settings file.
    void saveOptions();
    // A strength chosen in the menu: its radio mark, then the settings file.
    void levelClicked(MenuItem item);
    bool numbersShown() const { return io_.menu.checked(MenuItem::BANGOU); }
    void play(std::int32_t buffer) { io_.sound.dsPlay(buffer); }

    State st_;
    Ports io_;
    Form2 form2_;
    bool ended_ = false;
    std::optional<Point> hint_;            // the point the hint marks
    PointTable<bool> barredMarked_{false}; // the empty points that carry a barred mark
};

} // namespace narabe
