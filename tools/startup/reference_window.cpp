// narabe-reference-window: the yardstick of the start-up measurement. A bare Qt 6 main
// window with the game's menu bar (taken from the game's own menu table at compile time,
// so it cannot drift) over an empty client area of the game's size, placed where the game
// places its window. It loads no sound, draws no picture and reads no file.
#include "game/menu_tree.h"
#include "render/layout.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include <array>

namespace {

struct Entry {
    narabe::MenuLevel level;
    std::string_view text;
    bool checkItem;
};

// The menu tree without its handlers: copying it at compile time keeps the handlers'
// addresses, and with them the game's code, out of this program.
constexpr auto MENU = [] {
    std::array<Entry, narabe::MENU_TREE.size()> menu{};
    for (std::size_t i = 0; i < menu.size(); ++i)
        menu[i] = {narabe::MENU_TREE[i].level, narabe::MENU_TREE[i].text,
                   narabe::MENU_TREE[i].check.has_value()};
    return menu;
}();

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("NarabeⅠ"));
    QMenu* bar = nullptr;
    QMenu* sub = nullptr;
    for (const Entry& entry : MENU) {
        QAction* action = nullptr;
        switch (entry.level) {
        case narabe::MenuLevel::Bar:
            bar = window.menuBar()->addMenu(qs(entry.text));
            continue;
        case narabe::MenuLevel::Submenu:
            sub = bar->addMenu(qs(entry.text));
            continue;
        case narabe::MenuLevel::BarCommand:
            action = window.menuBar()->addAction(qs(entry.text));
            break;
        case narabe::MenuLevel::Item:
            action = bar->addAction(qs(entry.text));
            break;
        case narabe::MenuLevel::SubItem:
            action = sub->addAction(qs(entry.text));
            break;
        }
        action->setCheckable(entry.checkItem);
    }
    auto* client = new QWidget;
    client->setFixedSize(narabe::CLIENT_WIDTH, narabe::CLIENT_HEIGHT);
    window.setCentralWidget(client);
    window.move(-4, -4);
    window.show();
    return QApplication::exec();
}
