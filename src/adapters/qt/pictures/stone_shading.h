// The surface of a stone: the colour at a point of the stone's disc, given relative to its
// centre in picture pixels. The light comes from the upper left: a black stone catches it
// in a bright arc, a white stone shades off towards the lower right.
//
// Each shading has two forms. The exact form uses only the few colours a stone is made of
// at natural size (black: black, grey, light grey; white: white, two light greys and the
// rim arc's grey) with hard borders between them. The smooth form is the same light with
// gradients, for pictures drawn at twice the size or more.
#pragma once

#include "adapters/qt/pictures/colour_math.h"

namespace narabe {

// The stone's disc in picture pixels: rows and columns 1 to 19 of a 21-pixel cell.
inline constexpr double STONE_CENTRE = 10.5;
inline constexpr double STONE_RADIUS = 9.5;

Shade blackStoneAt(double dx, double dy, bool exact);
Shade whiteStoneAt(double dx, double dy, bool exact);

} // namespace narabe
