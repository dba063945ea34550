// The main window's controller: its event and menu handlers with start-up and shutdown, the
// start of a game, the human move and the turn flow, the computer's move and the end of a
// game, the history, game records, the hint and the marks of barred points. It keeps the game,
// the options and the sounds, and reaches the desktop only through the ports, so the window
// program and the script runner run exactly this code.
#pragma once

#include "computer/scan/scan.h"
#include "game/about_controller.h"
#include "game/game.h"
#include "game/game_record.h"
#include "ports/ports.h"
#include "support/options.h"
#include "support/sound_module.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace narabe {

class GameController {
  public:
    explicit GameController(Ports io)
        : io_(io), options_(io.menu), about_(io.browser, io.about, io.homePage, io.helpPage, startDir_) {}

    // Window events.
    void load();
    void keyPressed(int key);
    void closed();
    // A press of any mouse button at (x, y) twips of the client area.
    void pressed(double x, double y);

    // Menu commands.
    void playTwoPlayers();
    void playBlack();
    void playWhite();
    void quit();
    void toStart();
    void stepBack();
    void stepForward();
    void takeBack();
    void toggleMoveNumbers();
    void toggleMusic();
    void chooseLevel(Level level);
    void toggleBarredMarks();
    void toggleSoundEffects();
    void openHelp();
    void showAbout();
    void openRecordFromDialog();
    void saveRecordFromDialog();
    void showHint();
    void continueUnfinished();

    // Opening and saving a record, as the two menu commands do once the file is chosen.
    // Opening also serves a record named on the command line.
    void openRecord(const std::filesystem::path& file);
    void saveRecord(const std::filesystem::path& file);

    // The about dialog's buttons.
    [[nodiscard]] AboutController& about() { return about_; }

    [[nodiscard]] const Game& game() const { return game_; }
    [[nodiscard]] const Options& options() const { return options_; }
    // True once the program has ended; no handler may run after that.
    [[nodiscard]] bool ended() const { return ended_; }

  private:
    // Runs a command the player gave (a press, a menu choice, a record opened): the hint goes
    // first, and afterwards the barred points' marks follow the position the command left.
    template <class Body> void command(Body&& body) {
        clearHint();
        body();
        if (!ended_) showBarredPoints();
    }
    // Board and game reset.
    void resetBoard();
    // Shutdown and the end of the program.
    void shutDown();
    void endProgram();
    // Starting a game.
    void startAgainstComputer(Stone human);
    void drawPlayers(std::string_view blackLabel, std::string_view whiteLabel);
    // The computer's move and the pause.
    void computerMove();
    Choice thinkDuringPause();
    [[nodiscard]] Choice levelChoice(Level level);
    void pause(double seconds);
    // Steps shared by the human's and the computer's move.
    void unmarkLastMove();
    void numberPreviousMove();
    void recordMove(Point p);
    bool endIfFive(Point p);
    // Stepping through the history.
    void restorePosition(int n, bool replay);
    void showTakenBack(int n);
    // Game records.
    void readRecord(const std::filesystem::path& file, bool asPlayed);
    void writeRecord(const std::filesystem::path& file);
    void showOpenedGame(Game& opened, const RecordRead& read, bool vsComputer);
    // The unfinished game: its file, and keeping it as the program ends.
    [[nodiscard]] std::filesystem::path unfinishedFile() const;
    void keepUnfinishedGame();
    void refuseRecord(RecordFault fault, int move = 0);
    // The hint and the barred points.
    void clearHint();
    void showBarredPoints();
    // The end of a game.
    void endWithFive(Stone stone, Point p);
    void blinkFive(Stone stone, Point p);
    // The end of a game announces with an empty title, an opened record with "判定".
    void announceWinner(Stone winner, Mode played, std::string_view title = "");

    // The settings file: the one the ports name, else "Narabe1.ini" in the current directory.
    const std::filesystem::path& settingsFile() const;
    // Writes every option to the settings file.
    void saveOptions();
    // Plays a sound effect, unless they are off; the music is not one.
    void play(std::int32_t buffer) {
        if (options_.soundEffects()) io_.sound.dsPlay(buffer);
    }
    // The side to move, while a game is on.
    [[nodiscard]] Stone toMove() const { return game_.turn.value(); }

    Ports io_;
    Game game_;
    Options options_;
    Sounds sounds_;
    std::string startDir_; // the folder of the sounds and the help page, at start-up
    AboutController about_;
    bool ended_ = false;
    std::optional<Point> hint_;            // the point the hint marks
    PointTable<bool> barredMarked_{false}; // the empty points that carry a barred mark
};

} // namespace narabe
