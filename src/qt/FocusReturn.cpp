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
        // After the hide has run its course. A modal dialog still up (the one a sub-dialog came
        // from) gets the keyboard back; with none, the player does, unless another dialog of ours
        // is on its way (a chooser), which takes it itself.
        QTimer::singleShot(0, this, [this] {
            if (QApplication::activeWindow() || QApplication::activePopupWidget()) return;
            if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
                modal->activateWindow();
                return;
            }
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
