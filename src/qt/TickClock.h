// The tick's clock: every kTickMs, and at once after a user's press, so that a click or a key acts
// without waiting out the rest of the interval.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "model/Tick.h"

namespace felux {

class TickClock : public QObject {
    Q_OBJECT
public:
    explicit TickClock(std::function<void()> tick, int intervalMs = kTickMs);

    // The first tick as soon as the event loop runs, then one every interval.
    void Start();
    // No tick after this, prompted or timed.
    void Stop();
    // The tick as soon as the event loop is back; the interval counts again from it. Prompts
    // made before it runs are one tick.
    void Prompt();

protected:
    // Key presses (not the keyboard's repeats) and mouse presses and releases prompt the tick.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RunPrompted();

    std::function<void()> tick_;
    int intervalMs_;
    QTimer timer_;
    bool promptQueued_ = false;
    bool stopped_ = false;
};

}  // namespace felux
