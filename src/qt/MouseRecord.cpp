// Hands a widget's mouse events to a child-window input record, and moves windows by hand.
#include "qt/MouseRecord.h"

#include <QCursor>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

#include "skin/ChildWindowInput.h"

namespace felux {
namespace {

QPoint At(QMouseEvent* event) { return event->position().toPoint(); }

}  // namespace

void WindowDrag::Arm(QWidget* window) {
    window_ = window;
    if (window) grab_ = QCursor::pos() - window->pos();
}

bool WindowDrag::Follow(QMouseEvent* event) {
    if (!window_) return false;
    if (!(event->buttons() & Qt::LeftButton)) {
        Disarm();
        return false;
    }
    window_->move(event->globalPosition().toPoint() - grab_);
    return true;
}

bool RecordPress(ChildWindowInput& record, QMouseEvent* event) {
    const QPoint p = At(event);
    switch (event->button()) {
        case Qt::LeftButton:
            return record.OnLButtonDown(p.x(), p.y());
        case Qt::RightButton:
            record.OnRButtonDown(p.x(), p.y());
            break;
        case Qt::MiddleButton:
            record.OnMButtonDown();
            break;
        default:
            break;
    }
    return false;
}

void RecordRelease(ChildWindowInput& record, QMouseEvent* event) {
    const QPoint p = At(event);
    if (event->button() == Qt::LeftButton) record.OnLButtonUp(p.x(), p.y());
    if (event->button() == Qt::RightButton) record.OnRButtonUp(p.x(), p.y());
}

void RecordDoubleClick(ChildWindowInput& record, QMouseEvent* event) {
    const QPoint p = At(event);
    if (event->button() == Qt::LeftButton) record.OnLButtonDblClk(p.x(), p.y());
    if (event->button() == Qt::RightButton) record.OnRButtonDblClk(p.x(), p.y());
    if (event->button() == Qt::MiddleButton) record.OnMButtonDown();
}

void RecordMove(ChildWindowInput& record, QMouseEvent* event) {
    const QPoint p = At(event);
    record.OnMouseMove(p.x(), p.y());
}

void RecordWheel(ChildWindowInput& record, QWheelEvent* event) {
    record.OnMouseWheel(event->angleDelta().y());
    event->accept();
}

}  // namespace felux
