// The commands of the その他 menu: the help page in the browser and the about dialog.
#include "game/game_controller.h"
#include "support/help.h"

namespace narabe {

void GameController::openHelp() {
    command([this] {
        // A page that cannot be opened is not reported.
        (void)io_.browser.open(helpPagePath(startDir_, io_.helpPage));
    });
}

void GameController::showAbout() {
    command([this] {
        play(sounds_.other);
        io_.about.showModal();
    });
}

} // namespace narabe
