// The game's command line, read before the window system is opened: --help and --version
// print and end the program, --lang ja|en chooses the window's language, Qt's own options
// are left to Qt, one other argument names a game record to open, anything else is an
// error.
#pragma once

#include "adapters/qt/language.h"

#include <filesystem>
#include <optional>
#include <ostream>

namespace narabe {

struct CommandLine {
    // The program ends at once with this status: 0 after --help or --version, printed to
    // `out`; 2 after an unknown option or a second record, with a usage line on `err`.
    std::optional<int> exitStatus;
    // The game record to open once the window shows (the desktop entry's %f).
    std::optional<std::filesystem::path> record;
    // The window's language when --lang names one; else the desktop's.
    std::optional<Language> language;
};

CommandLine readCommandLine(int argc, const char* const* argv, std::ostream& out,
                            std::ostream& err);

} // namespace narabe
