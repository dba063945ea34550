// The board the searching levels play on: the stones, the side to move, the moves played so
// that they can be taken back, a key of the position, and which empty points lie near the
// stones (the only ones worth trying). For every point and both sides it keeps the codes of
// the four lines through it and the sum of their tallies, changed digit by digit and line by
// line as stones come and go, so that what a point is worth is read off at once.
#pragma once

#include "computer/search/shapes.h"
#include "state/board.h"

#include <array>
#include <cstdint>
#include <vector>

namespace narabe {

class SearchBoard {
  public:
    SearchBoard(const Board& stones, Stone toMove);

    [[nodiscard]] Stone toMove() const { return toMove_; }
    [[nodiscard]] bool empty(Point s) const { return cells_(s.x, s.y) == EMPTY; }
    // An empty point within two points of a stone on both axes, or the middle point of an
    // empty board.
    [[nodiscard]] bool candidate(Point s) const {
        return empty(s) && (near_(s.x, s.y) > 0 || (played_ == 0 && s == MIDDLE_POINT));
    }
    // Calls f(s) for every candidate point s, x = 1..19 (outer) and y = 1..19 (inner).
    template <class F> void forEachCandidate(F&& f) const {
        for (int x = area_.left; x <= area_.right; ++x)
            for (int y = area_.top; y <= area_.bottom; ++y)
                if (candidate({x, y})) f(Point{x, y});
    }
    // What `side` would make by playing the empty point s, line by line.
    [[nodiscard]] Sight sight(Point s, Stone side) const {
        return sightOf(lines_(s.x, s.y).codes[sideIndex(side)]);
    }
    // The same in brief.
    [[nodiscard]] Prospect prospect(Point s, Stone side) const {
        return prospectOf(lines_(s.x, s.y).sums[sideIndex(side)]);
    }
    // The point `steps` cells from s along line `line` of a sight.
    [[nodiscard]] static Point along(Point s, std::size_t line, int steps);
    [[nodiscard]] std::uint64_t key() const { return key_; }

    // The side to move plays the empty point s; then the other side is to move.
    void play(Point s);
    // Takes back the last move played.
    void undo();

  private:
    // A rectangle of points that holds every candidate: the stones' with the points near them.
    struct Area {
        int left;
        int right;
        int top;
        int bottom;
    };
    struct Played {
        Point at;
        Area area; // before the move
    };

    // The lines through a point for [BLACK, WHITE]: their codes, and their tallies summed.
    struct Lines {
        std::array<std::array<LineCode, 4>, 2> codes;
        std::array<LineTally, 2> sums;
    };

    static std::size_t sideIndex(Stone side) { return side == BLACK ? 0 : 1; }
    void mark(Point s, int change);
    void recode(Point s, Stone side, int change);
    void widen(Point s);

    Board cells_;
    PointTable<std::uint8_t> near_{0}; // stones within two points on both axes
    PointTable<Lines> lines_{};
    const std::vector<LineTally>& tallies_;
    Stone toMove_;
    std::uint64_t key_ = 0;
    int played_ = 0; // stones on the board
    Area area_{MIDDLE_POINT.x, MIDDLE_POINT.x, MIDDLE_POINT.y, MIDDLE_POINT.y};
    std::vector<Played> moves_;
};

} // namespace narabe
