// Start-up of the main window, resetting the board for a game, and the three ways out
// of the program (Esc, the menu command 終了 and the close box).
#include "game/flow.h"
#include "game/game_controller.h"
#include "render/board_drawing.h"
#include "render/layout.h"
#include "support/settings.h"

#include <filesystem>
#include <system_error>

namespace narabe {

namespace {

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string(); // UTF-8 everywhere
    return std::string(text.begin(), text.end());
}

// The folder of the sounds and the help page: the data folder, or the current directory
// when none is given.
std::string startDirectory(const std::filesystem::path& dataDir) {
    if (!dataDir.empty()) return utf8(dataDir);
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::current_path(ec);
    return ec ? std::string{} : utf8(dir);
}

} // namespace

void GameController::load() {
    // An empty data folder leaves the bare names, relative to the current directory.
    sounds_ = loadSounds({io_.sound, io_.boxes}, io_.dataDir);

    startDir_ = startDirectory(io_.dataDir);
    io_.frame.place(WINDOW_LEFT, WINDOW_TOP, WINDOW_WIDTH, WINDOW_HEIGHT);

    // The geometry is made of compile-time constants; the window's green background and
    // solid fill style belong to the surface itself.
    game_.turn.reset();
    game_.resumePending = false;
    game_.last = {0, 0};
    options_.setMoveNumbers(false);
    game_.mode = Mode::NO_GAME;
    game_.lastMode = Mode::NO_GAME;

    drawText(io_.surface, COLUMN_LETTERS_TEXT, COLUMN_LETTERS, TEXT_COLOUR);
    for (int i = FIRST_POINT; i <= LAST_POINT; ++i)
        drawText(io_.surface, 0, i + ROW_NUMBER_DROP, i, TEXT_COLOUR, ROW_NUMBER_SIZE);

    readSettings({options_, io_.sound}, sounds_.music, settingsFile());
    resetBoard();

    game_.storePosition(game_.moveCount);
    drawBoard(io_.surface, game_.board);
    copyPictureAt(io_.surface, Picture::TITLE, TITLE_AT);
}

void GameController::resetBoard() {
    fillRectangle(io_.surface, SIDE_PANEL, BACK_COLOUR); // clears the player panel
    game_.clearForNewGame([this](Point p) { drawEmptyPoint(io_.surface, p); });
}

void GameController::keyPressed(int key) {
    if (key != KEY_ESC) return;
    shutDown();
    endProgram();
}

void GameController::closed() {
    shutDown();
    endProgram();
}

void GameController::quit() {
    shutDown();
    endProgram();
}

void GameController::shutDown() {
    keepUnfinishedGame();
    freeSounds({io_.sound, io_.boxes}, sounds_);
}

void GameController::endProgram() {
    ended_ = true;
    io_.program.end();
}

void GameController::toggleMusic() {
    command([this] {
        if (options_.music()) {
            options_.setMusic(false);
            io_.sound.dsStop(sounds_.music);
        } else {
            options_.setMusic(true);
            io_.sound.dsPlayLooping(sounds_.music);
        }
        saveOptions();
    });
}

const std::filesystem::path& GameController::settingsFile() const {
    return io_.settingsFile.empty() ? SETTINGS_FILE : io_.settingsFile;
}

void GameController::saveOptions() {
    writeSettings({options_, io_.sound}, sounds_.music, settingsFile());
}

} // namespace narabe
