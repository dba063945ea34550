// Reading the candidate points from the board's prospects.
#include "computer/search/movepick.h"

#include <algorithm>

namespace narabe {

void readCandidates(const SearchBoard& board, Candidates& c) {
    const Stone own = board.toMove();
    const Stone other = otherStone(own);
    c.ownFive = false;
    c.theirFives = 0;
    c.ownWinningFour = false;
    c.ownFour = false;
    c.theirWinningFour = false;
    c.options.clear();
    std::int64_t ownSum = 0;
    std::int64_t theirSum = 0;
    board.forEachCandidate([&](Point s) {
        const Option o{s, board.prospect(s, own), board.prospect(s, other)};
        if (o.own.five) {
            c.ownFive = true;
            c.ownFiveAt = s;
        }
        if (o.theirs.five) {
            ++c.theirFives;
            c.theirFiveAt = s;
        }
        c.theirWinningFour = c.theirWinningFour || o.theirs.winningFour;
        ownSum += o.own.value;
        theirSum += o.theirs.value;
        if (!o.own.allowed) return;
        c.ownWinningFour = c.ownWinningFour || o.own.winningFour;
        c.ownFour = c.ownFour || o.own.fours > 0;
        c.options.push_back(o);
    });
    // The side to move is a move ahead: what it could make counts in full, what the other side
    // could make four fifths (the weight that did best in matches between the levels).
    c.worth = ownSum - theirSum * 4 / 5;
}

void bestFirst(std::vector<Option>& options, std::size_t count) {
    bestFirst(options.begin(), options.end(), count);
}

void bestFirst(std::vector<Option>::iterator first, std::vector<Option>::iterator last,
               std::size_t count) {
    // Board order breaks ties, so the order never depends on how the sort works.
    const auto better = [](const Option& a, const Option& b) {
        if (a.score() != b.score()) return a.score() > b.score();
        return a.at.x != b.at.x ? a.at.x < b.at.x : a.at.y < b.at.y;
    };
    const auto n = std::min(static_cast<std::ptrdiff_t>(count), last - first);
    std::partial_sort(first, first + n, last, better);
}

} // namespace narabe
