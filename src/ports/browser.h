// Opens a page (an absolute file path or a web address) in the desktop's browser.
#pragma once

#include <string_view>

namespace narabe {

class Browser {
  public:
    virtual ~Browser() = default;
    // False when the page could not be opened.
    [[nodiscard]] virtual bool open(std::string_view address) = 0;
};

} // namespace narabe
