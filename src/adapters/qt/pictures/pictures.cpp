// The picture set: cells from the cell scene, the title from its painter.
#include "adapters/qt/pictures/pictures.h"

#include "adapters/qt/pictures/cell_picture.h"
#include "adapters/qt/pictures/title_picture.h"

namespace narabe {

QImage drawPicture(Picture p, int scale) {
    return p == Picture::PG_NAME ? drawTitlePicture(scale) : drawCellPicture(p, scale);
}

PictureSet::PictureSet(int scale) : scale_(scale) {
    for (int i = 0; i < PICTURE_COUNT; ++i)
        images_[static_cast<std::size_t>(i)] = drawPicture(static_cast<Picture>(i), scale);
}

const QImage& PictureSet::image(Picture p) const {
    return images_[static_cast<std::size_t>(p)];
}

} // namespace narabe
