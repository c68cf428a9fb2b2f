// The MPRIS2 player interface: playback requests and the state a desktop shows.
#include "qt/MprisPlayer.h"

#include <QDBusObjectPath>
#include <QStringList>
#include <QUrl>

#include "app/CommandLineOptions.h"
#include "playlist/StreamUrl.h"

namespace felux {

MprisPlayer::MprisPlayer(QObject* parent, RemoteControl& remote, OpenHandler open)
    : QDBusAbstractAdaptor(parent), remote_(remote), open_(std::move(open)) {}

QString MprisPlayer::PlaybackStatus() const {
    switch (remote_.PlaybackStatus()) {
        case RemoteControl::Status::Playing: return QStringLiteral("Playing");
        case RemoteControl::Status::Paused: return QStringLiteral("Paused");
        case RemoteControl::Status::Stopped: break;
    }
    return QStringLiteral("Stopped");
}

QString MprisPlayer::LoopStatus() const {
    switch (remote_.LoopStatus()) {
        case RemoteControl::Loop::Track: return QStringLiteral("Track");
        case RemoteControl::Loop::Playlist: return QStringLiteral("Playlist");
        case RemoteControl::Loop::None: break;
    }
    return QStringLiteral("None");
}

// Any other word is not a loop status: nothing changes.
void MprisPlayer::SetLoopStatus(const QString& status) {
    if (status == QLatin1String("None"))
        remote_.SetLoopStatus(RemoteControl::Loop::None);
    else if (status == QLatin1String("Track"))
        remote_.SetLoopStatus(RemoteControl::Loop::Track);
    else if (status == QLatin1String("Playlist"))
        remote_.SetLoopStatus(RemoteControl::Loop::Playlist);
}

QDBusObjectPath MprisPlayer::TrackPath(int index) {
    return QDBusObjectPath(QString::fromStdString(TrackObjectPath(index)));
}

QVariantMap MprisPlayer::Metadata() const {
    const std::optional<RemoteTrack> track = remote_.CurrentTrack();
    if (!track) return {{QStringLiteral("mpris:trackid"),
                         QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack")))}};
    QVariantMap m;
    m.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(TrackPath(track->index)));
    if (track->lengthMicros > 0) m.insert(QStringLiteral("mpris:length"), qlonglong(track->lengthMicros));
    const QString path = QString::fromStdString(track->path);
    m.insert(QStringLiteral("xesam:url"), IsStreamUrl(track->path) ? path : QUrl::fromLocalFile(path).toString());
    m.insert(QStringLiteral("xesam:title"), QString::fromStdString(track->title));
    if (!track->artist.empty())
        m.insert(QStringLiteral("xesam:artist"), QStringList{QString::fromStdString(track->artist)});
    if (!track->album.empty()) m.insert(QStringLiteral("xesam:album"), QString::fromStdString(track->album));
    if (track->trackNumber) m.insert(QStringLiteral("xesam:trackNumber"), *track->trackNumber);
    // The cover set for an earlier track never shows with this one's texts.
    if (!coverUrl_.isEmpty() && coverTrack_ == track->path) m.insert(QStringLiteral("mpris:artUrl"), coverUrl_);
    return m;
}

void MprisPlayer::SetCover(const std::string& trackPath, const QString& url) {
    coverTrack_ = trackPath;
    coverUrl_ = url;
}

void MprisPlayer::SetPosition(const QDBusObjectPath& track, qlonglong position) {
    if (const std::optional<int> index = TrackIndexFromObjectPath(track.path().toStdString()))
        remote_.SetPosition(*index, position);
}

void MprisPlayer::OpenUri(const QString& uri) {
    const std::optional<std::string> path = UriToEntry(uri.toStdString());
    if (path && open_) open_(*path);
}

}  // namespace felux
