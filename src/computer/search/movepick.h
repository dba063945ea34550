// The points a searching level considers in a position, read once per position: the points
// that would make five for either side, whether the other side threatens two five points,
// the moves the side to move may play with their promise, and the position's worth for the
// side to move.
#pragma once

#include "computer/search/board.h"

#include <cstdint>
#include <vector>

namespace narabe {

struct Option {
    Point at;
    Prospect own;    // what the side to move makes there
    Prospect theirs; // what the other side would make there
    // What the move gains, and what it takes from the other side.
    [[nodiscard]] std::int64_t score() const { return std::int64_t{own.value} + theirs.value; }
};

struct Candidates {
    bool ownFive = false;
    Point ownFiveAt;
    int theirFives = 0;          // points where the other side would make five
    Point theirFiveAt;           // one of them
    bool ownWinningFour = false; // the side to move can leave two points that make five
    bool ownFour = false;        // it can leave one
    // The other side could leave two five points with its next move, so that the side to
    // move must stop it or keep forcing.
    bool theirWinningFour = false;
    std::vector<Option> options; // every candidate the side to move may play, in board order
    // The position for the side to move: what the candidates are worth to it, less most of
    // what they are worth to the other side.
    std::int64_t worth = 0;
};

// Reads every candidate point of the board into `c` (its storage is reused).
void readCandidates(const SearchBoard& board, Candidates& c);

// Puts the `count` most promising options first, best first, ties in board order.
void bestFirst(std::vector<Option>& options, std::size_t count);
// The same within [first, last).
void bestFirst(std::vector<Option>::iterator first, std::vector<Option>::iterator last,
               std::size_t count);

} // namespace narabe
