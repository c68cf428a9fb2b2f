// The tick's clock: a user's press brings the tick forward once; repeats and a stopped clock do not.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include "qt/TickClock.h"

using felux::TickClock;

namespace {
// Long enough that no timed tick falls inside a test: only prompted ticks are counted.
constexpr int kNeverMs = 3'600'000;

void Press(QWidget& w, bool autoRepeat = false) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Period, Qt::NoModifier, QString("."), autoRepeat);
    QCoreApplication::sendEvent(&w, &press);
}
}  // namespace

class TickClockTest : public QObject {
    Q_OBJECT

private slots:
    void APressBringsOneTickForwardAfterTheOthersSawIt() {
        QWidget w;
        int ticks = 0;
        int pressesSeenByLaterFilter = 0;
        TickClock clock([&] { ++ticks; }, kNeverMs);
        qApp->installEventFilter(&clock);
        // Installed after the clock, so Qt asks it first: the tick must still come after it.
        struct Recorder : QObject {
            int& seen;
            explicit Recorder(int& s) : seen(s) {}
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::KeyPress) ++seen;
                return false;
            }
        } recorder(pressesSeenByLaterFilter);
        qApp->installEventFilter(&recorder);

        clock.Start();
        QCoreApplication::processEvents();
        QCOMPARE(ticks, 1);  // the first tick as soon as the loop runs

        int seenAtTick = -1;
        TickClock seeing([&] { seenAtTick = pressesSeenByLaterFilter; }, kNeverMs);
        qApp->installEventFilter(&seeing);
        Press(w);
        QCOMPARE(ticks, 1);  // not inside the press's own delivery
        QCoreApplication::processEvents();
        QCOMPARE(ticks, 2);
        QCOMPARE(seenAtTick, 1);

        // Presses queued behind one another before the loop comes back are one tick.
        Press(w);
        QMouseEvent down(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &down);
        QCoreApplication::processEvents();
        QCOMPARE(ticks, 3);

        // The keyboard's own repeats of a held key are no new press.
        Press(w, true);
        QCoreApplication::processEvents();
        QCOMPARE(ticks, 3);

        // A prompt still queued when the clock stops runs no tick, and none follow.
        Press(w);
        clock.Stop();
        QCoreApplication::processEvents();
        Press(w);
        QCoreApplication::processEvents();
        QCOMPARE(ticks, 3);
        qApp->removeEventFilter(&seeing);
        qApp->removeEventFilter(&recorder);
        qApp->removeEventFilter(&clock);
    }
};

QTEST_MAIN(TickClockTest)
#include "tick_clock_test.moc"
