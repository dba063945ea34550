// Playing and taking back moves on the search's board: the stone, the key, the points near
// it, and the line codes and prospects of every point on the four lines through it.
#include "computer/search_board.h"

#include "computer/near_flags.h"
#include "rules/line_facts.h"

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

struct Keys {
    std::array<std::array<std::uint64_t, TABLE_SIDE * TABLE_SIDE>, 2> stone{};
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

std::uint64_t stoneKey(Stone side, Spot s) {
    return KEYS.stone[side == BLACK ? 0 : 1][static_cast<std::size_t>(s.x * TABLE_SIDE + s.y)];
}

// 3^n, the weight of digit n of a line code.
constexpr std::array<LineCode, 2 * LINE_REACH> DIGIT_WEIGHT = [] {
    std::array<LineCode, 2 * LINE_REACH> w{};
    LineCode p = 1;
    for (LineCode& d : w) {
        d = p;
        p *= 3;
    }
    return w;
}();

} // namespace

SearchBoard::SearchBoard(const Grid& stones, Stone toMove)
    : cells_(stones), shapes_(lineShapes()), toMove_(toMove) {
    if (toMove == WHITE) key_ ^= KEYS.whiteToMove;
    forEachPoint([&](int x, int y) {
        for (const Stone side : {BLACK, WHITE})
            codes_(x, y)[sideIndex(side)] = lineCodes(cells_, x, y, side);
        const Cell c = cells_(x, y);
        if (c != Cell::BLACK && c != Cell::WHITE) return;
        key_ ^= stoneKey(stoneIn(c), {x, y});
        mark({x, y}, +1);
        ++played_;
    });
    forEachPoint([&](int x, int y) { reread({x, y}); });
}

Spot SearchBoard::along(Spot s, std::size_t line, int steps) {
    const Step d = step(LINE_DIRS[line]);
    return {s.x + steps * d.dx, s.y + steps * d.dy};
}

void SearchBoard::play(Spot s) {
    moves_.push_back({s, totals_, saved_.size()});
    cells_(s.x, s.y) = cellOf(toMove_);
    key_ ^= stoneKey(toMove_, s) ^ KEYS.whiteToMove;
    mark(s, +1);
    recode(s, toMove_, +1);
    ++played_;
    toMove_ = otherStone(toMove_);
}

void SearchBoard::undo() {
    const Played m = moves_.back();
    moves_.pop_back();
    toMove_ = otherStone(toMove_);
    --played_;
    cells_(m.at.x, m.at.y) = EMPTY;
    mark(m.at, -1);
    recode(m.at, toMove_, -1);
    key_ ^= stoneKey(toMove_, m.at) ^ KEYS.whiteToMove;
    while (saved_.size() > m.firstSaved) {
        const Saved& old = saved_.back();
        prospects_(old.at.x, old.at.y) = old.prospects;
        saved_.pop_back();
    }
    totals_ = m.totals;
}

// Changes the digit of a stone of `side` on s, placed (+1) or taken back (-1), in the codes of
// the lines through s of every point within reach: its own stone to `side`, the other's to
// the other side. A placed stone also has those points and s read again.
void SearchBoard::recode(Spot s, Stone side, int change) {
    const std::size_t own = sideIndex(side);
    for (std::size_t i = 0; i < LINE_DIRS.size(); ++i) {
        const Step d = step(LINE_DIRS[i]);
        for (int k = 1; k <= LINE_REACH; ++k) {
            // s is k cells along the step from the point before it, k against it from the
            // point after it.
            const std::array<Spot, 2> points = {Spot{s.x - k * d.dx, s.y - k * d.dy},
                                                Spot{s.x + k * d.dx, s.y + k * d.dy}};
            const std::array<std::size_t, 2> digits = {static_cast<std::size_t>(k - 1),
                                                       static_cast<std::size_t>(LINE_REACH + k - 1)};
            for (std::size_t j = 0; j < 2; ++j) {
                const Spot p = points[j];
                if (!onBoard(p.x, p.y)) continue;
                const LineCode w = DIGIT_WEIGHT[digits[j]];
                auto& codes = codes_(p.x, p.y);
                if (change > 0) {
                    codes[own][i] += w * LINE_OWN;
                    codes[1 - own][i] += w * LINE_SHUT;
                    reread(p);
                } else {
                    codes[own][i] -= w * LINE_OWN;
                    codes[1 - own][i] -= w * LINE_SHUT;
                }
            }
        }
    }
    if (change > 0) reread(s);
}

// Reads the prospects of s for both sides again, keeping the old ones for undo() and the
// totals up to date.
void SearchBoard::reread(Spot s) {
    std::array<Prospect, 2>& prospects = prospects_(s.x, s.y);
    if (!moves_.empty()) saved_.push_back({s, prospects});
    for (std::size_t side = 0; side < 2; ++side) {
        Prospect& p = prospects[side];
        totals_[side] -= p.value;
        p = empty(s) ? prospectOf(shapes_, codes_(s.x, s.y)[side]) : Prospect{};
        totals_[side] += p.value;
    }
}

// Counts a stone placed (+1) or taken back (-1) at every point near it.
void SearchBoard::mark(Spot s, int change) {
    for (int x = s.x - NEAR_RADIUS; x <= s.x + NEAR_RADIUS; ++x)
        for (int y = s.y - NEAR_RADIUS; y <= s.y + NEAR_RADIUS; ++y)
            if (onBoard(x, y)) near_(x, y) = static_cast<std::uint8_t>(near_(x, y) + change);
}

} // namespace narabe
