// Hands a widget's mouse events to a child-window input record, and moves windows by hand where the system cannot.
#pragma once

#include <QPoint>

class QMouseEvent;
class QWheelEvent;
class QWidget;

namespace felux {

class PanelWnd;

// Moves a top-level window with the held left button when the window system offers no move
// of its own (no window manager).
class WindowDrag {
public:
    // Starts the system's move, or follows the cursor by hand when the system refuses.
    void Start(QWidget* window);
    // True while it moves the window by hand; the caller forwards its mouse moves.
    bool Follow(QMouseEvent* event);

private:
    QWidget* window_ = nullptr;
    QPoint grab_;
};

// The event forwarding both child windows share; each returns true for a left press that
// asks the window to be moved.
bool RecordPress(PanelWnd& record, QMouseEvent* event);
void RecordRelease(PanelWnd& record, QMouseEvent* event);
void RecordDoubleClick(PanelWnd& record, QMouseEvent* event);
void RecordMove(PanelWnd& record, QMouseEvent* event);
void RecordWheel(PanelWnd& record, QWheelEvent* event);

}  // namespace felux
