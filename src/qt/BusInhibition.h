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
        // The D-Bus signature of the one answer taken ("u" for a cookie); any other answer holds nothing.
        QString answer;
        // The release of what the try's answer handed out, sent to the connection that handed it out.
        std::function<QDBusMessage(const QString& owner, int attempt, const QVariant& token)> release;
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
    // What an answer handed out: the token lives with the connection that gave it, not the name.
    struct Held {
        QVariant token;
        QString owner;  // the unique name that answered
        int attempt = 0;
    };

    void Ask();
    void Answered(const QDBusMessage& reply);
    void OwnerChanged(const QString& newOwner);
    void SendRelease();

    QDBusConnection bus_;
    Calls calls_;
    Notice notice_;
    QDBusServiceWatcher watcher_;
    bool wanted_ = false;
    int attempt_ = 0;
    // The name's owner as last announced; unknown until the first change.
    std::optional<QString> owner_;
    // The request in flight; its answer may come after the release was wanted.
    QDBusPendingCallWatcher* asking_ = nullptr;
    std::optional<Held> held_;
    std::vector<QDBusPendingCall> releasing_;
};

}  // namespace felux
