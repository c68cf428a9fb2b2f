// Gives the keyboard back to the player when one of its dialogs closes on a bare X server.
#include "qt/FocusReturn.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "qt/X11Desktop.h"

namespace felux {

FocusReturn::FocusReturn(QWidget& main, QWidget& video) : main_(main), video_(video) {}

bool FocusReturn::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && qobject_cast<QDialog*>(watched) &&
        static_cast<QWidget*>(watched)->isWindow() && !x11::WindowManagerRunning()) {
        // After the hide has run its course, and only when no dialog of ours is up: one that is
        // still or newly shown (a chooser on its way) keeps the keyboard.
        QTimer::singleShot(0, this, [this] {
            if (QApplication::activeWindow() || QApplication::activePopupWidget()) return;
            const QWidgetList windows = QApplication::topLevelWidgets();
            if (std::any_of(windows.begin(), windows.end(),
                            [](QWidget* w) { return w->isVisible() && qobject_cast<QDialog*>(w); }))
                return;
            QWidget* home = main_.isVisible() && !main_.isMinimized() ? &main_ : &video_;
            if (home->isVisible()) home->activateWindow();
        });
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace felux
