#include "adapters/qt/window_icon.h"

#include <QImage>
#include <QPixmap>

namespace narabe {

QIcon windowIcon() {
    QIcon icon;
    for (const std::span<const unsigned char> png : WINDOW_ICON_PNGS) {
        QImage picture;
        if (picture.loadFromData(png.data(), static_cast<int>(png.size()), "PNG"))
            icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

} // namespace narabe
