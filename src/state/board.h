// The board: what lies on each point, indexed like a point table, with a margin around it
// that holds UNSET for ever.
#pragma once

#include "state/types.h"

#include <array>
#include <cstddef>

namespace narabe {

// The board: what lies on each point, indexed like a point table, [0..19][0..19], x first,
// with an index out of range a program error that throws. Around the table lies a margin
// of BOARD_MARGIN cells on every side that holds UNSET for ever, so that the line checks can
// read a few cells beyond any point of the board without testing where the board ends.
inline constexpr int BOARD_MARGIN = 5;

class Board {
  public:
    // Cells between neighbours in the storage, along x and along y.
    static constexpr std::ptrdiff_t X_STEP = TABLE_SIDE + 2 * BOARD_MARGIN;
    static constexpr std::ptrdiff_t Y_STEP = 1;

    // Every cell UNSET.
    constexpr Board() { cells_.fill(Cell::UNSET); }

    constexpr Cell& operator()(int x, int y) { return cells_[index(x, y)]; }
    constexpr const Cell& operator()(int x, int y) const { return cells_[index(x, y)]; }
    constexpr Cell& operator()(Point p) { return (*this)(p.x, p.y); }
    constexpr const Cell& operator()(Point p) const { return (*this)(p.x, p.y); }

    bool operator==(const Board&) const = default;

    // The cell (x, y) without a test of the index: x and y in -5..24. Cells off the table
    // are UNSET. Neighbours lie X_STEP and Y_STEP apart from it.
    [[nodiscard]] const Cell* at(Point p) const {
        return cells_.data() + static_cast<std::ptrdiff_t>(p.x + BOARD_MARGIN) * X_STEP +
               (p.y + BOARD_MARGIN) * Y_STEP;
    }

  private:
    static constexpr std::size_t index(int x, int y) {
        if (x < 0 || x >= TABLE_SIDE || y < 0 || y >= TABLE_SIDE)
            throw std::out_of_range("board index out of range");
        return static_cast<std::size_t>(x + BOARD_MARGIN) * SIDE +
               static_cast<std::size_t>(y + BOARD_MARGIN);
    }
    static constexpr std::size_t SIDE = X_STEP;
    std::array<Cell, SIDE * SIDE> cells_{};
};

// The board of a new game: every point 1..19 EMPTY, every other cell UNSET.
Board emptyBoard();

// Whether p is a point of the board that holds no stone. Any whole numbers are accepted:
// cells off the table and the border cells (never EMPTY) give false.
constexpr bool isFreePoint(const Board& board, Point p) {
    return onBoard(p) && board(p) == EMPTY;
}

} // namespace narabe
