// Runs a script against the game: start-up first, then one command a line, with every
// observable effect written to the transcript.
#pragma once

#include "adapters/script/transcript.h"
#include "game/form1.h"

#include <functional>
#include <istream>
#include <ostream>

namespace narabe {

struct RunResult {
    int status = 0; // 0 ran to its end or the program ended; 2 a line that does not parse;
                    // 1 the script could not be read
    int badLine = 0;
};

// Runs the script read from `in` on a game whose start-up has already run. While
// `dialogOpen` says the about dialog is open, only its buttons and dump are run.
RunResult runScript(Form1& game, const std::function<bool()>& dialogOpen, std::istream& in,
                    Transcript& t, std::ostream& err);

// The game state, the board and the computer's flags, in the transcript's dump form.
void dumpState(const State& st, Transcript& t);

} // namespace narabe
