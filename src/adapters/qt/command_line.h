// The game's command line, read before the window system is opened: --help and --version
// print and end the program, Qt's own options are left to Qt, anything else is an error.
#pragma once

#include <optional>
#include <ostream>

namespace narabe {

// Reads the arguments. Returns the exit status when the program is to end at once (0 after
// --help or --version, printed to `out`; 2 after an unknown option, with a usage line on
// `err`); nothing when the game is to start.
std::optional<int> readCommandLine(int argc, const char* const* argv, std::ostream& out,
                                   std::ostream& err);

} // namespace narabe
