// Rasterising a cell: each screen pixel averages the scene over a grid of points inside
// it. The wood is chosen per screen pixel, so a pixel that no shape touches keeps one of
// the wood's own tones at every scale.
#include "adapters/qt/pictures/cell_picture.h"

#include "adapters/qt/pictures/cell_scene.h"
#include "adapters/qt/pictures/wood_ground.h"

namespace narabe {

namespace {

// Samples per axis inside one screen pixel when the picture is drawn larger.
constexpr int SAMPLES = 4;

} // namespace

QImage drawCellPicture(Picture p, int scale) {
    const CellLook look = cellLook(p);
    const int side = 21 * scale;
    QImage image(side, side, QImage::Format_RGB32);
    const bool exact = scale == 1;
    const int samples = exact ? 1 : SAMPLES;

    for (int py = 0; py < side; ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < side; ++px) {
            const Shade ground = toColour(woodTone(px, py, scale));
            Shade sum{0, 0, 0};
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    const double x = (px + (sx + 0.5) / samples) / scale;
                    const double y = (py + (sy + 0.5) / samples) / scale;
                    const Shade c = cellColourAt(look, x, y, ground, exact);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            const double n = samples * samples;
            const Rgb rgb = toRgb({sum.r / n, sum.g / n, sum.b / n});
            line[px] = qRgb(rgb.r, rgb.g, rgb.b);
        }
    }
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace narabe
