// The script's commands: their names, where their input goes, and how each one's arguments
// are parsed into what it does to the game. The runner looks a line's first field up here.
#pragma once

#include "adapters/script/transcript.h"
#include "game/game_controller.h"

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace narabe {

// Where a command's input goes. The about dialog is modal: while it is open the window
// system drops input to the main window, and its buttons exist only while it is open.
enum class Target {
    MAIN_WINDOW,  // runs only while the about dialog is closed
    ABOUT_DIALOG, // runs only while the about dialog is open
    RUNNER,       // the runner's own command: always runs
};

// Whether input for `target` is taken, given whether the about dialog is open. Input that
// is not taken is printed as an "ignored" line.
constexpr bool taken(Target target, bool dialogOpen) {
    switch (target) {
    case Target::MAIN_WINDOW:
        return !dialogOpen;
    case Target::ABOUT_DIALOG:
        return dialogOpen;
    case Target::RUNNER:
        return true;
    }
    return false;
}

// What a parsed command does when it runs.
using Action = std::function<void(GameController& game, Transcript& t)>;

// A command's line parsed: its action, or why the arguments do not parse.
struct Parsed {
    Action action;
    std::string error; // empty when the line parsed
};

using Fields = std::span<const std::string>;

struct ScriptCommand {
    std::string_view name;
    Target target;
    Parsed (*parse)(Fields args);
};

Parsed parsePress(Fields args);
Parsed parseMenu(Fields args);
Parsed parseKey(Fields args);
Parsed parseClose(Fields args);
Parsed parseButton(Fields args);
Parsed parseDump(Fields args);
Parsed parseSave(Fields args);
Parsed parseOpen(Fields args);

inline const std::array<ScriptCommand, 8> SCRIPT_COMMANDS = {{
    {"press", Target::MAIN_WINDOW, parsePress},
    {"menu", Target::MAIN_WINDOW, parseMenu},
    {"key", Target::MAIN_WINDOW, parseKey},
    {"close", Target::MAIN_WINDOW, parseClose},
    {"button", Target::ABOUT_DIALOG, parseButton},
    {"dump", Target::RUNNER, parseDump},
    {"save", Target::MAIN_WINDOW, parseSave},
    {"open", Target::MAIN_WINDOW, parseOpen},
}};

// The command of that name, or nullptr.
const ScriptCommand* findScriptCommand(std::string_view name);

// A token of the script for an error message: whole and in quotes when it is short, else
// its first 60 characters and how many bytes it had.
std::string quotedToken(std::string_view token);

} // namespace narabe
