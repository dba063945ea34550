// The about dialog's buttons.
#include "game/about_controller.h"

#include "support/help.h"

namespace narabe {

void AboutController::homePagePressed() {
    if (!browser_.open(homePage_.empty() ? helpPagePath(startDir_, helpPage_) : homePage_)) return;
    dialog_.unload();
}

void AboutController::okPressed() {
    dialog_.unload();
}

} // namespace narabe
