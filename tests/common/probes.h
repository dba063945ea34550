// The sixteen line probes of the tests, one for each direction and kind: the tests hold the
// game's run lengths and the line facts behind its checks against them. A run-length probe
// counts the stones of a code next to a point in one direction, not counting the point
// itself (the game's own runLength). An end-cell probe walks from the point itself while the
// cells hold the code and returns the code of the cell where it stops; reaching the board
// edge stops it on the edge cell, so a result equal to EMPTY always means an open end. All
// take (code, x, y) with x, y in 1..19, and only read.
#pragma once

#include "rules/five.h"

namespace narabe {

// The walks take the cell code whose run they follow: any code, in practice a stone's.
inline int runLength(const Board& board, Cell code, int x, int y, Direction d) {
    return runLength(board, code, Point{x, y}, d);
}
Cell endCell(const Board& board, Cell code, int x, int y, Direction d);

inline int runLength(const Board& board, Stone stone, int x, int y, Direction d) {
    return runLength(board, cellOf(stone), x, y, d);
}
inline Cell endCell(const Board& board, Stone stone, int x, int y, Direction d) {
    return endCell(board, cellOf(stone), x, y, d);
}

inline int runUp(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::UP);
}
inline int runDown(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::DOWN);
}
inline int runLeft(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::LEFT);
}
inline int runRight(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::RIGHT);
}
inline int runUpLeft(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::UP_LEFT);
}
inline int runUpRight(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::UP_RIGHT);
}
inline int runDownLeft(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::DOWN_LEFT);
}
inline int runDownRight(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::DOWN_RIGHT);
}

inline Cell endUp(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::UP);
}
inline Cell endDown(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::DOWN);
}
inline Cell endLeft(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::LEFT);
}
inline Cell endRight(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::RIGHT);
}
inline Cell endUpLeft(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::UP_LEFT);
}
inline Cell endUpRight(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::UP_RIGHT);
}
inline Cell endDownLeft(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::DOWN_LEFT);
}
inline Cell endDownRight(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::DOWN_RIGHT);
}

} // namespace narabe
