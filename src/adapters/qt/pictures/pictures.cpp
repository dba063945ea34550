// The picture set: cells from the cell scene, the title from its painter, each drawn when
// first asked for.
#include "adapters/qt/pictures/pictures.h"

#include "adapters/qt/pictures/cell_picture.h"
#include "adapters/qt/pictures/title_picture.h"

namespace narabe {

QImage drawPicture(Picture p, int scale) {
    return p == Picture::TITLE ? drawTitlePicture(scale) : drawCellPicture(p, scale);
}

PictureSet::PictureSet(int scale) : scale_(scale) {}

const QImage& PictureSet::image(Picture p) const {
    QImage& image = images_[static_cast<std::size_t>(p)];
    if (image.isNull()) image = drawPicture(p, scale_);
    return image;
}

} // namespace narabe
