// The line-strip model of five, four and open three.
//
// On one line through P, with P counted as a stone: `near` stones of the code stand next to P
// on a side; the cell after them is that side's end. A four needs an open end (an empty point
// of the board) on some side and either four stones in all, or an empty end whose filling
// joins the stones beyond it into exactly five with an empty point after them. An open three
// needs both ends open and either three stones in all, or a filling that makes exactly four
// with an empty point after them.
#include "common/reference_rules.h"

#include <array>

namespace narabe::test {

namespace {

constexpr auto OFF = static_cast<Cell>(200); // a place off the board

// The line through P in direction (dx, dy) as cells at offsets -19..19 from P.
class Strip {
  public:
    Strip(const Board& board, int x, int y, int dx, int dy) {
        for (int k = -19; k <= 19; ++k) {
            const int px = x + k * dx;
            const int py = y + k * dy;
            const bool on = px >= 1 && px <= 19 && py >= 1 && py <= 19;
            cells_[static_cast<std::size_t>(k + 19)] = on ? board(px, py) : OFF;
        }
    }
    Cell at(int k) const {
        return k < -19 || k > 19 ? OFF : cells_[static_cast<std::size_t>(k + 19)];
    }

    // Stones of `stone` in an unbroken run from offset `from`, moving by `side` (+1 or -1).
    int run(Stone stone, int from, int side) const {
        int n = 0;
        while (at(from + n * side) == stone)
            ++n;
        return n;
    }

  private:
    std::array<Cell, 39> cells_{};
};

struct Side {
    int near;     // stones next to P
    bool open;    // the cell after them is an empty point of the board
    int beyond;   // stones after that cell
    bool farOpen; // the cell after those is an empty point of the board
};

Side sideOf(const Strip& s, Stone stone, int dir) {
    Side side{};
    side.near = s.run(stone, dir, dir);
    const int end = dir * (side.near + 1);
    side.open = s.at(end) == EMPTY;
    side.beyond = s.run(stone, end + dir, dir);
    side.farOpen = s.at(end + dir * (side.beyond + 1)) == EMPTY;
    return side;
}

constexpr std::array<std::array<int, 2>, 4> LINE_STEPS = {{{1, 0}, {0, 1}, {1, 1}, {1, -1}}};

// The shape on one line: the straight count `length` with one (four) or both (three) ends
// open, or a filling of an open end that makes `length` + 1 stones, open after them.
bool shapeOnLine(const Board& board, int x, int y, Stone stone, int dx, int dy, int length,
                 bool bothOpen) {
    const Strip s(board, x, y, dx, dy);
    const Side a = sideOf(s, stone, -1);
    const Side b = sideOf(s, stone, +1);
    if (bothOpen ? !(a.open && b.open) : !(a.open || b.open)) return false;
    const int stones = a.near + b.near + 1;
    if (stones == length) return true;
    if (stones > length) return false;
    const int filled = length + 1;
    if (a.open && stones + 1 + a.beyond == filled && a.farOpen) return true;
    if (b.open && stones + 1 + b.beyond == filled && b.farOpen) return true;
    return false;
}

bool countShapes(const Board& board, int x, int y, Stone stone, int length, bool bothOpen) {
    if (referenceFive(board, stone, x, y)) return false;
    int count = 0;
    for (const auto& st : LINE_STEPS)
        count += shapeOnLine(board, x, y, stone, st[0], st[1], length, bothOpen) ? 1 : 0;
    return count >= 2 ? true : false;
}

} // namespace

bool referenceFive(const Board& board, Stone stone, int x, int y) {
    for (const auto& st : LINE_STEPS) {
        const Strip s(board, x, y, st[0], st[1]);
        if (s.run(stone, -1, -1) + s.run(stone, 1, 1) + 1 == 5) return true;
    }
    return false;
}

bool referenceDoubleFour(const Board& board, int x, int y, Stone stone) {
    return countShapes(board, x, y, stone, 4, false);
}

bool referenceDoubleThree(const Board& board, int x, int y, Stone stone) {
    return countShapes(board, x, y, stone, 3, true);
}

} // namespace narabe::test
