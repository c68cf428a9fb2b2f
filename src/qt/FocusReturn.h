// Gives the keyboard back to the player when one of its dialogs closes on a bare X server.
#pragma once

#include <QObject>

class QWidget;

namespace felux {

// A window manager hands the focus back to the window a dialog belonged to; a bare X server
// leaves it to the pointer, and keys would reach a player window only while the pointer rests
// on one. The dialog a closed sub-dialog came from takes it back; after the last dialog, the main
// window does, or the video window while the panel is minimised.
class FocusReturn : public QObject {
    Q_OBJECT
public:
    FocusReturn(QWidget& main, QWidget& video);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& main_;
    QWidget& video_;
};

}  // namespace felux
