// The title picture: the program's name on a pale yellow plate with an orange edge.
#pragma once

#include <QImage>

namespace narabe {

// The 110 x 34 title picture at `scale` times that size. Needs a QGuiApplication (fonts).
QImage drawTitlePicture(int scale);

} // namespace narabe
