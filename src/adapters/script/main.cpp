// narabe-script: runs the game headless from a script and prints every observable effect
// as a transcript line.
//
//   narabe-script [--no-sound-device] [--browser-fails] [SCRIPT]
//
// The script is read from SCRIPT, or from standard input when it is absent or "-": a regular
// file, a pipe or a terminal, in lines of at most 1 MiB.
#include "adapters/script/script_input.h"
#include "adapters/script/session.h"
#include "adapters/sdl/sdl_sound_library.h"
#include "support/help.h"

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    using namespace narabe;
    bool noSoundDevice = false;
    bool browserFails = false;
    std::string scriptPath = "-";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--no-sound-device")
            noSoundDevice = true;
        else if (arg == "--browser-fails")
            browserFails = true;
        else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            std::cerr << "narabe-script: unknown option " << arg << '\n';
            return 1;
        } else
            scriptPath = arg;
    }

    const ScriptInput script = openScript(scriptPath);
    if (script.status != 0) {
        std::cerr << "narabe-script: " << script.error << '\n';
        return script.status;
    }
    std::istream in(script.buffer.get());

    try {
        SdlSoundLibrary real(SdlSoundLibrary::Options{"dummy", noSoundDevice});
        const char* home = std::getenv("NARABE_HOME_PAGE");
        ScriptSession session(
            std::cout, real,
            {.browserFails = browserFails,
             .homePage = home != nullptr ? std::string(home) : std::string(HOME_PAGE)});
        const RunResult r = session.run(in, std::cerr);
        std::cout.flush();
        if (!std::cout) {
            std::cerr << "narabe-script: the transcript could not be written\n";
            return 1;
        }
        return r.status;
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "narabe-script: " << e.what() << '\n';
        return 1;
    }
}
