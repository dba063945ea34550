// The about dialog's layout, in twips converted to pixels: a client area of 4995 x 1530,
// buttons of 1575 x 375 at top 1080, "ホームページ" at left 600 and "O K" at left 2880.
#include "adapters/qt/about_box.h"

#include "adapters/qt/pictures/about_picture.h"

#include <QPainter>
#include <QPushButton>

namespace narabe {

namespace {
constexpr int px(int twips) {
    return twips / 15;
}
} // namespace

AboutBox::AboutBox(int scale, std::function<void()> homePage, std::function<void()> ok,
                   QWidget* parent)
    : QDialog(parent), picture_(drawAboutPicture(scale)) {
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFixedSize(px(4995), px(1530));
    auto* home = new QPushButton(QStringLiteral("ホームページ"), this);
    home->setGeometry(px(600), px(1080), px(1575), px(375));
    auto* okButton = new QPushButton(QStringLiteral("O K"), this);
    okButton->setGeometry(px(2880), px(1080), px(1575), px(375));
    okButton->setDefault(true);
    connect(home, &QPushButton::clicked, this, [homePage = std::move(homePage)] { homePage(); });
    connect(okButton, &QPushButton::clicked, this, [ok = std::move(ok)] { ok(); });
}

void AboutBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPoint(0, 0), picture_);
}

} // namespace narabe
