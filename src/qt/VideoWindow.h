// The borderless video window; its native picture widget hosts the video output.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/PixelSink.h"
#include "qt/LyricsWidget.h"
#include "qt/MouseRecord.h"

namespace felux {

class VideoWindow : public QWidget {
    Q_OBJECT
public:
    VideoWindow();
    QWidget* Picture() const { return picture_; }
    LyricsWidget* Lyrics() const { return lyrics_; }
    // Clicks, wheel notches and moves go to this record.
    void SetRecord(ChildWindowInput* record) { record_ = record; }
    // Called when the desktop asks the window to close.
    void SetCloseHandler(std::function<void()> onClose) { onClose_ = std::move(onClose); }
    // The picture's native window for the video output. One destroyed from outside (a
    // compositor that crashed, a tool) is made anew: the output must never get a dead window.
    WId PictureWindow();
    // Paints the timed-text strip along the window's bottom (sink, width, height).
    void SetStripPainter(std::function<void(PixelSink&, int, int)> paint) { paintStrip_ = std::move(paint); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* picture_;
    LyricsWidget* lyrics_;
    ChildWindowInput* record_ = nullptr;
    WindowDrag drag_;
    std::function<void()> onClose_;
    std::function<void(PixelSink&, int, int)> paintStrip_;
};

}  // namespace felux
