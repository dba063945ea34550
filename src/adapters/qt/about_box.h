// The about dialog's window: its picture as the background and the two buttons, which run
// the game's handlers for them.
#pragma once

#include <QDialog>
#include <QImage>

#include <functional>

namespace narabe {

class AboutBox final : public QDialog {
  public:
    AboutBox(int scale, std::function<void()> homePage, std::function<void()> ok, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

} // namespace narabe
