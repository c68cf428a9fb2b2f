// The borderless video window; its native picture widget hosts the video output.
#include "qt/VideoWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "qt/AppIcon.h"

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

}  // namespace felux
