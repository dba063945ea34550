// Modal message boxes with a single OK button; each call returns when the box has been
// closed.
#pragma once

#include <string_view>

namespace narabe {

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual void message(std::string_view title, std::string_view text) = 0;
    // The same box with the warning icon.
    virtual void warning(std::string_view title, std::string_view text) = 0;
};

} // namespace narabe
