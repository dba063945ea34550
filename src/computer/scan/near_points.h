// The points the one-move computer considers: every point within two of a stone on both
// axes, and the middle point, the only one on an empty board. A game widens them as its
// stones are played and never narrows them, not even when it steps back.
#pragma once

#include "state/board.h"

namespace narabe {

// Whether the computer considers each point.
using NearPoints = PointTable<bool>;

// The points of a new game: the middle point alone.
NearPoints newGameNearPoints();

// Adds the 5 x 5 square of points around p, cut off at the board edge.
void addNearPoints(NearPoints& near, Point p);

// The middle point and the points near every stone of the board.
NearPoints nearPointsOf(const Board& board);

} // namespace narabe
