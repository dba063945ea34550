// The vocabulary of the game: cell and stone codes, truth values, game-state codes,
// palette colours and the board geometry, plus the bounds-checked tables every part
// of the game indexes by point or by move number. Everything else speaks in these names.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <vector>

namespace narabe {

// A cell of the board holds one of three codes; a stone code is one of the first two.
// Stone codes are palette indices as well (0 black, 15 bright white).
using Code = int;
inline constexpr Code BLACK = 0;
inline constexpr Code WHITE = 15;
inline constexpr Code EMPTY = 14;

// The value of a variable or border cell that was never assigned. It equals none of
// the codes above, so a border cell of the board is never taken for an empty point.
inline constexpr Code UNSET = -1;

// Truth values: the answers of every check, and the values of the flag tables.
inline constexpr int YES = 1;
inline constexpr int NO = 0;

// Game-state codes.
inline constexpr int NO_GAME = 9;
inline constexpr int VS_COM = 2;
inline constexpr int VS_MAN = 3;

// Palette indices of the window background and of the last-move mark.
inline constexpr int BACK_COLOUR = 2;
inline constexpr int MARK_COLOUR = 11;

// Board geometry in twips: grid position (x, y) is the window position
// (ORIGIN_X + CELL_W * x, ORIGIN_Y + CELL_H * y), the top-left corner of cell (x, y).
inline constexpr int ORIGIN_X = 300;
inline constexpr int ORIGIN_Y = 50;
inline constexpr int CELL_W = 315;
inline constexpr int CELL_H = 315;

// Points in play run 1..19 on both axes; tables run 0..19, index 0 being outside play.
inline constexpr int FIRST_POINT = 1;
inline constexpr int LAST_POINT = 19;
inline constexpr int TABLE_SIDE = 20;
inline constexpr int POINT_COUNT = 361;

// The game record and the stored positions hold entries 0..500.
inline constexpr int RECORD_SIZE = 501;

constexpr double twipsX(double x) {
    return ORIGIN_X + CELL_W * x;
}
constexpr double twipsY(double y) {
    return ORIGIN_Y + CELL_H * y;
}

constexpr bool onBoard(int x, int y) {
    return x >= FIRST_POINT && x <= LAST_POINT && y >= FIRST_POINT && y <= LAST_POINT;
}

// The stone of the other side.
constexpr Code otherStone(Code stone) {
    return stone == BLACK ? WHITE : BLACK;
}

// A table indexed by point, [0..19][0..19], x first. An index out of range is a
// program error and throws: the game never forms one.
template <class T> class PointTable {
  public:
    constexpr PointTable() = default;
    constexpr explicit PointTable(T fill) { cells_.fill(fill); }

    T& operator()(int x, int y) { return cells_[index(x, y)]; }
    const T& operator()(int x, int y) const { return cells_[index(x, y)]; }

    bool operator==(const PointTable&) const = default;

  private:
    static constexpr std::size_t index(int x, int y) {
        if (x < 0 || x >= TABLE_SIDE || y < 0 || y >= TABLE_SIDE)
            throw std::out_of_range("point table index out of range");
        return static_cast<std::size_t>(x * TABLE_SIDE + y);
    }
    std::array<T, TABLE_SIDE * TABLE_SIDE> cells_{};
};

// The board: what lies on each point.
using Grid = PointTable<Code>;

// A table indexed by move number, [0..500]; out-of-range indices throw.
template <class T> class RecordTable {
  public:
    RecordTable() : entries_(RECORD_SIZE) {}
    explicit RecordTable(const T& fill) : entries_(RECORD_SIZE, fill) {}

    T& operator()(int n) { return entries_[index(n)]; }
    const T& operator()(int n) const { return entries_[index(n)]; }

  private:
    static std::size_t index(int n) {
        if (n < 0 || n >= RECORD_SIZE) throw std::out_of_range("record index out of range");
        return static_cast<std::size_t>(n);
    }
    std::vector<T> entries_;
};

} // namespace narabe
