// The about dialog's two buttons: the maker's home page and OK. The page opens in the
// desktop's browser; when it cannot be opened the dialog stays open and nothing is said.
// Without a home page the button opens the help page, as 解説 does.
#pragma once

#include "ports/about_dialog.h"
#include "ports/browser.h"

#include <string>
#include <utility>

namespace narabe {

class Form2 {
  public:
    // `startDir` is the game's start-up folder, read when the button is pressed.
    Form2(Browser& browser, AboutDialog& dialog, std::string homePage, const std::string& startDir)
        : browser_(browser), dialog_(dialog), homePage_(std::move(homePage)), startDir_(startDir) {}

    // "ホームページ": opens the home page (or the help page) and closes the dialog.
    void Command1_Click();
    // "O K": closes the dialog.
    void Command2_Click();

  private:
    Browser& browser_;
    AboutDialog& dialog_;
    std::string homePage_; // empty: the help page
    const std::string& startDir_;
};

} // namespace narabe
