#include "adapters/qt/window_icon.h"

#include <QImage>
#include <QPixmap>

namespace narabe {

QIcon windowIcon() {
    QIcon icon;
    for (std::size_t i = 0; i < WINDOW_ICON_SIZES.size(); ++i) {
        const int size = WINDOW_ICON_SIZES[i];
        // The image only reads the pixels; the pixmap takes its own copy.
        const QImage picture(reinterpret_cast<const uchar*>(WINDOW_ICON_PIXELS[i].data()), size,
                             size, QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

} // namespace narabe
