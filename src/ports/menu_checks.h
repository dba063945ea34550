// The check marks of the two option items of the menu bar. They are the options' only
// record: the game reads them wherever it needs to know whether an option is on.
#pragma once

#include <cstddef>

namespace narabe {

enum class MenuItem { BANGOU, BGM };
inline constexpr std::size_t MENU_ITEM_COUNT = 2;

// The slot of an option in a table of both.
constexpr std::size_t slotOf(MenuItem item) {
    return static_cast<std::size_t>(item);
}

class MenuChecks {
  public:
    virtual ~MenuChecks() = default;
    [[nodiscard]] virtual bool checked(MenuItem item) const = 0;
    virtual void setChecked(MenuItem item, bool on) = 0;
};

} // namespace narabe
