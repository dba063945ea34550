// Turning the cell scene into a picture: one sample per pixel at natural size, where the
// drawing is exact, and many samples per screen pixel when drawn larger, for smooth edges.
#pragma once

#include "ports/picture.h"

#include <QImage>

namespace narabe {

// One of the 30 cell pictures (any picture but TITLE) at `scale` times 21 x 21 pixels.
QImage drawCellPicture(Picture p, int scale);

} // namespace narabe
