// Playing and taking back moves on the search's board: the stone, the key, the points near
// it, and the line codes and tallies of every point on the four lines through it.
#include "computer/search/board.h"

#include "rules/line_facts.h"

#include <algorithm>

namespace narabe {

namespace {

// Fixed random keys of a stone of each side on each point, from a fixed seed, so that the
// same position always has the same key.
constexpr std::uint64_t splitMix(std::uint64_t& seed) {
    std::uint64_t z = (seed += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

constexpr std::size_t SIDE = TABLE_SIDE;

struct Keys {
    std::array<std::array<std::uint64_t, SIDE * SIDE>, 2> stone{};
    std::uint64_t whiteToMove = 0;
};

constexpr Keys makeKeys() {
    Keys k;
    std::uint64_t seed = 20260515;
    for (auto& side : k.stone)
        for (std::uint64_t& key : side)
            key = splitMix(seed);
    k.whiteToMove = splitMix(seed);
    return k;
}

constexpr Keys KEYS = makeKeys();

std::uint64_t stoneKey(Stone side, Point s) {
    return KEYS.stone[side == BLACK ? 0 : 1]
                     [static_cast<std::size_t>(s.x) * SIDE + static_cast<std::size_t>(s.y)];
}

// 3^n, the weight of digit n of a line code.
constexpr std::size_t DIGITS = 2 * static_cast<std::size_t>(LINE_REACH);
constexpr std::array<LineCode, DIGITS> DIGIT_WEIGHT = [] {
    std::array<LineCode, DIGITS> w{};
    LineCode p = 1;
    for (LineCode& d : w) {
        d = p;
        p *= 3;
    }
    return w;
}();

} // namespace

SearchBoard::SearchBoard(const Board& stones, Stone toMove)
    : cells_(stones), tallies_(lineTallies()), toMove_(toMove) {
    if (toMove == WHITE) key_ ^= KEYS.whiteToMove;
    forEachPoint([&](int x, int y) {
        for (const Stone side : {BLACK, WHITE}) {
            Lines& l = lines_(x, y);
            const std::size_t v = sideIndex(side);
            l.codes[v] = lineCodes(cells_, {x, y}, side);
            for (const LineCode code : l.codes[v])
                l.sums[v] += tallies_[code];
        }
        const Cell c = cells_(x, y);
        if (c != Cell::BLACK && c != Cell::WHITE) return;
        key_ ^= stoneKey(stoneIn(c), {x, y});
        mark({x, y}, +1);
        widen({x, y});
        ++played_;
    });
}

Point SearchBoard::along(Point s, std::size_t line, int steps) {
    const Step d = step(LINE_DIRS[line]);
    return {s.x + steps * d.dx, s.y + steps * d.dy};
}

void SearchBoard::play(Point s) {
    moves_.push_back({s, area_});
    cells_(s.x, s.y) = cellOf(toMove_);
    key_ ^= stoneKey(toMove_, s) ^ KEYS.whiteToMove;
    mark(s, +1);
    widen(s);
    recode(s, toMove_, +1);
    ++played_;
    toMove_ = otherStone(toMove_);
}

void SearchBoard::undo() {
    const Point s = moves_.back().at;
    area_ = moves_.back().area;
    moves_.pop_back();
    toMove_ = otherStone(toMove_);
    --played_;
    cells_(s.x, s.y) = EMPTY;
    mark(s, -1);
    recode(s, toMove_, -1);
    key_ ^= stoneKey(toMove_, s) ^ KEYS.whiteToMove;
}

// Changes the digit of a stone of `side` on s, placed (+1) or taken back (-1), in the codes of
// the lines through s of every point within reach (its own stone to `side`, the other's to
// the other side), and the tallies of those lines in the points' sums.
void SearchBoard::recode(Point s, Stone side, int change) {
    const std::size_t own = sideIndex(side);
    const std::size_t other = 1 - own;
    const LineTally* tallies = tallies_.data();
    for (std::size_t i = 0; i < LINE_DIRS.size(); ++i) {
        const Step d = step(LINE_DIRS[i]);
        // s is k cells along the step from the points before it (digit k - 1) and k cells
        // against it from the points after it (digit LINE_REACH + k - 1).
        for (const int sign : {-1, 1}) {
            const std::size_t firstDigit = sign < 0 ? 0 : LINE_REACH;
            for (int k = 1; k <= LINE_REACH; ++k) {
                const int x = s.x + sign * k * d.dx;
                const int y = s.y + sign * k * d.dy;
                if (!onBoard(x, y)) break;
                const LineCode w = DIGIT_WEIGHT[firstDigit + static_cast<std::size_t>(k - 1)];
                const LineCode ownDigit = change > 0 ? w * LINE_OWN : 0 - w * LINE_OWN;
                const LineCode shutDigit = change > 0 ? w * LINE_SHUT : 0 - w * LINE_SHUT;
                Lines& l = lines_(x, y);
                LineCode& ownCode = l.codes[own][i];
                LineCode& otherCode = l.codes[other][i];
                l.sums[own] -= tallies[ownCode];
                l.sums[other] -= tallies[otherCode];
                ownCode += ownDigit;
                otherCode += shutDigit;
                l.sums[own] += tallies[ownCode];
                l.sums[other] += tallies[otherCode];
            }
        }
    }
}

// Takes the points near a stone into the area of the candidates.
void SearchBoard::widen(Point s) {
    const Area near{
        std::max(s.x - NEAR_RADIUS, FIRST_POINT), std::min(s.x + NEAR_RADIUS, LAST_POINT),
        std::max(s.y - NEAR_RADIUS, FIRST_POINT), std::min(s.y + NEAR_RADIUS, LAST_POINT)};
    if (played_ == 0) {
        area_ = near;
        return;
    }
    area_ = {std::min(area_.left, near.left), std::max(area_.right, near.right),
             std::min(area_.top, near.top), std::max(area_.bottom, near.bottom)};
}

// Counts a stone placed (+1) or taken back (-1) at every point near it.
void SearchBoard::mark(Point s, int change) {
    for (int x = s.x - NEAR_RADIUS; x <= s.x + NEAR_RADIUS; ++x)
        for (int y = s.y - NEAR_RADIUS; y <= s.y + NEAR_RADIUS; ++y)
            if (onBoard(x, y)) near_(x, y) = static_cast<std::uint8_t>(near_(x, y) + change);
}

} // namespace narabe
