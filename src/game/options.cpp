// The options that only this program's menus offer: the computer's strength and the
// barred-point marks. Each choice sets its check marks and is saved at once, as the move
// numbers and the music are.
#include "game/form1.h"

namespace narabe {

void Form1::SYOKYU_Click() {
    command([this] {
        chooseLevel(io_.menu, MenuItem::SYOKYU);
        saveOptions();
    });
}

void Form1::CHUKYU_Click() {
    command([this] {
        chooseLevel(io_.menu, MenuItem::CHUKYU);
        saveOptions();
    });
}

void Form1::JOUKYU_Click() {
    command([this] {
        chooseLevel(io_.menu, MenuItem::JOUKYU);
        saveOptions();
    });
}

// The marks are drawn or taken away as the command ends, as after every command.
void Form1::KINSYU_Click() {
    command([this] {
        io_.menu.setChecked(MenuItem::KINSYU, !io_.menu.checked(MenuItem::KINSYU));
        saveOptions();
    });
}

} // namespace narabe
