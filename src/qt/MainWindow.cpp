// The borderless 407 x 50 main window with the panel laid over it.
#include "qt/MainWindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QPainter>

#include "player/MainPlayerDlg.h"
#include "qt/AppIcon.h"
#include "qt/DropPaths.h"
#include "qt/QtPixelSink.h"

namespace felux {

PanelWidget::PanelWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(0, 0, kMainWidth, kMainHeight);
    // The hover over the display text needs moves without a button held.
    setMouseTracking(true);
}

void PanelWidget::mousePressEvent(QMouseEvent* event) {
    // A click activates the player, as it does under any window manager.
    window()->activateWindow();
    if (player_) RecordPress(player_->panelInput, event);
}

void PanelWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (player_) RecordRelease(player_->panelInput, event);
}

// Not passed on: the base class would turn the double click into a second press.
void PanelWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (player_) RecordDoubleClick(player_->panelInput, event);
}

void PanelWidget::mouseMoveEvent(QMouseEvent* event) {
    if (drag_.Follow(event)) return;
    if (player_) RecordMove(player_->panelInput, event);
}

void PanelWidget::wheelEvent(QWheelEvent* event) {
    if (!player_) return;
    // The panel's own notches feed the wheel seek when "notch feel" is on; otherwise the wheel
    // counts as the main window's, as it would with the focus there.
    if (player_->settings.wheelNotchFeel == 1)
        RecordWheel(player_->panelInput, event);
    else
        player_->OnMouseWheel(event->angleDelta().y());
}

void PanelWidget::paintEvent(QPaintEvent*) {
    if (!player_) return;
    QPainter painter(this);
    QtPixelSink sink(painter);
    player_->PaintPanel(sink);
    player_->OnPaint();
}

MainWindow::MainWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), panel_(new PanelWidget(this)) {
    setFixedSize(kMainWidth, kMainHeight);
    setWindowTitle(QString::fromUtf8(kMainTitle));
    setWindowIcon(AppIcon());
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAcceptDrops(true);
}

void MainWindow::SetPlayer(MainPlayerDlg* player) {
    player_ = player;
    panel_->SetPlayer(player);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Keys are polled by the tick; Enter and Escape must not close anything.
    event->accept();
}

void MainWindow::moveEvent(QMoveEvent*) {
    if (player_) player_->OnMove(x(), y());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A close from the desktop goes through the exit sequence so that everything is saved.
    event->ignore();
    if (player_) player_->state.exitRequested = 1;
}

}  // namespace felux

namespace felux {

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!event->mimeData()->hasUrls()) return;
    dragButton_ = DragButton(event->buttons());
    event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (!event->mimeData()->hasUrls()) return;
    if (const int button = DragButton(event->buttons())) dragButton_ = button;
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths = DropPaths(event->mimeData());
    const int button = DragButton(event->buttons()) != 0 ? DragButton(event->buttons()) : dragButton_;
    dragButton_ = 0;
    if (paths.empty() || !player_) return;
    event->acceptProposedAction();
    player_->OnDropFiles(std::move(paths), DropTarget::Main, button);
}

}  // namespace felux
