// Script lines for moves and transcript fields.
#include "script/moves.h"

#include <algorithm>

namespace narabe::test {

std::string press(Pt p) {
    return "press " + std::to_string(300 + 315 * p.x + 150) + " " +
           std::to_string(50 + 315 * p.y + 150) + "\n";
}

std::string alternate(const std::vector<Pt>& black, const std::vector<Pt>& white) {
    std::string s;
    for (std::size_t i = 0; i < std::max(black.size(), white.size()); ++i) {
        if (i < black.size()) s += press(black[i]);
        if (i < white.size()) s += press(white[i]);
    }
    return s;
}

std::vector<std::string> after(const ScriptRun& r, std::size_t from) {
    return {r.lines.begin() + static_cast<std::ptrdiff_t>(std::min(from, r.lines.size())),
            r.lines.end()};
}

std::string field(const std::string& line, const std::string& key) {
    for (const std::string& f : splitFields(line))
        if (f.rfind(key + "=", 0) == 0) return f.substr(key.size() + 1);
    return "?";
}

} // namespace narabe::test
