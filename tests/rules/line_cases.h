// One-line pictures through the point P and what each line contributes to the double
// checks: whether it carries a four (at most one per line), an open three (at most one per
// line), or makes exactly five. Every other line through P is empty.
#pragma once

#include <array>

namespace narabe::test {

struct LineCase {
    const char* picture;
    int fours;  // 0 or 1
    int threes; // 0 or 1
    bool five;  // the stone on P makes exactly five on this line
};

inline constexpr std::array LINE_CASES = {
    // straight fours: four in a row with at least one open end
    LineCase{"_ X X X P _", 1, 0, false},
    LineCase{"O X X X P _", 1, 0, false},
    LineCase{"O X X X P O", 0, 0, false},
    LineCase{"| X X X P _", 1, 0, false}, // the edge end reports the edge stone
    LineCase{"_ X X X P |", 1, 0, false},
    LineCase{"| X X X P O", 0, 0, false},
    LineCase{"_ X X X P _ |", 1, 0, false}, // an empty edge point is an open end
    // split fours: filling the gap beside the run makes exactly five, open beyond
    LineCase{"_ X X _ P X _", 1, 0, false},
    LineCase{"O X X _ P X _", 0, 0, false}, // left fill closed beyond, right fill short
    LineCase{"| X X _ P X _", 0, 0, false}, // left fill reaches the edge
    LineCase{"_ X X _ P X |", 1, 0, false},
    LineCase{"_ X X X _ P _ X X X _", 1, 0, false}, // two fours on one line count once
    LineCase{"_ X X X _ P _", 1, 0, false},
    LineCase{"_ X X X _ P O", 1, 0, false},
    LineCase{"O X X X _ P _", 0, 0, false},
    LineCase{"_ P _ X X X _", 1, 0, false}, // the gap on the second side
    LineCase{"_ P _ X X X O", 0, 0, false},
    LineCase{"_ P X _ X X _", 1, 0, false},
    LineCase{"O X X P _ X _", 1, 0, false},
    LineCase{"O X X P _ X O", 0, 0, false},
    LineCase{"_ X X X _ P X _", 0, 0, false}, // the fill would make six
    LineCase{"_ X X X X _ P _", 0, 0, false},
    // lines that are a four and an open three at once
    LineCase{"_ X _ P X X _", 1, 1, false},
    LineCase{"_ X P X _ X _", 1, 1, false},
    LineCase{"_ X X P _ X _", 1, 1, false},
    LineCase{"_ X _ X X P _", 1, 1, false},
    // straight threes: three in a row, both end cells open
    LineCase{"_ X P X _", 0, 1, false},
    LineCase{"O X P X _", 0, 0, false},
    LineCase{"O _ X P X _ O", 0, 1, false}, // what lies beyond the open ends is not looked at
    LineCase{"| X P X _", 0, 0, false},
    LineCase{"| _ X P X _", 0, 1, false},
    LineCase{"_ X X P _", 0, 1, false},
    LineCase{"| X X P _", 0, 0, false},
    LineCase{"| _ X X P _", 0, 1, false},
    LineCase{"_ X X P _ |", 0, 1, false},
    // split threes: filling the gap makes exactly four, open beyond
    LineCase{"_ X _ P X _ _", 0, 1, false},
    LineCase{"_ P _ X X _ _", 0, 1, false},
    LineCase{"O X _ P X _", 0, 0, false},
    LineCase{"_ X _ P _ X _", 0, 0, false},
    LineCase{"_ X X _ P _", 0, 1, false},
    LineCase{"O X X _ P _", 0, 0, false},
    LineCase{"_ X X _ P _ X X _", 0, 1, false}, // two threes on one line count once
    LineCase{"_ X _ P X _ |", 0, 1, false},
    LineCase{"| X _ P X _", 0, 0, false},
    LineCase{"_ P _ X X O", 0, 0, false},
    LineCase{"_ P _ X X _ |", 0, 1, false},
    LineCase{"_ P _ X X |", 0, 0, false},
    LineCase{"_ X P _ X _", 0, 1, false},
    LineCase{"_ X P _ X O", 0, 0, false},
    // fives and longer lines
    LineCase{"_ X X X X P _", 0, 0, true},
    LineCase{"_ X X P X X _", 0, 0, true},
    LineCase{"| X X X X P _", 0, 0, true},
    LineCase{"O X X X X P O", 0, 0, true},
    LineCase{"_ X X X P X _", 0, 0, true},
    LineCase{"_ X X X X P X _", 0, 0, false},
    LineCase{"_ X X X X X P _", 0, 0, false},
    LineCase{"_ X X X P X X X _", 0, 0, false},
    // nothing of the tested code
    LineCase{"_ P _", 0, 0, false},
    LineCase{"_ O O O P _", 0, 0, false},
    LineCase{"_ O P O _", 0, 0, false},
    LineCase{"_ X O X P X _", 0, 0, false},
};

} // namespace narabe::test
