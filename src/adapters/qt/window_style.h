// The application's style: the platform's own, except that the icon of the menu bar's
// overflow button is read only when the button is first drawn.
#pragma once

#include <QProxyStyle>

namespace narabe {

// Every menu bar asks its style for the overflow button's icon ("»") when it is made. The
// style reads it from a picture file, which makes Qt load every image format plugin it has
// (SVG, GIF, ICO, JPEG and their libraries) to learn the file's format: several milliseconds
// at start-up for a button that the game's fixed window, whose menus fit it, never shows.
// This style gives the same icon, read when it is first painted.
class WindowStyle final : public QProxyStyle {
  public:
    // Over the style of that name, such as the one the application chose
    // (QApplication::style()->name()), so that a style the user set stays in force.
    explicit WindowStyle(const QString& base) : QProxyStyle(base) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

} // namespace narabe
