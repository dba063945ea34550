// Fuzz target: any bytes through the engine's line splitter and protocol session at 初級.
// Every line gets at most one answer line, which is "OK", ABOUT's line, "ERROR message" or a
// point on the board; a move is the engine's own stone on a point the rules allowed it, and
// a TURN or BEGIN leaves every stone that was on the board where it was; after END nothing
// is answered.
#include "adapters/brain/brain_session.h"
#include "adapters/brain/protocol_text.h"
#include "fuzz/fuzz_support.h"
#include "rules/judge.h"

#include <string>
#include <vector>

namespace {

using namespace narabe;
using narabe::fuzz::require;

void checkAnswer(const BrainSession& brain, std::string_view line, const Board& before,
                 const std::string& answer) {
    if (answer == "OK" || answer.starts_with("name=\"NarabeI\"")) return;
    if (answer.starts_with("ERROR ")) {
        require(answer.size() > 6);
        return;
    }
    const std::optional<Point> p = pointText(answer);
    require(p && onBoard(*p) && pointLine(*p) == answer);
    require(brain.own().has_value());
    const Stone own = brain.own().value();
    require(brain.board()(*p) == own);
    Board without = brain.board();
    without(*p) = EMPTY;
    require(!isDoubleThree(without, *p, own));
    require(!isDoubleFour(without, *p, own));
    const std::string_view word = firstWord(line).first;
    if (sameWord(word, "TURN") || sameWord(word, "BEGIN"))
        forEachPoint([&](int px, int py) {
            if (before(px, py) != EMPTY) require(brain.board()(px, py) == before(px, py));
        });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    BrainSession brain(Level::BEGINNER);
    LineSplitter splitter;
    std::vector<std::string> out;
    const auto handle = [&](std::string_view line) {
        const bool ended = brain.ended();
        const Board before = brain.board();
        out.clear();
        brain.handle(line, BrainSession::Clock::now(), out);
        require(out.size() <= 1);
        require(!ended || out.empty());
        for (const std::string& answer : out)
            checkAnswer(brain, line, before, answer);
    };
    splitter.feed(std::string_view(reinterpret_cast<const char*>(data), size), handle);
    splitter.finish(handle);
    return 0;
}
