// Gives the keyboard back to the player when one of its dialogs closes on a bare X server.
#include "qt/FocusReturn.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "qt/X11Desktop.h"

namespace felux {

FocusReturn::FocusReturn(QWidget& main, QWidget& video) : main_(main), video_(video) {}

bool FocusReturn::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && qobject_cast<QDialog*>(watched) &&
        static_cast<QWidget*>(watched)->isWindow() && !x11::WindowManagerRunning()) {
        // After the hide has run its course: a dialog that opened another keeps the keyboard.
        QTimer::singleShot(0, this, [this] {
            if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return;
            QWidget* home = main_.isVisible() && !main_.isMinimized() ? &main_ : &video_;
            if (home->isVisible()) home->activateWindow();
        });
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace felux
