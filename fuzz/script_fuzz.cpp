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

void checkState(const State& st) {
    using narabe::fuzz::require;
    require(st.MoveCount >= 0 && st.MoveCount <= st.MoveTotal);
    require(st.Positions(st.MoveCount) == st.Board);
    for (int k = 0; k < st.MoveCount; ++k)
        require(st.Board(st.MoveX(k), st.MoveY(k)) == st.MoveStone(k));
    if (st.GameState != NO_GAME)
        require((st.Turn == BLACK && st.Opponent == WHITE) ||
                (st.Turn == WHITE && st.Opponent == BLACK));
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
    checkState(session.game().state());
    return 0;
}
