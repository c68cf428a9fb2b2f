// One inhibition held through a session-bus service: asked without waiting, released with the token its answer gave.
#include "qt/BusInhibition.h"

#include <QDBusError>
#include <QDBusPendingCallWatcher>
#include <algorithm>

namespace felux {
namespace {

// A release without an answer by then has failed; the bound of the wait at exit. The request
// itself waits as long as the bus lets it: an answer given up on would be an inhibition nobody releases.
constexpr int kReleaseTimeoutMs = 2000;

// Nobody serves the name (asked without starting it, the bus says NameHasNoOwner), or it went quiet.
bool ServiceAbsent(const QDBusError& error) {
    return error.type() == QDBusError::ServiceUnknown || error.type() == QDBusError::NoReply ||
           error.type() == QDBusError::TimedOut || error.type() == QDBusError::Disconnected ||
           error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
}

// The object or the method is not where this try looked: the next try may find it.
bool WrongPlace(const QDBusError& error) {
    return error.type() == QDBusError::UnknownObject || error.type() == QDBusError::UnknownMethod ||
           error.type() == QDBusError::UnknownInterface;
}

}  // namespace

BusInhibition::BusInhibition(QDBusConnection bus, Calls calls, Notice notice, QObject* parent)
    : QObject(parent),
      bus_(std::move(bus)),
      calls_(std::move(calls)),
      notice_(std::move(notice)),
      watcher_(calls_.service, bus_, QDBusServiceWatcher::WatchForOwnerChange) {
    connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) { OwnerChanged(newOwner); });
}

BusInhibition::~BusInhibition() {
    // An answer still on its way is not waited for: the service forgets a client that leaves the bus.
    SendRelease();
    for (QDBusPendingCall& call : releasing_) call.waitForFinished();
}

void BusInhibition::Want(bool wanted) {
    wanted_ = wanted;
    if (!bus_.isConnected()) return;
    if (wanted && !asking_ && !held_) Ask();
    if (!wanted) SendRelease();
}

// A service that comes later is asked then. What the old owner handed out is released there (a
// connection that has left takes it along) and never named to the new owner, who is asked anew.
void BusInhibition::OwnerChanged(const QString& newOwner) {
    owner_ = newOwner;
    attempt_ = 0;
    if (held_ && held_->owner != newOwner) SendRelease();
    if (wanted_ && !asking_ && !held_ && !newOwner.isEmpty()) Ask();
}

void BusInhibition::Ask() {
    std::optional<QDBusMessage> call = calls_.inhibit(attempt_);
    if (!call) return;
    // Only a service that runs already: starting one on demand is the desktop's business.
    call->setAutoStartService(false);
    asking_ = new QDBusPendingCallWatcher(bus_.asyncCall(*call), this);
    connect(asking_, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        const QDBusMessage reply = done->reply();
        done->deleteLater();
        asking_ = nullptr;
        Answered(reply);
    });
}

void BusInhibition::Answered(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        const QDBusError error(reply);
        if (WrongPlace(error) && calls_.inhibit(attempt_ + 1)) {
            ++attempt_;
            if (wanted_) Ask();
            return;
        }
        if (!ServiceAbsent(error) && notice_) notice_(calls_.service + QStringLiteral(": ") + error.message());
        return;
    }
    // Any other answer is not a token of ours: releasing a made-up one could end another program's.
    if (reply.signature() != calls_.answer) {
        if (notice_)
            notice_(calls_.service + QStringLiteral(": answered '%1' where '%2' was due").arg(reply.signature(), calls_.answer));
        return;
    }
    // A bus always names the sender; a bare name only if it did not.
    const QString owner = reply.service().isEmpty() ? calls_.service : reply.service();
    held_ = Held{reply.arguments().constFirst(), owner, attempt_};
    // Let go while the answer was on its way: released now that there is something to release. An
    // answer from an owner that has since given the name up is released, and the new one asked.
    const bool staleOwner = owner_ && *owner_ != held_->owner;
    if (!wanted_ || staleOwner) SendRelease();
    if (wanted_ && staleOwner && !owner_->isEmpty()) {
        attempt_ = 0;
        Ask();
    }
}

void BusInhibition::SendRelease() {
    if (!held_) return;
    const QDBusMessage call = calls_.release(held_->owner, held_->attempt, held_->token);
    held_.reset();
    if (!bus_.isConnected()) return;
    std::erase_if(releasing_, [](const QDBusPendingCall& c) { return c.isFinished(); });
    releasing_.push_back(bus_.asyncCall(call, kReleaseTimeoutMs));
}

}  // namespace felux
