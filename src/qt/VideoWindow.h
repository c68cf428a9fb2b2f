// The borderless video window; its native picture widget hosts the video output.
#pragma once

#include <QWidget>

namespace felux {

class VideoWindow : public QWidget {
    Q_OBJECT
public:
    VideoWindow();
    QWidget* Picture() const { return picture_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* picture_;
};

}  // namespace felux
