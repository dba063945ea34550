// Every way the game reaches the outside, bundled for the main window's handlers. The
// window program and the script runner each provide one set.
#pragma once

#include "ports/about_dialog.h"
#include "ports/browser.h"
#include "ports/clock.h"
#include "ports/file_dialogs.h"
#include "ports/menu_checks.h"
#include "ports/message_boxes.h"
#include "ports/program.h"
#include "ports/sound_library.h"
#include "ports/surface.h"
#include "ports/window_frame.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace narabe {

struct Ports {
    Surface& surface;
    MessageBoxes& boxes;
    MenuChecks& menu;
    SoundLibrary& sound;
    Clock& clock;
    Browser& browser;
    WindowFrame& frame;
    Program& program;
    AboutDialog& about;
    FileDialogs& dialogs;
    std::string homePage;                 // opened from the about dialog; empty: the help page
    std::string helpPage = "Narabe1.htm"; // the help page's file name in the data folder
    // Where the game keeps its files. An empty data folder is the current directory: the
    // sounds are opened by their bare names and the help page is looked for in the current
    // directory. An empty settings file is "Narabe1.ini" in the current directory.
    std::filesystem::path dataDir{};      // the sounds and the help page
    std::filesystem::path settingsFile{}; // the settings file
};

} // namespace narabe
