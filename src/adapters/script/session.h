// The game wired to the script runner's recording ports, as narabe-script runs it: start-up,
// then the script, with every effect written to one transcript.
#pragma once

#include "adapters/script/recording_ports.h"
#include "adapters/script/runner.h"
#include "adapters/script/transcript.h"
#include "game/game_controller.h"
#include "ports/sound_library.h"

#include <istream>
#include <ostream>
#include <string>

namespace narabe {

class ScriptSession {
  public:
    struct Options {
        bool browserFails = false; // every page fails to open
        std::string homePage;      // the about dialog's home page
    };

    // The transcript goes to `out`; the sound calls go on to `sound` once printed.
    ScriptSession(std::ostream& out, SoundLibrary& sound, Options options);

    // Start-up, then the script's lines until its end, a bad line or the end of the program.
    RunResult run(std::istream& script, std::ostream& err);

    [[nodiscard]] const GameController& game() const { return game_; }

  private:
    Transcript t_;
    RecordingSurface surface_;
    RecordingBoxes boxes_;
    RecordingMenu menu_;
    RecordingSound sound_;
    RecordingClock clock_;
    RecordingBrowser browser_;
    RecordingFrame frame_;
    RecordingProgram program_;
    RecordingAbout about_;
    CancelledDialogs dialogs_;
    GameController game_;
};

} // namespace narabe
