// Wiring the recording ports to the game.
#include "adapters/script/session.h"

#include <utility>

namespace narabe {

ScriptSession::ScriptSession(std::ostream& out, SoundLibrary& sound, Options options)
    : t_(out), surface_(t_), boxes_(t_), menu_(t_), sound_(t_, sound), clock_(t_),
      browser_(t_, options.browserFails), frame_(t_), program_(t_), about_(t_),
      game_(Ports{.surface = surface_,
                  .boxes = boxes_,
                  .menu = menu_,
                  .sound = sound_,
                  .clock = clock_,
                  .browser = browser_,
                  .frame = frame_,
                  .program = program_,
                  .about = about_,
                  .dialogs = dialogs_,
                  .homePage = std::move(options.homePage)}) {}

RunResult ScriptSession::run(std::istream& script, std::ostream& err) {
    game_.load();
    return runScript(
        game_, [this] { return about_.open(); }, script, t_, err);
}

} // namespace narabe
