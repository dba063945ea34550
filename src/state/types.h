// The vocabulary of the game: the two sides, what a point of the board holds, a point, the
// computer's strengths, and the tables every part of the game indexes by point or by move
// number. Each is a type of its own; how a value is printed or drawn is decided where it is
// printed or drawn.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace narabe {

// A side of the game; black moves first.
enum class Stone : std::uint8_t { BLACK, WHITE };

// What a cell of the board holds. The cells around the points in play (the border row and
// column of index 0, and the margin beyond the table) are never written and stay UNSET,
// which is neither EMPTY nor a stone.
enum class Cell : std::uint8_t { EMPTY, BLACK, WHITE, UNSET };

inline constexpr Stone BLACK = Stone::BLACK;
inline constexpr Stone WHITE = Stone::WHITE;

// The stone of the other side.
constexpr Stone otherStone(Stone s) {
    return s == BLACK ? WHITE : BLACK;
}

inline constexpr Cell EMPTY = Cell::EMPTY;

// The cell that holds a stone of this side.
constexpr Cell cellOf(Stone s) {
    return s == BLACK ? Cell::BLACK : Cell::WHITE;
}

// Whether a cell holds a stone of this side.
constexpr bool operator==(Cell c, Stone s) {
    return c == cellOf(s);
}

// Whether a cell holds a stone of either side.
constexpr bool holdsStone(Cell c) {
    return c == Cell::BLACK || c == Cell::WHITE;
}

// The side whose stone a cell holds; the cell must hold a stone.
constexpr Stone stoneIn(Cell c) {
    assert(holdsStone(c));
    return c == Cell::BLACK ? BLACK : WHITE;
}

// A point of the board: column x from the left, row y from the top, 1..19 in play.
struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// The computer's strengths, weakest first.
enum class Level : std::uint8_t { BEGINNER = 1, INTERMEDIATE = 2, ADVANCED = 3 };

// A move: the point and the side that played it.
struct Move {
    Point at;
    Stone stone = BLACK;
};

// Points in play run 1..19 on both axes; tables run 0..19, index 0 being outside play.
inline constexpr int FIRST_POINT = 1;
inline constexpr int LAST_POINT = 19;
inline constexpr int TABLE_SIDE = 20;
// The middle point (10, 10).
inline constexpr Point MIDDLE_POINT{10, 10};
// How far from a stone, on both axes, a point counts as near it: the computer's players
// consider only the points near the stones.
inline constexpr int NEAR_RADIUS = 2;

// The game record and the stored positions hold entries 0..500.
inline constexpr int RECORD_SIZE = 501;

constexpr bool onBoard(int x, int y) {
    return x >= FIRST_POINT && x <= LAST_POINT && y >= FIRST_POINT && y <= LAST_POINT;
}
constexpr bool onBoard(Point p) {
    return onBoard(p.x, p.y);
}

// Calls f(x, y) for every point of the board: x = 1..19 (outer), y = 1..19 (inner).
template <class F> constexpr void forEachPoint(F&& f) {
    for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
        for (int y = FIRST_POINT; y <= LAST_POINT; ++y)
            f(x, y);
}

// A table indexed by point, [0..19][0..19], x first. An index out of range is a
// program error and throws: the game never forms one.
template <class T> class PointTable {
  public:
    constexpr PointTable() = default;
    constexpr explicit PointTable(T fill) { cells_.fill(fill); }

    T& operator()(int x, int y) { return cells_[index(x, y)]; }
    const T& operator()(int x, int y) const { return cells_[index(x, y)]; }
    T& operator()(Point p) { return (*this)(p.x, p.y); }
    const T& operator()(Point p) const { return (*this)(p.x, p.y); }

    bool operator==(const PointTable&) const = default;

  private:
    static constexpr std::size_t index(int x, int y) {
        if (x < 0 || x >= TABLE_SIDE || y < 0 || y >= TABLE_SIDE)
            throw std::out_of_range("point table index out of range");
        return static_cast<std::size_t>(x) * SIDE + static_cast<std::size_t>(y);
    }
    static constexpr std::size_t SIDE = TABLE_SIDE;
    std::array<T, SIDE * SIDE> cells_{};
};

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
