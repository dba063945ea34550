// The window's 31 pictures drawn by the program itself: the 30 board cells (wooden
// ground, grid lines, star dot, shaded stones with their shadow), the two stones off the
// board and the title. Each is drawn at a whole-number scale of its natural size, the same
// drawing at every scale, so that a high-density screen gets crisp pictures.
#pragma once

#include "ports/picture.h"

#include <QImage>

#include <array>

namespace narabe {

// The picture drawn at `scale` times its natural size (scale 1, 2, 3, ...), in
// Format_RGB32 with its device pixel ratio set to `scale`. The title picture uses a font,
// so a QGuiApplication must exist before it is drawn (std::logic_error otherwise).
QImage drawPicture(Picture p, int scale);

// All 31 pictures at one scale, each drawn once, when it is first asked for: the stones are
// not drawn at start-up, when the board is empty.
class PictureSet {
  public:
    explicit PictureSet(int scale);

    [[nodiscard]] const QImage& image(Picture p) const;
    [[nodiscard]] int scale() const { return scale_; }

  private:
    int scale_;
    mutable std::array<QImage, PICTURE_COUNT> images_;
};

} // namespace narabe
