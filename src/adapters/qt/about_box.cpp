// The about dialog: its picture as the background and its two buttons, laid out in twips
// converted to logical pixels.
#include "adapters/qt/about_box.h"

#include "adapters/qt/language.h"
#include "adapters/qt/pictures/about_picture.h"
#include "render/geometry.h"
#include "render/layout.h"

#include <QPainter>
#include <QPushButton>

namespace narabe {

namespace {

// Twips to whole logical pixels.
constexpr int px(int twips) {
    return static_cast<int>(twips / TWIPS_PER_PIXEL);
}

QRect pixelRect(const TwipsRect& r) {
    return QRect(px(r.left), px(r.top), px(r.width), px(r.height));
}

} // namespace

AboutBox::AboutBox(int scale, std::function<void()> homePage, std::function<void()> ok,
                   QWidget* parent)
    : QDialog(parent), picture_(drawAboutPicture(scale, windowText(ABOUT_CREDIT))) {
    setWindowTitle(windowText("バージョン情報"));
    setFixedSize(px(ABOUT_CLIENT_WIDTH), px(ABOUT_CLIENT_HEIGHT));
    auto* home = new QPushButton(windowText("ホームページ"), this);
    home->setGeometry(pixelRect(ABOUT_HOME_BUTTON));
    auto* okButton = new QPushButton(QStringLiteral("O K"), this);
    okButton->setGeometry(pixelRect(ABOUT_OK_BUTTON));
    okButton->setDefault(true);
    connect(home, &QPushButton::clicked, this, [homePage = std::move(homePage)] { homePage(); });
    connect(okButton, &QPushButton::clicked, this, [ok = std::move(ok)] { ok(); });
}

void AboutBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPoint(0, 0), picture_);
}

} // namespace narabe
