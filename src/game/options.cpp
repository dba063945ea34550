// The options that only this program's menus offer: the computer's strength, the
// barred-point marks and the sound effects. Each choice is saved at once, as the move numbers and
// the music are.
#include "game/game_controller.h"

namespace narabe {

void GameController::chooseLevel(Level level) {
    command([this, level] {
        options_.setLevel(level);
        saveOptions();
    });
}

// The marks are drawn or taken away as the command ends, as after every command.
void GameController::toggleBarredMarks() {
    command([this] {
        options_.setBarredMarks(!options_.barredMarks());
        saveOptions();
    });
}

void GameController::toggleSoundEffects() {
    command([this] {
        options_.setSoundEffects(!options_.soundEffects());
        saveOptions();
    });
}

} // namespace narabe
