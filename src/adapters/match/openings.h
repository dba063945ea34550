// The positions a match starts its games from: random three-stone openings in the centre
// 7 x 7 square, or the openings of a file.
//
// An openings file holds one opening a line: its moves as "x,y" points (counted from 0, as
// the protocol counts them) separated by spaces, black first and the sides alternating. Blank
// lines and lines starting with '#' are skipped. Every move must be on an empty point the
// rules allow its side, and none may make five.
#pragma once

#include "adapters/brain/protocol_text.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace narabe {

struct Opening {
    std::vector<Point> moves; // black first, then the sides alternating
    bool operator==(const Opening&) const = default;
};

// Stones in a random opening, and the side of the centre square they are put in.
inline constexpr int OPENING_STONES = 3;
inline constexpr int OPENING_SQUARE = 7;

// `count` different openings of three stones, black, white, black, each a point of the
// centre 7 x 7 square that the rules allow its side; the same seed gives the same openings.
std::vector<Opening> randomOpenings(int count, std::uint32_t seed);

// Why the opening cannot be played ("move 2 (9,9): occupied"), or nothing.
std::optional<std::string> openingFault(const Opening& opening);

// The openings of a file; throws std::runtime_error naming the line of the first fault.
std::vector<Opening> readOpenings(std::istream& in);

} // namespace narabe
