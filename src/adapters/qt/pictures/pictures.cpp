// The picture set: cells from the cell scene, the title from its painter, each drawn when
// first asked for or ahead of time. Drawing a picture touches nothing but its own image (and
// Qt's font database, which serves every thread), so it may run on any thread.
#include "adapters/qt/pictures/pictures.h"

#include "adapters/qt/pictures/cell_picture.h"
#include "adapters/qt/pictures/title_picture.h"

#include <utility>

namespace narabe {

QImage drawPicture(Picture p, int scale) {
    return p == Picture::PG_NAME ? drawTitlePicture(scale) : drawCellPicture(p, scale);
}

PictureSet::PictureSet(int scale) : scale_(scale) {}

void PictureSet::drawAhead(std::span<const Picture> pictures) {
    ahead_ = std::async(std::launch::async | std::launch::deferred,
                        [scale = scale_, wanted = std::vector(pictures.begin(), pictures.end())] {
                            Drawn drawn;
                            for (const Picture p : wanted)
                                drawn.emplace_back(p, drawPicture(p, scale));
                            return drawn;
                        });
}

PictureSet startPictures(int scale) {
    PictureSet set(scale);
    set.drawAhead(START_PICTURES);
    return set;
}

const QImage& PictureSet::image(Picture p) const {
    if (ahead_.valid())
        for (auto& [picture, drawn] : ahead_.get())
            images_[static_cast<std::size_t>(picture)] = std::move(drawn);
    QImage& image = images_[static_cast<std::size_t>(p)];
    if (image.isNull()) image = drawPicture(p, scale_);
    return image;
}

} // namespace narabe
