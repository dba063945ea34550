// The board the searching levels play on: the stones, the side to move, the moves played so
// that they can be taken back, a key of the position, and which empty points lie near the
// stones (the only ones worth trying). For every point and both sides it keeps the codes of
// the four lines through it, changed digit by digit as stones come and go, and what playing
// there would be worth, read again only for the points whose lines a move changed; the sum
// of those worths over the board is kept as it changes.
#pragma once

#include "computer/shapes.h"
#include "state/types.h"

#include <array>
#include <cstdint>
#include <vector>

namespace narabe {

struct Spot {
    int x = 0;
    int y = 0;
    bool operator==(const Spot&) const = default;
};

class SearchBoard {
  public:
    SearchBoard(const Grid& stones, Stone toMove);

    [[nodiscard]] Stone toMove() const { return toMove_; }
    [[nodiscard]] bool empty(Spot s) const { return cells_(s.x, s.y) == EMPTY; }
    // An empty point within two points of a stone on both axes, or the middle point of an
    // empty board.
    [[nodiscard]] bool candidate(Spot s) const {
        return empty(s) && (near_(s.x, s.y) > 0 || (played_ == 0 && s.x == MIDDLE_POINT &&
                                                     s.y == MIDDLE_POINT));
    }
    // What `side` would make by playing the empty point s, line by line.
    [[nodiscard]] Sight sight(Spot s, Stone side) const {
        return sightOf(codes_(s.x, s.y)[sideIndex(side)]);
    }
    // The same in brief; all zero on an occupied point.
    [[nodiscard]] const Prospect& prospect(Spot s, Stone side) const {
        return prospects_(s.x, s.y)[sideIndex(side)];
    }
    // The sum of `side`'s prospect values over the board.
    [[nodiscard]] std::int64_t total(Stone side) const { return totals_[sideIndex(side)]; }
    // The point `steps` cells from s along line `line` of a sight.
    [[nodiscard]] static Spot along(Spot s, std::size_t line, int steps);
    [[nodiscard]] std::uint64_t key() const { return key_; }
    [[nodiscard]] int stones() const { return played_; }

    // The side to move plays the empty point s; then the other side is to move.
    void play(Spot s);
    // Takes back the last move played.
    void undo();

  private:
    // A move played, with what it changed that is put back rather than worked out again.
    struct Played {
        Spot at;
        std::array<std::int64_t, 2> totals;
        std::size_t firstSaved; // its entries in saved_
    };
    // The prospects of a point before a move changed them.
    struct Saved {
        Spot at;
        std::array<Prospect, 2> prospects;
    };

    static std::size_t sideIndex(Stone side) { return side == BLACK ? 0 : 1; }
    void mark(Spot s, int change);
    void recode(Spot s, Stone side, int change);
    void reread(Spot s);

    Grid cells_;
    PointTable<std::uint8_t> near_{0}; // stones within two points on both axes
    // [BLACK's, WHITE's] line codes and prospects of each point.
    PointTable<std::array<std::array<LineCode, 4>, 2>> codes_{};
    PointTable<std::array<Prospect, 2>> prospects_{};
    const std::vector<LineShape>& shapes_;
    std::array<std::int64_t, 2> totals_{};
    Stone toMove_;
    std::uint64_t key_ = 0;
    int played_ = 0; // stones on the board
    std::vector<Played> moves_;
    std::vector<Saved> saved_;
};

} // namespace narabe
