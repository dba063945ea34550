// The overflow button's icon, read from the base style when it is first needed.
#include "adapters/qt/window_style.h"

#include <QIconEngine>
#include <QPainter>

#include <functional>
#include <optional>
#include <utility>

namespace narabe {

namespace {

// An icon that asks for the real one the first time it is drawn or measured.
class DeferredIconEngine final : public QIconEngine {
  public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

  private:
    const QIcon& icon() {
        if (!icon_) icon_ = make_();
        return *icon_;
    }

    std::function<QIcon()> make_;
    std::optional<QIcon> icon_;
};

} // namespace

QIcon WindowStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // The base style lives as long as this style, which outlives every widget.
    QStyle* base = baseStyle();
    return QIcon(new DeferredIconEngine([base, icon] { return base->standardIcon(icon); }));
}

} // namespace narabe
