// Window port over the Qt main, panel, video and picture widgets.
#include "qt/QtWindowSystem.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <QWindow>

#include "qt/MainWindow.h"
#include "qt/VideoWindow.h"
#include "qt/X11Desktop.h"

// Last: Xlib's macros would clash with names in the headers above.
#include <X11/Xlib.h>

namespace felux {

QtWindowSystem::QtWindowSystem(MainWindow& main, VideoWindow& video) : main_(main), video_(video) {}

QWidget* QtWindowSystem::Widget(WindowId id) const {
    switch (id) {
        case WindowId::Main:
            return &main_;
        case WindowId::Panel:
            return main_.Panel();
        case WindowId::Video:
            return &video_;
        case WindowId::Picture:
            return video_.Picture();
        case WindowId::Lyrics:
            return video_.Lyrics();
        case WindowId::Editor:
            return editor_ ? editor_() : nullptr;
    }
    return nullptr;
}

void QtWindowSystem::Place(WindowId id, Rect r, bool show, Stacking stacking) {
    QWidget* w = Widget(id);
    if (!w) return;
    if (id == WindowId::Editor) {
        // The editor has a frame: its rectangle is the client area, as WindowRect reports it,
        // so that placing it where it was does not shift it by the frame.
        w->setGeometry(r.x, r.y, r.width, r.height);
        if (show) w->show();
        return;
    }
    if (!w->isWindow()) {
        // Child widgets take screen coordinates relative to their top-level window.
        const QPoint origin = w->window()->geometry().topLeft();
        r.x -= origin.x();
        r.y -= origin.y();
    }
    // The panel stays on top through the window that holds it. Kept above is asserted on every
    // layout (a manager drops it when the window unmaps); back to normal only when it was above.
    if (stacking != Stacking::Keep) {
        QWidget* top = w->window();
        const bool above = stacking == Stacking::Topmost;
        bool& wasAbove = top == &main_ ? mainAbove_ : videoAbove_;
        if (above || wasAbove) x11::KeepAbove(top, above);
        wasAbove = above;
    }
    // Children may start left of or above their window: a filled picture is cropped that way.
    w->move(r.x, r.y);
    Resize(id, r.width, r.height);
    // A window of zero size cannot exist on X11: it stays hidden until it gets a size.
    if (show && r.width > 0 && r.height > 0) w->show();
}

void QtWindowSystem::Resize(WindowId id, int width, int height) {
    QWidget* w = Widget(id);
    if (!w) return;
    if (width <= 0 || height <= 0) {
        w->hide();
        return;
    }
    if (w == &main_)
        main_.setFixedSize(width, height);
    else
        w->resize(width, height);
}

void QtWindowSystem::Raise(WindowId id) {
    QWidget* w = Widget(id);
    if (!w) return;
    // Children stack among their siblings; windows through the window manager.
    if (w->isWindow())
        x11::RaiseTop(w);
    else
        w->raise();
}

void QtWindowSystem::StackUnder(WindowId id, WindowId over) {
    QWidget* w = Widget(id);
    QWidget* above = Widget(over);
    if (w && above) x11::StackUnder(w->window(), above->window());
}

Rect QtWindowSystem::WindowRect(WindowId id) {
    QWidget* w = Widget(id);
    if (!w) return {};
    const QRect g = w->isWindow() ? w->geometry() : QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    return {g.x(), g.y(), g.width(), g.height()};
}

bool QtWindowSystem::OnScreen(WindowId id) {
    QWidget* w = Widget(id);
    if (!w || !w->isVisible()) return false;
    // A native child (the picture) is exposed on its own; another child with its window.
    const QWindow* handle = w->windowHandle() ? w->windowHandle() : w->window()->windowHandle();
    return handle && handle->isExposed();
}

Size QtWindowSystem::ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect g = screen->geometry();
    return {g.width(), g.height()};
}

double QtWindowSystem::DeviceScale() {
    const QScreen* screen = main_.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

// Qt reads the manager's _NET_WORKAREA; without a manager it is the whole screen.
Rect QtWindowSystem::WorkArea() {
    const QScreen* screen = video_.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect g = screen->availableGeometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

void QtWindowSystem::SetTitle(WindowId id, const std::string& title) {
    if (QWidget* w = Widget(id)) w->setWindowTitle(QString::fromStdString(title));
}

void QtWindowSystem::SetRegion(WindowId id, const std::vector<Rect>& spans) {
    QWidget* w = Widget(id);
    if (!w) return;
    QRegion region;
    for (const Rect& s : spans) region += QRect(s.x, s.y, s.width, s.height);
    w->setMask(region);
}

// Nothing to do on the tick: the panel armed the move at the press itself and starts it when the
// pointer travels with the button held (MainWindow.cpp). Started from here, the button could
// already be up, and the window would stay stuck to the pointer.
void QtWindowSystem::StartSystemMove(WindowId) {}

void QtWindowSystem::Minimise(WindowId id) {
    if (QWidget* w = Widget(id); w && w->isWindow()) w->showMinimized();
}

void QtWindowSystem::Restore(WindowId id) {
    if (QWidget* w = Widget(id); w && w->isWindow()) w->showNormal();
}

void QtWindowSystem::Activate(WindowId id) {
    if (QWidget* w = Widget(id)) w->window()->activateWindow();
}

Point QtWindowSystem::CursorPosition() {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

void QtWindowSystem::MoveCursor(Point p) { QCursor::setPos(p.x, p.y); }

void QtWindowSystem::ShowCursor(bool show) {
    if (show)
        QGuiApplication::restoreOverrideCursor();
    else
        QGuiApplication::setOverrideCursor(Qt::BlankCursor);
}

void QtWindowSystem::KeepDisplayAwake() {
    // X11 only; elsewhere the desktop keeps its own idle time.
    if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) XResetScreenSaver(x11->display());
}

void QtWindowSystem::Invalidate(WindowId id) {
    // The panel covers the main window: repainting the main window means repainting the panel.
    if (id == WindowId::Main) main_.Panel()->update();
    if (QWidget* w = Widget(id)) w->update();
}

void QtWindowSystem::InvalidateArea(WindowId id, Rect area) {
    const QRect r(area.x, area.y, area.width, area.height);
    // The panel covers the main window, at its origin.
    if (id == WindowId::Main)
        main_.Panel()->update(r);
    else if (QWidget* w = Widget(id))
        w->update(r);
}

}  // namespace felux
