// The sixteen line probes: the five check and the winning-line blink walk the board with
// them, and the tests hold the line facts behind the other checks against them. A
// run-length probe counts the stones of a code next to a point in one direction, not
// counting the point itself. An end-cell probe
// walks from the point itself while the cells hold the code and returns the code of the
// cell where it stops; reaching the board edge stops it on the edge cell, so a result equal
// to EMPTY always means an open end. All take (code, x, y) with x, y in 1..19, and only read.
#pragma once

#include "rules/directions.h"
#include "state/types.h"

namespace narabe {

// The walks take the cell code whose run they follow: any code, in practice a stone's.
int runLength(const Grid& board, Cell code, int x, int y, Dir d);
Cell endCell(const Grid& board, Cell code, int x, int y, Dir d);

inline int runLength(const Grid& board, Stone stone, int x, int y, Dir d) {
    return runLength(board, cellOf(stone), x, y, d);
}
inline Cell endCell(const Grid& board, Stone stone, int x, int y, Dir d) {
    return endCell(board, cellOf(stone), x, y, d);
}

inline int 調査_上(const Grid& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Dir::上);
}
inline int 調査_下(const Grid& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Dir::下);
}
inline int 調査_左(const Grid& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Dir::左);
}
inline int 調査_右(const Grid& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Dir::右);
}
inline int 調査_左上(const Grid& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Dir::左上);
}
inline int 調査_右上(const Grid& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Dir::右上);
}
inline int 調査_左下(const Grid& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Dir::左下);
}
inline int 調査_右下(const Grid& b, Cell s, int x, int y) {
    return runLength(b, s, x, y, Dir::右下);
}

inline Cell 調査_上端(const Grid& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Dir::上);
}
inline Cell 調査_下端(const Grid& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Dir::下);
}
inline Cell 調査_左端(const Grid& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Dir::左);
}
inline Cell 調査_右端(const Grid& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Dir::右);
}
inline Cell 調査_左上端(const Grid& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Dir::左上);
}
inline Cell 調査_右上端(const Grid& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Dir::右上);
}
inline Cell 調査_左下端(const Grid& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Dir::左下);
}
inline Cell 調査_右下端(const Grid& b, Cell s, int x, int y) {
    return endCell(b, s, x, y, Dir::右下);
}

} // namespace narabe
