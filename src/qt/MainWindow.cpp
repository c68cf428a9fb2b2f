// The borderless 407 x 50 main window with the panel laid over it.
#include "qt/MainWindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QPainter>
#include <utility>

#include "player/Player.h"
#include "qt/AppIcon.h"
#include "qt/DropPaths.h"
#include "qt/QtPixelSink.h"
#include "qt/X11Desktop.h"

namespace felux {

PanelWidget::PanelWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(0, 0, kMainWidth, kMainHeight);
    // The hover over the display text needs moves without a button held.
    setMouseTracking(true);
}

void PanelWidget::mousePressEvent(QMouseEvent* event) {
    // A window manager activates the player on a click; a bare X server has nobody to do it.
    if (!x11::WindowManagerRunning()) window()->activateWindow();
    if (!player_) return;
    RecordPress(player_->PanelInputRecord(), event);
    // Decided here rather than on the tick, which may see the press late (after an activation's
    // relayout), when the drag is under way or the button is up.
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton && player_->View().MovesWindowAt(p.x(), p.y())) drag_.Arm(window());
}

void PanelWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) drag_.Disarm();
    if (player_) RecordRelease(player_->PanelInputRecord(), event);
}

// Not passed on: the base class would turn the double click into a second press.
void PanelWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (player_) RecordDoubleClick(player_->PanelInputRecord(), event);
}

void PanelWidget::mouseMoveEvent(QMouseEvent* event) {
    if (drag_.Follow(event)) return;
    if (player_) RecordMove(player_->PanelInputRecord(), event);
}

// The pointer left the panel: it no longer hovers over the display text.
void PanelWidget::leaveEvent(QEvent*) {
    if (player_) player_->PanelInputRecord().OnMouseMove(-1, -1);
}

void PanelWidget::wheelEvent(QWheelEvent* event) {
    if (!player_) return;
    // The panel's own notches feed the wheel seek when "notch feel" is on; otherwise the wheel
    // counts as the main window's, as it would with the focus there.
    if (player_->View().Settings().wheelNotchFeel == 1)
        RecordWheel(player_->PanelInputRecord(), event);
    else
        player_->OnMouseWheel(event->angleDelta().y());
}

void PanelWidget::paintEvent(QPaintEvent*) {
    if (!player_) return;
    QPainter painter(this);
    QtPixelSink sink(painter);
    player_->View().PaintPanel(sink);
    player_->OnPanelPainted();
}

// Shown as any program's window, so the desktop makes the player active when it starts.
MainWindow::MainWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), panel_(new PanelWidget(this)) {
    setFixedSize(kMainWidth, kMainHeight);
    setWindowTitle(QString::fromUtf8(kMainTitle));
    setWindowIcon(AppIcon());
    setAcceptDrops(true);
}

void MainWindow::SetPlayer(Player* player) {
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

// A window manager activates a program's first window; on a bare X server the keyboard would
// follow the pointer instead, so the player takes it once, as it starts.
void MainWindow::showEvent(QShowEvent* event) {
    if (!std::exchange(shownOnce_, true) && !x11::WindowManagerRunning()) activateWindow();
    QWidget::showEvent(event);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && player_) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        if (change->oldState().testFlag(Qt::WindowMinimized) && !isMinimized()) player_->OnMainRestored();
    }
    QWidget::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A close from the desktop goes through the exit sequence so that everything is saved.
    event->ignore();
    if (player_) player_->Command(PlayerCommand::Quit);
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
    if (const std::optional<MouseButton> button = DragButton(event->buttons())) dragButton_ = button;
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths = DropPaths(event->mimeData());
    const std::optional<MouseButton> button = DragButton(event->buttons()) ? DragButton(event->buttons()) : dragButton_;
    dragButton_.reset();
    if (paths.empty() || !player_) return;
    event->acceptProposedAction();
    player_->OnDrop(std::move(paths), DropTarget::Main, button);
}

}  // namespace felux
