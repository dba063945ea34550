// The commands of the その他 menu: the help page in the browser and the about dialog.
#include "game/form1.h"
#include "support/help.h"

namespace narabe {

void Form1::KAISETU_Click() {
    command([this] {
        // A page that cannot be opened is not reported.
        (void)io_.browser.open(helpPagePath(st_.StartDir));
    });
}

void Form1::VER_Click() {
    command([this] {
        play(st_.SndOther);
        io_.about.showModal();
    });
}

} // namespace narabe
