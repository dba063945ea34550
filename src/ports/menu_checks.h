// The check marks of the option items of the menu bar: move numbers, music, the computer's
// strength (three radio items, one of them checked), the barred-point marks and the sound
// effects. The menu
// mirrors the options, which the game keeps itself: it sets a mark whenever it sets an
// option, and never reads one back.
#pragma once

#include <array>
#include <cstddef>

namespace narabe {

enum class CheckItem {
    MOVE_NUMBERS,
    MUSIC,
    BEGINNER,
    INTERMEDIATE,
    ADVANCED,
    BARRED_MARKS,
    SOUND_EFFECTS
};
inline constexpr std::size_t CHECK_ITEM_COUNT = 7;

// The strength items, in menu order; exactly one of them is checked.
inline constexpr std::array<CheckItem, 3> LEVEL_ITEMS = {
    CheckItem::BEGINNER, CheckItem::INTERMEDIATE, CheckItem::ADVANCED};

// The slot of an item in a table of all of them.
constexpr std::size_t slotOf(CheckItem item) {
    return static_cast<std::size_t>(item);
}

// The marks as the window shows them before anything sets them: 初級 is chosen, the sound
// effects are on and every other item is clear, as the options start. Setting them so prints
// nothing.
constexpr std::array<bool, CHECK_ITEM_COUNT> marksAtStart() {
    std::array<bool, CHECK_ITEM_COUNT> marks{};
    marks[slotOf(CheckItem::BEGINNER)] = true;
    marks[slotOf(CheckItem::SOUND_EFFECTS)] = true;
    return marks;
}

class MenuChecks {
  public:
    virtual ~MenuChecks() = default;
    virtual void setChecked(CheckItem item, bool on) = 0;
};

} // namespace narabe
