// The options that only this program's menus offer: the computer's strength and the
// barred-point marks. Each choice sets its check marks and is saved at once, as the move
// numbers and the music are.
#include "game/form1.h"

namespace narabe {

void Form1::levelClicked(MenuItem item) {
    command([this, item] {
        chooseLevel(io_.menu, item);
        saveOptions();
    });
}

void Form1::SYOKYU_Click() {
    levelClicked(MenuItem::SYOKYU);
}

void Form1::CHUKYU_Click() {
    levelClicked(MenuItem::CHUKYU);
}

void Form1::JOUKYU_Click() {
    levelClicked(MenuItem::JOUKYU);
}

// The marks are drawn or taken away as the command ends, as after every command.
void Form1::KINSYU_Click() {
    command([this] {
        io_.menu.setChecked(MenuItem::KINSYU, !io_.menu.checked(MenuItem::KINSYU));
        saveOptions();
    });
}

} // namespace narabe
