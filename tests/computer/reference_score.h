// A straightforward model of the computer's evaluation and scan for the property tests: the
// stone is put on a copy of the board, the lines are read with the sixteen named probes, and
// the eight patterns are tried one after another, as a person would work them out by hand.
#pragma once

#include "common/scan_position.h"
#include "computer/scan/scan.h"

namespace narabe::test {

// The score of the empty point (x, y) for the computer.
double referenceScore(const ScanPosition& st, int x, int y);

// The computer's choice: the first point, x outer and y inner, with the highest score among
// the flagged empty points that are not a double three or a double four for its stone.
Choice referenceChoice(const ScanPosition& st);

} // namespace narabe::test
