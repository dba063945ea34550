// The window's 31 pictures drawn by the program itself: the 30 board cells (wooden
// ground, grid lines, star dot, shaded stones with their shadow), the two stones off the
// board and the title. Each is drawn at a whole-number scale of its natural size, the same
// drawing at every scale, so that a high-density screen gets crisp pictures.
#pragma once

#include "render/picture.h"

#include <QImage>

#include <array>
#include <future>
#include <span>
#include <utility>
#include <vector>

namespace narabe {

// The picture drawn at `scale` times its natural size (scale 1, 2, 3, ...), in
// Format_RGB32 with its device pixel ratio set to `scale`. The title picture uses a font,
// so a QGuiApplication must exist before it is drawn (std::logic_error otherwise).
QImage drawPicture(Picture p, int scale);

// The pictures a start-up shows: the empty board's cells and the title.
inline constexpr std::array<Picture, 11> START_PICTURES = {
    Picture::KARAUEHIDARI,   Picture::KARAUEMIGI,   Picture::KARASITAHIDARI, Picture::KARASITAMIGI,
    Picture::KARAHIDARINAKA, Picture::KARAMIGINAKA, Picture::KARAUENAKA,     Picture::KARASITANAKA,
    Picture::KARANAKA,       Picture::KARANAKATEN,  Picture::PG_NAME};

// All 31 pictures at one scale, each drawn once, when it is first asked for: the stones are
// not drawn at start-up, when the board is empty.
class PictureSet {
  public:
    explicit PictureSet(int scale);

    // Starts drawing `pictures` on a thread of their own (where one can be had), so that they
    // are ready when the board is first drawn; the set takes them over when any picture is
    // first asked for, waiting for them if need be. Needs a QGuiApplication (the title).
    void drawAhead(std::span<const Picture> pictures);

    [[nodiscard]] const QImage& image(Picture p) const;
    [[nodiscard]] int scale() const { return scale_; }

  private:
    using Drawn = std::vector<std::pair<Picture, QImage>>;

    int scale_;
    mutable std::array<QImage, PICTURE_COUNT> images_;
    mutable std::future<Drawn> ahead_; // until the first image() after drawAhead
};

// A set at `scale` that has begun drawing the start-up pictures ahead.
PictureSet startPictures(int scale);

} // namespace narabe
