// The options the player chooses: move numbers on the stones, the music, the computer's
// strength, the marks of barred points and the sound effects. The game keeps them here and the
// menu's check marks mirror them: every change of an option sets its marks, also when the value
// stays the same, and the marks are never read back.
#pragma once

#include "ports/menu_checks.h"
#include "state/types.h"

namespace narabe {

class Options {
  public:
    // The options start at their defaults, which the menu shows before anything is set.
    explicit Options(MenuChecks& menu) : menu_(menu) {}

    [[nodiscard]] bool moveNumbers() const { return moveNumbers_; }
    [[nodiscard]] bool music() const { return music_; }
    [[nodiscard]] Level level() const { return level_; }
    [[nodiscard]] bool barredMarks() const { return barredMarks_; }
    [[nodiscard]] bool soundEffects() const { return soundEffects_; }

    void setMoveNumbers(bool on);
    void setMusic(bool on);
    // Checks the level's item and clears the other strength items, in menu order.
    void setLevel(Level level);
    void setBarredMarks(bool on);
    void setSoundEffects(bool on);

  private:
    MenuChecks& menu_;
    bool moveNumbers_ = false;
    bool music_ = false;
    Level level_ = Level::BEGINNER;
    bool barredMarks_ = false;
    bool soundEffects_ = true;
};

// The item of a strength.
constexpr CheckItem itemOf(Level level) {
    switch (level) {
    case Level::INTERMEDIATE:
        return CheckItem::INTERMEDIATE;
    case Level::ADVANCED:
        return CheckItem::ADVANCED;
    case Level::BEGINNER:
        break;
    }
    return CheckItem::BEGINNER;
}

} // namespace narabe
