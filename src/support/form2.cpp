// The about dialog's buttons.
#include "support/form2.h"

#include "support/help.h"

namespace narabe {

void Form2::Command1_Click() {
    if (!browser_.open(homePage_.empty() ? helpPagePath(startDir_) : homePage_)) return;
    dialog_.unload();
}

void Form2::Command2_Click() {
    dialog_.unload();
}

} // namespace narabe
