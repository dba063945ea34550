// The vocabulary of the game: stones, cells, truth values and game-state codes, each a type
// of its own, plus the bounds-checked tables every part of the game indexes by point or by
// move number. The numbers of the codes are the ones the game has always printed; nothing
// else about them may be relied on, and a code of one kind never stands for another.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace narabe {

// A side of the game, as held by Turn, Opponent, ManStone, ComStone, LastStone and the
// record. BLACK and WHITE are the two stones; a stone variable holds NOBODY before the
// first game is started (it is nobody's turn) and UNSET until it is first assigned.
enum class Stone : std::int8_t { BLACK = 0, WHITE = 15, NOBODY = 9, UNSET = -1 };

// What a cell of the board holds. The border cells (index 0 of either axis) are never
// written and stay UNSET, which is neither EMPTY nor a stone.
enum class Cell : std::int8_t { BLACK = 0, WHITE = 15, EMPTY = 14, UNSET = -1 };

inline constexpr Stone BLACK = Stone::BLACK;
inline constexpr Stone WHITE = Stone::WHITE;

constexpr bool isStone(Stone s) {
    return s == BLACK || s == WHITE;
}

// The stone of the other side.
constexpr Stone otherStone(Stone s) {
    return s == BLACK ? WHITE : BLACK;
}

inline constexpr Cell EMPTY = Cell::EMPTY;

// The cell that holds a stone of this side.
constexpr Cell cellOf(Stone s) {
    assert(isStone(s));
    return s == BLACK ? Cell::BLACK : Cell::WHITE;
}

// Whether a cell holds a stone of this side.
constexpr bool operator==(Cell c, Stone s) {
    return isStone(s) && c == cellOf(s);
}

// The side whose stone a cell holds; the cell must hold a stone.
constexpr Stone stoneIn(Cell c) {
    assert(c == Cell::BLACK || c == Cell::WHITE);
    return c == Cell::BLACK ? BLACK : WHITE;
}

// The answer of every check, and the value of the flags NearFlag and ResumePending.
enum class Truth : std::uint8_t { NO = 0, YES = 1 };

inline constexpr Truth YES = Truth::YES;
inline constexpr Truth NO = Truth::NO;

// Whether a game is in progress, and in which mode.
enum class GameCode : std::int8_t { VS_COM = 2, VS_MAN = 3, NO_GAME = 9 };

inline constexpr GameCode NO_GAME = GameCode::NO_GAME;
inline constexpr GameCode VS_COM = GameCode::VS_COM;
inline constexpr GameCode VS_MAN = GameCode::VS_MAN;

// The number a code has always been printed as.
template <class Code> constexpr int codeNumber(Code c) {
    return static_cast<int>(c);
}

// Points in play run 1..19 on both axes; tables run 0..19, index 0 being outside play.
inline constexpr int FIRST_POINT = 1;
inline constexpr int LAST_POINT = 19;
inline constexpr int TABLE_SIDE = 20;
// The middle point (10, 10): on an empty board the only point the computer considers.
inline constexpr int MIDDLE_POINT = 10;

// The game record and the stored positions hold entries 0..500.
inline constexpr int RECORD_SIZE = 501;

constexpr bool onBoard(int x, int y) {
    return x >= FIRST_POINT && x <= LAST_POINT && y >= FIRST_POINT && y <= LAST_POINT;
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

// The board: what lies on each point, indexed like a point table, [0..19][0..19], x first,
// with an index out of range a program error that throws. Around the table lies a margin
// of GRID_MARGIN cells on every side that holds UNSET for ever, so that the line checks can
// read a few cells beyond any point of the board without testing where the board ends.
inline constexpr int GRID_MARGIN = 5;

class Grid {
  public:
    // Cells between neighbours in the storage, along x and along y.
    static constexpr std::ptrdiff_t X_STEP = TABLE_SIDE + 2 * GRID_MARGIN;
    static constexpr std::ptrdiff_t Y_STEP = 1;

    // Every cell UNSET.
    constexpr Grid() { cells_.fill(Cell::UNSET); }
    // The table's cells [0..19][0..19] hold `fill`; the margin stays UNSET.
    constexpr explicit Grid(Cell fill) : Grid() {
        for (int x = 0; x < TABLE_SIDE; ++x)
            for (int y = 0; y < TABLE_SIDE; ++y)
                (*this)(x, y) = fill;
    }

    constexpr Cell& operator()(int x, int y) { return cells_[index(x, y)]; }
    constexpr const Cell& operator()(int x, int y) const { return cells_[index(x, y)]; }

    bool operator==(const Grid&) const = default;

    // The cell (x, y) without a test of the index: x and y in -5..24. Cells off the table
    // are UNSET. Neighbours lie X_STEP and Y_STEP apart from it.
    [[nodiscard]] const Cell* at(int x, int y) const {
        return cells_.data() + static_cast<std::ptrdiff_t>(x + GRID_MARGIN) * X_STEP +
               (y + GRID_MARGIN) * Y_STEP;
    }

  private:
    static constexpr std::size_t index(int x, int y) {
        if (x < 0 || x >= TABLE_SIDE || y < 0 || y >= TABLE_SIDE)
            throw std::out_of_range("board index out of range");
        return static_cast<std::size_t>(x + GRID_MARGIN) * SIDE +
               static_cast<std::size_t>(y + GRID_MARGIN);
    }
    static constexpr std::size_t SIDE = X_STEP;
    std::array<Cell, SIDE * SIDE> cells_{};
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
