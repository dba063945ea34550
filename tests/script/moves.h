// Script lines for moves on points, and reading fields of transcript lines.
#pragma once

#include "script/script_harness.h"

#include <string>
#include <vector>

namespace narabe::test {

struct Pt {
    int x;
    int y;
};

// A press in the middle of the cell of point (x, y).
std::string press(Pt p);
// Presses for alternating moves, black first.
std::string alternate(const std::vector<Pt>& black, const std::vector<Pt>& white);
// The transcript from line `from` on.
std::vector<std::string> after(const ScriptRun& r, std::size_t from);
// The value of KEY in a "state" line ("KEY=value" fields), or "?".
std::string field(const std::string& line, const std::string& key);

} // namespace narabe::test
