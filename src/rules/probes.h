// The sixteen line probes: the five check and the winning-line blink walk the board with
// them, and the tests hold the line facts behind the other checks against them. A
// run-length probe counts the stones of a code next to a point in one direction, not
// counting the point itself. An end-cell probe
// walks from the point itself while the cells hold the code and returns the code of the
// cell where it stops; reaching the board edge stops it on the edge cell, so a result equal
// to EMPTY always means an open end. All take (code, x, y) with x, y in 1..19, and only read.
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

inline int 調査_上(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::UP);
}
inline int 調査_下(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::DOWN);
}
inline int 調査_左(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::LEFT);
}
inline int 調査_右(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::RIGHT);
}
inline int 調査_左上(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::UP_LEFT);
}
inline int 調査_右上(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::UP_RIGHT);
}
inline int 調査_左下(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::DOWN_LEFT);
}
inline int 調査_右下(const Board& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Direction::DOWN_RIGHT);
}

inline Cell 調査_上端(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::UP);
}
inline Cell 調査_下端(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::DOWN);
}
inline Cell 調査_左端(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::LEFT);
}
inline Cell 調査_右端(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::RIGHT);
}
inline Cell 調査_左上端(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::UP_LEFT);
}
inline Cell 調査_右上端(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::UP_RIGHT);
}
inline Cell 調査_左下端(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::DOWN_LEFT);
}
inline Cell 調査_右下端(const Board& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Direction::DOWN_RIGHT);
}

} // namespace narabe
