// What is drawn on top of the board: the last-move mark, the move numbers on the stones,
// the move count beside the board, the hint and the marks of barred points.
#pragma once

#include "ports/surface.h"
#include "render/palette.h"
#include "state/board.h"

namespace narabe {

// A filled dot of radius 50 twips on the grid crossing of point p.
void drawLastMoveMark(Surface& s, Point p, Colour colour);
// The hint on the empty point p: a red dot of radius 60 twips on its crossing.
void drawHintMark(Surface& s, Point p);
// The mark of an empty point barred for the side to move: a red dot of radius 40 twips.
void drawBarredMark(Surface& s, Point p);
// The number n on the stone at p, sized and placed by the number of digits.
void drawMoveNumber(Surface& s, Point p, int n, Colour colour);
// Numbers the stones of moves 1..last (record indices 0..last-1) that are still on the
// board, each occupied point once with its latest move, leaving the point of record index
// `last` for the mark.
void drawMoveNumbers(Surface& s, const Board& board, const RecordTable<Move>& moves, int last);
// The move count n followed by "手目" in the panel beside the board.
void drawMoveCount(Surface& s, int n);

// The colour of the number written on a stone of this side: the other side's colour.
Colour numberColourOn(Stone stone);

} // namespace narabe
