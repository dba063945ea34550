// Runs a script against the game: start-up first, then one command a line, with every
// observable effect written to the transcript.
#pragma once

#include "adapters/script/transcript.h"
#include "game/game_controller.h"

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
RunResult runScript(GameController& game, const std::function<bool()>& dialogOpen, std::istream& in,
                    Transcript& t, std::ostream& err);

// The game, the board and the one-move computer's near points, in the transcript's dump form.
void dumpGame(const Game& game, Transcript& t);

} // namespace narabe
