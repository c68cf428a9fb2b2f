// The player's own connection to the session bus, made off the UI thread so that a slow bus never holds up the start.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <functional>
#include <thread>

namespace felux {

// Finds the session bus as libdbus finds it without starting one: the address in
// DBUS_SESSION_BUS_ADDRESS (less any autolaunch: entry), else the user's socket in the runtime
// folder; false for none. The answer is written to DBUS_SESSION_BUS_ADDRESS, an address that
// fails at once when there is no bus, so that neither the player's connection nor Qt's own (its
// accessibility bridge connects when the first window shows) ever searches: the search forks a
// helper, and a child forked while other threads hold locks can hang for ever. Called before any
// thread starts.
bool PinSessionBusAddress();

class SessionBus {
public:
    // Connects on a thread of its own to the bus pinned above, if found; `connected` gets the
    // connection on the UI thread once the bus has answered. Without a bus, or when the bus
    // refuses, it is never called.
    SessionBus(bool found, std::function<void(QDBusConnection)> connected);
    // Waits for a connection still being made (libdbus bounds that wait).
    ~SessionBus();
    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

private:
    std::function<void(QDBusConnection)> connected_;
    // The answer is posted to it; gone with it, an answer still queued is dropped.
    QObject receiver_;
    std::thread connecting_;
};

}  // namespace felux
