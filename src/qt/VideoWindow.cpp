// The borderless video window; its native picture widget hosts the video output.
#include "qt/VideoWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QShowEvent>
#include <QPainter>
#include <QWheelEvent>

#include "skin/ChildWindowInput.h"

#include "qt/AppIcon.h"
#include "qt/X11Desktop.h"
#include "qt/QtPixelSink.h"

namespace felux {

VideoWindow::VideoWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), picture_(new QWidget(this)),
      lyrics_(new LyricsWidget(this)) {
    setWindowTitle(QStringLiteral("FELUX Video"));
    setWindowIcon(AppIcon());
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    // The video output draws into this X11 window; a mask on it clips the picture.
    picture_->setAttribute(Qt::WA_NativeWindow);
    // Never painted by Qt: the output draws there, and the server clears it to black.
    picture_->setAttribute(Qt::WA_NoSystemBackground);
    picture_->setAttribute(Qt::WA_OpaquePaintEvent);
    picture_->setUpdatesEnabled(false);
}

void VideoWindow::keyPressEvent(QKeyEvent* event) { event->accept(); }

// Closing the picture ends the player, through its exit sequence so that everything is saved.
void VideoWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (onClose_) onClose_();
}

// Kept out of the taskbar on every showing: a manager drops the hint when the window unmaps.
void VideoWindow::showEvent(QShowEvent* event) {
    x11::SkipTaskbar(this);
    QWidget::showEvent(event);
}

WId VideoWindow::PictureWindow() {
    if (picture_->testAttribute(Qt::WA_WState_Created) && !x11::WindowExists(picture_->winId())) {
        const bool shown = isVisible();
        destroy(true, true);
        create();
        picture_->winId();
        if (shown) show();
    }
    const WId wid = picture_->winId();
    x11::BlackServerBackground(wid);
    // The output looks the window up on its own X connection: it must exist on the server by then.
    QGuiApplication::sync();
    return wid;
}

void VideoWindow::mousePressEvent(QMouseEvent* event) {
    // A window manager activates the player on a click; a bare X server has nobody to do it.
    if (!x11::WindowManagerRunning()) activateWindow();
    if (record_ && RecordPress(*record_, event)) drag_.Arm(this);
}

void VideoWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) drag_.Disarm();
    if (record_) RecordRelease(*record_, event);
}

void VideoWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (record_) RecordDoubleClick(*record_, event);
}

void VideoWindow::mouseMoveEvent(QMouseEvent* event) {
    // The user's drag places the window; the program's layouts and the manager's constraints
    // move it too, but those are not the user's choice of place.
    if (drag_.Follow(event)) {
        if (record_) record_->OnUserMove(x(), y());
        return;
    }
    if (record_) RecordMove(*record_, event);
}

void VideoWindow::wheelEvent(QWheelEvent* event) {
    if (record_) RecordWheel(*record_, event);
}

void VideoWindow::paintEvent(QPaintEvent*) {
    // The picture covers the rest; only the strip below it is ours to draw.
    if (!paintStrip_) return;
    QPainter painter(this);
    QtPixelSink sink(painter);
    paintStrip_(sink, width(), height());
}

}  // namespace felux
