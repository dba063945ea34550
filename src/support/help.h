// The help page beside the program, and the about dialog's two buttons: the maker's home
// page and OK. Pages open in the desktop's browser; a failure is not reported.
#pragma once

#include "support/ports.h"

#include <string>
#include <string_view>

namespace narabe {

// The maker's home page, opened from the about dialog.
inline constexpr std::string_view HOME_PAGE = "https://narabe1.example.org/";

// The help page: the start-up folder, the platform's path separator, "Narabe1.htm".
std::string helpPagePath(std::string_view startDir);

// The about dialog's buttons.
class Form2 {
  public:
    Form2(Browser& browser, AboutDialog& dialog, std::string homePage)
        : browser_(browser), dialog_(dialog), homePage_(std::move(homePage)) {}

    // "ホームページ": opens the home page and closes the dialog; when the page cannot be
    // opened the dialog stays open.
    void Command1_Click();
    // "O K": closes the dialog.
    void Command2_Click();

  private:
    Browser& browser_;
    AboutDialog& dialog_;
    std::string homePage_;
};

} // namespace narabe
