// One inhibition held through a session-bus service: asked without waiting, released with the token its answer gave.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

class QDBusPendingCallWatcher;

namespace felux {

class BusInhibition : public QObject {
    Q_OBJECT

public:
    struct Calls {
        QString service;
        // The request for a try (0, 1, ...): a service may answer at one of several objects;
        // nullopt once every place has been tried.
        std::function<std::optional<QDBusMessage>(int attempt)> inhibit;
        // The release of what the try's answer handed out (its first argument).
        std::function<QDBusMessage(int attempt, const QVariant& token)> release;
    };
    // Failures other than an absent service, one line each; the caller keeps it to one in all.
    using Notice = std::function<void(const QString&)>;

    BusInhibition(QDBusConnection bus, Calls calls, Notice notice, QObject* parent = nullptr);
    // Releases what is held, waiting a moment for the bus so that the release is not lost with the process.
    ~BusInhibition() override;
    BusInhibition(const BusInhibition&) = delete;
    BusInhibition& operator=(const BusInhibition&) = delete;

    // Asks for the inhibition (when not held or asked already) or lets it go: never waits.
    void Want(bool wanted);

private:
    void Ask();
    void Answered(const QDBusMessage& reply);
    void SendRelease();

    QDBusConnection bus_;
    Calls calls_;
    Notice notice_;
    QDBusServiceWatcher watcher_;
    bool wanted_ = false;
    int attempt_ = 0;
    // The request in flight; its answer may come after the release was wanted.
    QDBusPendingCallWatcher* asking_ = nullptr;
    std::optional<QVariant> token_;
    std::vector<QDBusPendingCall> releasing_;
};

}  // namespace felux
