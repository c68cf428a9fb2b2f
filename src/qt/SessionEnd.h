// Ends the player the normal way when its session ends: a signal, the session manager, a lost display.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <array>
#include <signal.h>
#include <memory>

namespace felux {

class Player;

// SIGTERM, SIGHUP and SIGINT ask the player for its exit sequence from the event loop: the
// handler only writes a byte into a socket pair. A second one while the exit runs ends the
// process at once with 128 + its number. The session manager's request to save makes the player
// write its files and go on. An exit() that the player did not see coming (Qt's, or the UI thread's
// when an X connection breaks: XConnectionLoss) writes them last. Only one may exist; it goes
// before the player does.
class SessionEnd : public QObject {
    Q_OBJECT

public:
    explicit SessionEnd(Player& player);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd&) = delete;
    SessionEnd& operator=(const SessionEnd&) = delete;

private:
    void TakeSignal();

    Player& player_;
    std::array<int, 2> wake_{-1, -1};  // the handler writes to [1]
    std::unique_ptr<QSocketNotifier> notifier_;
    std::array<struct sigaction, 3> previous_{};
};

}  // namespace felux
