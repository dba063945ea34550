// The about dialog's two buttons: the maker's home page and OK. The page opens in the
// desktop's browser; when it cannot be opened the dialog stays open and nothing is said.
// Without a home page the button opens the help page, as 解説 does.
#pragma once

#include "ports/about_dialog.h"
#include "ports/browser.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace narabe {

class AboutController {
  public:
    // `startDir` is the game's start-up folder, read when the button is pressed; `helpPage`
    // the help page's file name in it.
    AboutController(Browser& browser, AboutDialog& dialog, std::string homePage,
                    std::string helpPage, const std::string& startDir)
        : browser_(browser), dialog_(dialog), homePage_(std::move(homePage)),
          helpPage_(std::move(helpPage)), startDir_(startDir) {}

    // "ホームページ": opens the home page (or the help page) and closes the dialog.
    void homePagePressed();
    // "O K": closes the dialog.
    void okPressed();

  private:
    Browser& browser_;
    AboutDialog& dialog_;
    std::string homePage_; // empty: the help page
    std::string helpPage_;
    const std::string& startDir_;
};

// The dialog's buttons by the control names the script runner accepts.
struct AboutButton {
    std::string_view control;
    void (AboutController::*pressed)();
};
inline constexpr std::array<AboutButton, 2> ABOUT_BUTTONS = {{
    {"Command1", &AboutController::homePagePressed},
    {"Command2", &AboutController::okPressed},
}};

} // namespace narabe
