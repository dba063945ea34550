// The main window's client area: one persistent image that everything is drawn into and
// that a repaint only shows. Positions arrive in twips (15 to a logical pixel); the image
// has the screen's device pixel ratio and the pictures are drawn at that resolution.
#pragma once

#include "adapters/qt/pictures/pictures.h"
#include "ports/surface.h"
#include "render/layout.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <functional>

namespace narabe {

class BoardView final : public QWidget, public Surface {
  public:
    // The view draws with `pictures`, at their scale.
    explicit BoardView(PictureSet pictures, QWidget* parent = nullptr);

    void copyPicture(Picture picture, double x, double y) override;
    void fillRect(double x, double y, double width, double height, Colour colour) override;
    void drawText(double x, double y, int size, Colour colour, std::string_view text) override;
    void fillCircle(double x, double y, double radius, Colour colour) override;
    void refresh() override;

    // Mouse presses, in twips of the logical pixel position.
    std::function<void(double x, double y)> onPress;

    const QImage& image() const { return image_; }
    int scale() const { return pictures_.scale(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void changed(const QRect& logical);

    PictureSet pictures_;
    QImage image_;
    QRect pending_; // bounds what was drawn but not yet asked to be shown
};

} // namespace narabe
