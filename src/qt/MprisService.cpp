// The player on the session bus as org.mpris.MediaPlayer2.felux, announcing what changed.
#include "qt/MprisService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QUrl>
#include <QStringList>

#include "model/Tick.h"
#include "qt/MprisRoot.h"

namespace felux {
namespace {

const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kServiceName = QStringLiteral("org.mpris.MediaPlayer2.felux");
const QString kBusService = QStringLiteral("org.freedesktop.DBus");
const QString kBusPath = QStringLiteral("/org/freedesktop/DBus");
// RequestName's flag and answers.
constexpr uint kDoNotQueue = 4;
constexpr uint kPrimaryOwner = 1;
constexpr uint kAlreadyOwner = 4;
// Looks a few times a second, every fifth tick: cheap reads of the player's state, never a wait.
constexpr int kTicksPerLook = 5;
constexpr int kPollMs = kTicksPerLook * kTickMs;
// A position further than this from where playing would have taken it was a seek (microseconds).
constexpr qlonglong kSeekSlack = 1'500'000;

}  // namespace

MprisService::MprisService(Player& player, const QString& runtimeFolder, MprisPlayer::OpenHandler open)
    : remote_(player),
      root_(new MprisRoot(this, remote_)),
      player_(new MprisPlayer(this, remote_, std::move(open))),
      runtimeFolder_(runtimeFolder) {}

void MprisService::Attach(QDBusConnection bus) {
    if (!bus.isConnected() || !bus.registerObject(kObjectPath, this)) return;
    bus_ = bus;
    // The name is asked for without waiting: a bus slow to answer must not hold up the start.
    QDBusMessage request = QDBusMessage::createMethodCall(kBusService, kBusPath, kBusService, QStringLiteral("RequestName"));
    request << kServiceName << kDoNotQueue;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(request), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        const QDBusPendingReply<uint> reply = *call;
        if (reply.isError() || (reply.value() != kPrimaryOwner && reply.value() != kAlreadyOwner)) return;
        registered_ = true;
        if (!runtimeFolder_.isEmpty())
            cover_ = std::make_unique<CoverArt>(std::filesystem::path(QFile::encodeName(runtimeFolder_).toStdString()));
    });
}

MprisService::~MprisService() {
    if (!bus_.isConnected()) return;
    if (registered_) {
        // Not waited for: the bus lets the name go with the connection anyway.
        QDBusMessage release =
            QDBusMessage::createMethodCall(kBusService, kBusPath, kBusService, QStringLiteral("ReleaseName"));
        release << kServiceName;
        bus_.send(release);
    }
    bus_.unregisterObject(kObjectPath);
}

void MprisService::OnTick() {
    if (!registered_ || ++ticks_ < kTicksPerLook) return;
    ticks_ = 0;
    LookForCover();
    Announce();
}

void MprisService::LookForCover() {
    if (!cover_) return;
    const std::optional<RemoteTrack> track = remote_.CurrentTrack();
    const std::string path = track ? track->path : std::string();
    const std::optional<std::filesystem::path> file = cover_->CoverOf(path);
    const QString url =
        file ? QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(file->string()))).toString() : QString();
    player_->SetCover(path, url);
}

void MprisService::Announce() {
    QVariantMap now{
        {QStringLiteral("PlaybackStatus"), player_->PlaybackStatus()},
        {QStringLiteral("LoopStatus"), player_->LoopStatus()},
        {QStringLiteral("Shuffle"), player_->Shuffle()},
        {QStringLiteral("Rate"), player_->Rate()},
        {QStringLiteral("Metadata"), player_->Metadata()},
        {QStringLiteral("Volume"), player_->Volume()},
        {QStringLiteral("CanGoNext"), player_->CanGoNext()},
        {QStringLiteral("CanGoPrevious"), player_->CanGoPrevious()},
        {QStringLiteral("CanPlay"), player_->CanPlay()},
        {QStringLiteral("CanPause"), player_->CanPause()},
        {QStringLiteral("CanSeek"), player_->CanSeek()},
    };
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (last_.value(it.key()) != it.value()) changed.insert(it.key(), it.value());

    const qlonglong position = player_->Position();
    const bool sameTrack = !changed.contains(QStringLiteral("Metadata"));
    const qlonglong expected =
        lastPosition_ + (player_->PlaybackStatus() == QLatin1String("Playing") ? kPollMs * 1000LL : 0);
    if (sameTrack && !last_.isEmpty() && qAbs(position - expected) > kSeekSlack) emit player_->Seeked(position);
    lastPosition_ = position;
    last_ = now;
    if (changed.isEmpty()) return;

    QDBusMessage signal = QDBusMessage::createSignal(kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.mpris.MediaPlayer2.Player") << changed << QStringList();
    bus_.send(signal);
}

}  // namespace felux
