// The tick's clock: every kTickMs, and at once after a user's press.
#include "qt/TickClock.h"

#include <QKeyEvent>

namespace felux {

TickClock::TickClock(std::function<void()> tick, int intervalMs) : tick_(std::move(tick)), intervalMs_(intervalMs) {
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!stopped_) tick_();
    });
}

void TickClock::Start() {
    stopped_ = false;
    timer_.start(intervalMs_);
    Prompt();
}

void TickClock::Stop() {
    stopped_ = true;
    timer_.stop();
}

void TickClock::Prompt() {
    if (stopped_ || promptQueued_) return;
    promptQueued_ = true;
    // Queued, so that the press is recorded by every other filter before the tick reads it.
    QMetaObject::invokeMethod(this, &TickClock::RunPrompted, Qt::QueuedConnection);
}

void TickClock::RunPrompted() {
    promptQueued_ = false;
    if (stopped_) return;
    timer_.start(intervalMs_);
    tick_();
}

bool TickClock::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) Prompt();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            Prompt();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace felux
