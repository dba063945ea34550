// The program's icon: a corner of the board, a black stone and a white stone on four
// crossings, drawn from the same cell scene as the board's pictures. It comes as a
// raster picture at any size and as the same drawing in SVG, for the desktop's icon theme.
#pragma once

#include <QImage>

#include <string>

namespace narabe {

// The icon's square in picture pixels: two cells by two.
inline constexpr double ICON_BOARD = 42.0;
// The transparent margin around the board on each side, as a fraction of the icon's side.
inline constexpr double ICON_MARGIN = 1.0 / 16;
// The radius of the board's rounded corners, in picture pixels.
inline constexpr double ICON_CORNER = 4.0;

// The icon at `size` x `size` pixels (at least 8), in Format_ARGB32_Premultiplied; the
// margin and the rounded corners are transparent.
QImage drawIcon(int size);

// The same drawing as an SVG document whose shapes and gradients follow the board's and the
// stones' shading; it keeps to what SVG Tiny 1.2 renderers draw (no masks, filters or
// patterns).
std::string iconSvg();

} // namespace narabe
