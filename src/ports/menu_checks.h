// The check marks of the two option items of the menu bar. They are the options' only
// record: the game reads them wherever it needs to know whether an option is on.
#pragma once

namespace narabe {

enum class MenuItem { BANGOU, BGM };

class MenuChecks {
  public:
    virtual ~MenuChecks() = default;
    [[nodiscard]] virtual bool checked(MenuItem item) const = 0;
    virtual void setChecked(MenuItem item, bool on) = 0;
};

} // namespace narabe
