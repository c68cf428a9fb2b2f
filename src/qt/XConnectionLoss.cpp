// One exit when an X connection breaks: from the UI thread, whichever thread finds it broken.
#include "qt/XConnectionLoss.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace felux {
namespace {

// Xlib's handler takes no context, so what it needs is process-wide.
std::atomic<std::thread::id> uiThread;
std::atomic<bool> savesDone{false};

// Long enough for the UI thread to learn of the loss through its own connection and save;
// bounded for a loss only the engine's connection saw, where nothing else would end the process.
constexpr auto kSavesWait = std::chrono::seconds(10);

void MarkSavesDone() { savesDone.store(true); }

int OnConnectionLost(Display*) {
    if (std::this_thread::get_id() != uiThread.load()) {
        const auto deadline = std::chrono::steady_clock::now() + kSavesWait;
        while (!savesDone.load() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ::_exit(1);
    }
    // Within exit() already, whose handlers may not run twice: the files are written.
    if (savesDone.load()) ::_exit(1);
    std::fputs("felux: the connection to the X server broke\n", stderr);
    std::exit(1);  // the exit handlers save what the player has not
}

}  // namespace

void EndOnXConnectionLossOnThisThread() {
    uiThread.store(std::this_thread::get_id());
    // Runs after the exit handlers registered later, the player's saves among them.
    std::atexit(MarkSavesDone);
    XSetIOErrorHandler(OnConnectionLost);
}

void XConnectionLossSavesDone() { MarkSavesDone(); }

}  // namespace felux
