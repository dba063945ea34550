// Fuzz target: any script through the runner in-process, against the recording ports with
// the transcript dropped, from a start-up without a settings file; afterwards the game
// state must keep its invariants, whatever the script did. A script that could save a game
// record is not run: its path could name any file of the machine.
#include "adapters/script/session.h"
#include "fuzz/fuzz_support.h"
#include "support/settings.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using namespace narabe;

void checkState(const Game& st) {
    using narabe::fuzz::require;
    require(st.moveCount >= 0 && st.moveCount <= st.moveTotal);
    require(st.positions(st.moveCount) == st.board);
    for (int k = 0; k < st.moveCount; ++k)
        require(st.board(st.moves(k).at) == st.moves(k).stone);
    if (st.mode != Mode::NO_GAME)
        require((st.turn == BLACK && st.opponent == WHITE) ||
                (st.turn == WHITE && st.opponent == BLACK));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace narabe::fuzz;
    static const bool entered = [] {
        std::filesystem::current_path(scratchFolder());
        return true;
    }();
    (void)entered;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (text.find("save") != std::string_view::npos) return 0;
    // Each script starts as the game does without a settings file.
    std::error_code ignored;
    std::filesystem::remove(SETTINGS_FILE, ignored);

    NullStream transcript;
    NullStream errors;
    QuietSound sound;
    ScriptSession session(transcript, sound, {.browserFails = size % 2 == 1, .homePage = "home"});
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    session.run(script, errors);
    checkState(session.game().game());
    return 0;
}
