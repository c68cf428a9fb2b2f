// Hands a widget's mouse events to a child-window input record, and moves windows by hand.
#pragma once

#include <QPoint>

class QMouseEvent;
class QWheelEvent;
class QWidget;

namespace felux {

class ChildWindowInput;

// Moves a top-level window with the held left button, by hand: the window follows the pointer's
// moves, which the pressed button keeps coming to us. A window manager's own move would take the
// pointer and keyboard from the player, and one asked for after the button came up (a quick
// click seen late) would leave the window stuck to the pointer.
class WindowDrag {
public:
    // A left press that moves the window as the pointer travels, until the button comes up.
    void Arm(QWidget* window);
    void Disarm() { window_ = nullptr; }
    // True while it moves the window; the caller forwards its mouse moves.
    bool Follow(QMouseEvent* event);

private:
    QWidget* window_ = nullptr;
    QPoint grab_;
};

// The event forwarding both child windows share; each returns true for a left press that
// asks the window to be moved.
bool RecordPress(ChildWindowInput& record, QMouseEvent* event);
void RecordRelease(ChildWindowInput& record, QMouseEvent* event);
void RecordDoubleClick(ChildWindowInput& record, QMouseEvent* event);
void RecordMove(ChildWindowInput& record, QMouseEvent* event);
void RecordWheel(ChildWindowInput& record, QWheelEvent* event);

}  // namespace felux
