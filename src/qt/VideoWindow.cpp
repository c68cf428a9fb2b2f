// The borderless video window; its native picture widget hosts the video output.
#include "qt/VideoWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QWheelEvent>

#include "skin/PanelWnd.h"

#include "qt/AppIcon.h"
#include "qt/QtPixelSink.h"

namespace felux {

VideoWindow::VideoWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), picture_(new QWidget(this)) {
    setWindowTitle(QStringLiteral("FELUX Video"));
    setWindowIcon(AppIcon());
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    // The video output draws into this X11 window; a mask on it clips the picture.
    picture_->setAttribute(Qt::WA_NativeWindow);
    picture_->setPalette(black);
    picture_->setAutoFillBackground(true);
}

void VideoWindow::keyPressEvent(QKeyEvent* event) { event->accept(); }

void VideoWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

void VideoWindow::mousePressEvent(QMouseEvent* event) {
    // A click activates the player, as it does under any window manager.
    activateWindow();
    if (record_ && RecordPress(*record_, event)) drag_.Start(this);
}

void VideoWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (record_) RecordRelease(*record_, event);
}

void VideoWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (record_) RecordDoubleClick(*record_, event);
}

void VideoWindow::mouseMoveEvent(QMouseEvent* event) {
    if (drag_.Follow(event)) return;
    if (record_) RecordMove(*record_, event);
}

void VideoWindow::wheelEvent(QWheelEvent* event) {
    if (record_) RecordWheel(*record_, event);
}

void VideoWindow::moveEvent(QMoveEvent*) {
    if (record_) record_->OnMove(x(), y());
}

void VideoWindow::paintEvent(QPaintEvent*) {
    // The picture covers the rest; only the strip below it is ours to draw.
    if (!paintStrip_) return;
    QPainter painter(this);
    QtPixelSink sink(painter);
    paintStrip_(sink, width(), height());
}

}  // namespace felux
