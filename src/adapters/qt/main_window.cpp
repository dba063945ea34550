// The menu bar, the window events and the desktop ports of the main window.
#include "adapters/qt/main_window.h"

#include "adapters/qt/about_box.h"
#include "adapters/qt/language.h"
#include "game/flow.h"
#include "game/menu_tree.h"
#include "render/geometry.h"
#include "support/help.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaObject>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <utility>

namespace narabe {

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

constexpr std::string_view RECORD_FILTER = "棋譜 (*.sgf);;すべてのファイル (*)";

// Where the record dialogs start when none has been used in this run: the user's documents
// folder where it exists, else the home folder.
QString firstRecordFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

MainWindow::MainWindow(SoundLibrary& sound, PictureSet pictures, const GameFolders& folders,
                       Language language)
    : view_(new BoardView(std::move(pictures), this)) {
    setWindowTitle(QStringLiteral("NarabeⅠ"));
    setCentralWidget(view_);
    buildMenus();
    const Ports io{.surface = *view_,
                   .boxes = *this,
                   .menu = *this,
                   .sound = sound,
                   .clock = *this,
                   .browser = *this,
                   .frame = *this,
                   .program = *this,
                   .about = *this,
                   .dialogs = *this,
                   .homePage = std::string(HOME_PAGE),
                   .helpPage = std::string(helpPageOf(language)),
                   .dataDir = folders.dataDir,
                   .settingsFile = folders.settingsFile};
    game_ = std::make_unique<GameController>(io);
    view_->onPress = [this](double x, double y) { handle([this, x, y] { game_->pressed(x, y); }); };
    view_->setFocus();
}

void MainWindow::load() {
    {
        const Busy busy(busy_);
        game_->load();
    }
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::buildMenus() {
    QMenu* bar = nullptr;
    QMenu* sub = nullptr;
    QActionGroup* radios = nullptr;
    for (const MenuNode& node : MENU_TREE) {
        QAction* action = nullptr;
        switch (node.level) {
        case MenuLevel::Bar:
            bar = menuBar()->addMenu(windowText(node.text));
            continue;
        case MenuLevel::Submenu:
            sub = bar->addMenu(windowText(node.text));
            continue;
        case MenuLevel::BarCommand:
            action = menuBar()->addAction(windowText(node.text));
            break;
        case MenuLevel::Item:
            action = bar->addAction(windowText(node.text));
            break;
        case MenuLevel::SubItem:
            action = sub->addAction(windowText(node.text));
            break;
        }
        action->setObjectName(qs(node.control));
        // The menus show the key beside the item; a command on the bar itself shows none.
        if (!node.shortcut.empty()) action->setShortcut(QKeySequence(qs(node.shortcut)));
        if (node.check) {
            action->setCheckable(true);
            action->setChecked(checks_[slotOf(*node.check)]);
            checkActions_[slotOf(*node.check)] = action;
        }
        if (node.radio) {
            // A run of radio items shares one group, which makes the menu draw them as such.
            if (radios == nullptr) radios = new QActionGroup(this);
            radios->addAction(action);
        } else {
            radios = nullptr;
        }
        connect(action, &QAction::triggered, this, [this, node]() {
            // The game sets check marks itself: undo what Qt changed on the click.
            if (node.check) showChecks();
            if (node.command == nullptr) return;
            const auto command = [this, run = node.command] { run(*game_); };
            // 終了 ends the program at once, as Esc and the close box do.
            if (node.control == "SYURYOU")
                endAtOnce(command);
            else
                handle(command);
        });
    }
}

void MainWindow::showChecks() {
    for (std::size_t i = 0; i < CHECK_ITEM_COUNT; ++i)
        if (checkActions_[i] != nullptr) checkActions_[i]->setChecked(checks_[i]);
}

void MainWindow::handle(std::function<void()> input) {
    held_.push_back(std::move(input));
    if (busy_ > 0) return;
    while (!held_.empty() && !ended_) {
        const std::function<void()> next = std::move(held_.front());
        held_.pop_front();
        const Busy busy(busy_);
        next();
    }
}

void MainWindow::endAtOnce(const std::function<void()>& ending) {
    if (ended_) return;
    {
        const Busy busy(busy_);
        ending();
    }
    if (busy_ == 0) return; // the event loop returns from QApplication::exec
    // The thinking, if any, is left to end with the process: nothing it uses is freed.
    std::fflush(nullptr);
    std::_Exit(0);
}

void MainWindow::endOnSignal() {
    endAtOnce([this] { game_->closed(); });
}

void MainWindow::openRecord(const std::filesystem::path& file) {
    handle([this, file] { game_->openRecord(file); });
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (ended_) return;
    if (event->key() == Qt::Key_Escape) {
        endAtOnce([this] { game_->keyPressed(KEY_ESC); });
    } else if (!event->text().isEmpty()) {
        const int key = event->text().at(0).unicode();
        handle([this, key] { game_->keyPressed(key); });
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    endAtOnce([this] { game_->closed(); });
    event->accept();
}

void MainWindow::message(std::string_view title, std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, windowText(title), windowText(text), QMessageBox::Ok,
                    this);
    box.exec();
}

void MainWindow::warning(std::string_view title, std::string_view text) {
    QMessageBox box(QMessageBox::Warning, windowText(title), windowText(text), QMessageBox::Ok,
                    this);
    box.exec();
}

void MainWindow::setChecked(CheckItem item, bool on) {
    checks_[slotOf(item)] = on;
    if (QAction* a = checkActions_[slotOf(item)]) a->setChecked(on);
}

void MainWindow::wait(double seconds) {
    // Nothing to wait for ends at a time long past.
    waitUntil(seconds > 0 ? sleeper_.after(seconds) : Time{}, seconds);
}

void MainWindow::waitUntil(Time end, double seconds) {
    // What was drawn before the pause is shown before it; the window stays alive meanwhile,
    // input waiting as handle() holds it.
    view_->refresh();
    sleeper_.waitUntil(end, seconds);
}

void MainWindow::work(const std::function<void()>& work) {
    QEventLoop loop;
    std::thread worker([&work, &loop] {
        work();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
}

bool MainWindow::open(std::string_view address) {
    // A path's name may be in any encoding: its URL is made from its bytes, not its text.
    const QUrl url = std::filesystem::path(address).is_absolute()
                         ? QUrl::fromEncoded(QByteArray::fromStdString(fileUrl(address)))
                         : QUrl(qs(address));
    return QDesktopServices::openUrl(url);
}

void MainWindow::place(double left, double top, double /*width*/, double /*height*/) {
    // Under Wayland a window cannot place itself: the compositor does.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    // The frame's outer corner; the client area keeps the fixed size of the board view.
    askedCorner_ =
        QPoint(static_cast<int>(left / TWIPS_PER_PIXEL), static_cast<int>(top / TWIPS_PER_PIXEL));
    move(askedCorner_);
    fitWhenShown_ = true;
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The frame is known once the window is on the screen, at its first exposure.
    if (fitWhenShown_) windowHandle()->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        fitWhenShown_ = false;
        fitToFrame();
    }
    return QMainWindow::eventFilter(watched, event);
}

// The corner asked for lies just beyond the screen's: on the desktop the game was made for,
// that hid the window's outer border and put its title bar at the screen's top edge. Here a
// window manager draws a frame of its own, whose extents are known once it has framed the
// window: the frame's left border goes off the screen's free area, as far as the game asked
// and no further than that border is wide, and its top edge stays on it, since the frame's
// top extent is mostly the title bar, whose own part of it is not known. Without a window
// manager there is no frame and the window stays where the game put it.
void MainWindow::fitToFrame() {
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull()) return;
    const QRect free = screen()->availableGeometry();
    const QPoint corner(free.left() + std::max(askedCorner_.x(), -frame.left()),
                        free.top() + std::max(askedCorner_.y(), 0));
    // The client area's place from the frame's: the widget may not know the frame yet.
    setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), geometry().size()));
}

