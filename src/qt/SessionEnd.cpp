// Ends the player the normal way when its session ends: a signal, the session manager, a lost display.
#include "qt/SessionEnd.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

#include "player/Player.h"

namespace felux {
namespace {

constexpr std::array<int, 3> kEndSignals{SIGTERM, SIGHUP, SIGINT};

// Shared with the signal handler and the exit handler, which cannot be given a context.
int wakeFd = -1;
std::atomic_flag signalled;  // clear from the start since C++20
std::atomic<Player*> unsavedPlayer{nullptr};
bool atExitRegistered = false;

void OnEndSignal(int signo) {
    if (signalled.test_and_set()) ::_exit(128 + signo);
    const int savedErrno = errno;
    const char byte = 1;
    // Non-blocking: a full socket wakes the loop already.
    [[maybe_unused]] const ssize_t written = ::write(wakeFd, &byte, 1);
    errno = savedErrno;
}

// Runs from exit(). A player that ended normally has saved already, and once is enough.
void SaveAtExit() {
    Player* player = unsavedPlayer.exchange(nullptr);
    if (player && !player->Ended()) player->SaveFiles();
}

}  // namespace

SessionEnd::SessionEnd(Player& player) : player_(player) {
    unsavedPlayer.store(&player);
    if (!atExitRegistered) atExitRegistered = std::atexit(SaveAtExit) == 0;
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { player_.SaveFiles(); });

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wake_.data()) != 0) {
        std::perror("FELUX: signals will end the player without saving: socketpair");
        return;
    }
    wakeFd = wake_[1];
    notifier_ = std::make_unique<QSocketNotifier>(wake_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SessionEnd::TakeSignal);
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kEndSignals.size(); ++i) {
        ::sigaction(kEndSignals[i], nullptr, &previous_[i]);
        // Started under nohup or in a script's background, the player keeps ignoring what it ignored.
        if (previous_[i].sa_handler != SIG_IGN) ::sigaction(kEndSignals[i], &action, nullptr);
    }
}

SessionEnd::~SessionEnd() {
    unsavedPlayer.store(nullptr);
    if (!notifier_) return;
    for (std::size_t i = 0; i < kEndSignals.size(); ++i) ::sigaction(kEndSignals[i], &previous_[i], nullptr);
    notifier_.reset();
    wakeFd = -1;
    ::close(wake_[0]);
    ::close(wake_[1]);
}

void SessionEnd::TakeSignal() {
    char bytes[16];
    while (::read(wake_[0], bytes, sizeof bytes) > 0) {
    }
    player_.RequestExit();
}

}  // namespace felux
