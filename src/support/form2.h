// The about dialog's two buttons: the maker's home page and OK. The page opens in the
// desktop's browser; when it cannot be opened the dialog stays open and nothing is said.
#pragma once

#include "ports/about_dialog.h"
#include "ports/browser.h"

#include <string>
#include <utility>

namespace narabe {

class Form2 {
  public:
    Form2(Browser& browser, AboutDialog& dialog, std::string homePage)
        : browser_(browser), dialog_(dialog), homePage_(std::move(homePage)) {}

    // "ホームページ": opens the home page and closes the dialog.
    void Command1_Click();
    // "O K": closes the dialog.
    void Command2_Click();

  private:
    Browser& browser_;
    AboutDialog& dialog_;
    std::string homePage_;
};

} // namespace narabe
