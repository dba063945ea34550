// The check marks of the option items of the menu bar: move numbers, music, the computer's
// strength (three radio items, one of them checked) and the barred-point marks. They are the
// options' only record: the game reads them wherever it needs to know an option.
#pragma once

#include <array>
#include <cstddef>

namespace narabe {

enum class MenuItem { BANGOU, BGM, SYOKYU, CHUKYU, JOUKYU, KINSYU };
inline constexpr std::size_t MENU_ITEM_COUNT = 6;

// The strength items, in menu order; exactly one of them is checked.
inline constexpr std::array<MenuItem, 3> LEVEL_ITEMS = {MenuItem::SYOKYU, MenuItem::CHUKYU,
                                                        MenuItem::JOUKYU};

// The slot of an option in a table of all of them.
constexpr std::size_t slotOf(MenuItem item) {
    return static_cast<std::size_t>(item);
}

// The marks as the window shows them before anything sets them: 初級 is chosen and every
// other item is clear. Setting them so prints nothing.
constexpr std::array<bool, MENU_ITEM_COUNT> marksAtStart() {
    std::array<bool, MENU_ITEM_COUNT> marks{};
    marks[slotOf(MenuItem::SYOKYU)] = true;
    return marks;
}

class MenuChecks {
  public:
    virtual ~MenuChecks() = default;
    [[nodiscard]] virtual bool checked(MenuItem item) const = 0;
    virtual void setChecked(MenuItem item, bool on) = 0;
};

// The checked strength item.
inline MenuItem chosenLevel(const MenuChecks& menu) {
    for (const MenuItem item : LEVEL_ITEMS)
        if (menu.checked(item)) return item;
    return MenuItem::SYOKYU;
}

// Checks `level` and clears the other strength items, in menu order.
inline void chooseLevel(MenuChecks& menu, MenuItem level) {
    for (const MenuItem item : LEVEL_ITEMS)
        menu.setChecked(item, item == level);
}

} // namespace narabe
