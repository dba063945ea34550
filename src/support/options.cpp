// Setting an option and its marks.
#include "support/options.h"

namespace narabe {

void Options::setMoveNumbers(bool on) {
    moveNumbers_ = on;
    menu_.setChecked(CheckItem::MOVE_NUMBERS, on);
}

void Options::setMusic(bool on) {
    music_ = on;
    menu_.setChecked(CheckItem::MUSIC, on);
}

void Options::setLevel(Level level) {
    level_ = level;
    for (const CheckItem item : LEVEL_ITEMS)
        menu_.setChecked(item, item == itemOf(level));
}

void Options::setSoundEffects(bool on) {
    soundEffects_ = on;
    menu_.setChecked(CheckItem::SOUND_EFFECTS, on);
}

void Options::setBarredMarks(bool on) {
    barredMarks_ = on;
    menu_.setChecked(CheckItem::BARRED_MARKS, on);
}

} // namespace narabe