void MainWindow::showModal() {
    AboutBox box(
        view_->scale(), [this] { game_->about().homePagePressed(); },
        [this] { game_->about().okPressed(); }, this);
    about_ = &box;
    box.exec();
    about_ = nullptr;
}

void MainWindow::unload() {
    if (about_ != nullptr) about_->done(0);
}

QString MainWindow::recordFolder() const {
    return recordFolder_.isEmpty() ? firstRecordFolder() : recordFolder_;
}

// The file a record dialog closed on, in the file system's own encoding; nothing when it was
// cancelled. Its folder is where the next record dialog starts.
std::optional<std::filesystem::path> MainWindow::chosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString file = dialog.selectedFiles().constFirst();
    recordFolder_ = QFileInfo(file).absolutePath();
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

std::optional<std::filesystem::path> MainWindow::recordToOpen() {
    QFileDialog dialog(this, windowText("棋譜を開く"), recordFolder(), windowText(RECORD_FILTER));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog);
}

std::optional<std::filesystem::path> MainWindow::recordToSave(std::string_view name) {
    QFileDialog dialog(this, windowText("棋譜を保存"), recordFolder(), windowText(RECORD_FILTER));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("sgf"));
    dialog.selectFile(QDir(recordFolder()).filePath(windowText(name)));
    return chosenFile(dialog);
}

void MainWindow::end() {
    ended_ = true;
    QCoreApplication::exit(0);
}

} // namespace narabe
