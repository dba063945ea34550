// What is drawn on top of the board: the last-move mark, the move numbers on the stones,
// the move count beside the board, the hint and the marks of barred points.
#pragma once

#include "ports/surface.h"
#include "state/state.h"

namespace narabe {

// A filled dot of radius 50 twips on the grid crossing of point (x, y).
void 描画_打駒印(Surface& s, int x, int y, Colour colour);
// The hint on the empty point (x, y): a red dot of radius 60 twips on its crossing.
void 描画_ヒント印(Surface& s, int x, int y);
// The mark of an empty point barred for the side to move: a red dot of radius 40 twips.
void 描画_禁手印(Surface& s, int x, int y);
// The number n on the stone at (x, y), sized and placed by the number of digits.
void 描画_手順番号(Surface& s, int x, int y, int n, Colour colour);
// Numbers the stones of moves 1..p (record indices 0..p-1), each occupied point once with
// its latest move, leaving the point of record index p for the mark.
void 描画_全手順番号(Surface& s, const State& st, int p);
// The move count n followed by "手目" in the panel beside the board.
void 描画_手数(Surface& s, int n);

// The colour of the number written on a stone of this side: the other side's colour.
Colour numberColourOn(Stone stone);

} // namespace narabe
