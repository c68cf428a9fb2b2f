// The MPRIS2 player interface: playback requests and the state a desktop shows.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>
#include <functional>
#include <string>

#include "app/RemoteControl.h"

namespace felux {

class MprisPlayer : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(QString LoopStatus READ LoopStatus WRITE SetLoopStatus)
    Q_PROPERTY(double Rate READ Rate WRITE SetRate)
    Q_PROPERTY(bool Shuffle READ Shuffle WRITE SetShuffle)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume WRITE SetVolume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(double MinimumRate READ MinimumRate)
    Q_PROPERTY(double MaximumRate READ MaximumRate)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPause)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ CanControl)

public:
    using OpenHandler = std::function<void(const std::string& path)>;
    MprisPlayer(QObject* parent, RemoteControl& remote, OpenHandler open);

    QString PlaybackStatus() const;
    QString LoopStatus() const;
    void SetLoopStatus(const QString& status);
    double Rate() const { return remote_.Rate(); }
    // A rate the player refuses (0, negative, not a number) leaves the speed as it was.
    void SetRate(double rate) { remote_.SetRate(rate); }
    double MinimumRate() const { return RemoteControl::kMinimumRate; }
    double MaximumRate() const { return RemoteControl::kMaximumRate; }
    bool Shuffle() const { return remote_.Shuffle(); }
    void SetShuffle(bool on) { remote_.SetShuffle(on); }
    QVariantMap Metadata() const;
    double Volume() const { return remote_.Volume(); }
    void SetVolume(double volume) { remote_.SetVolume(volume); }
    qlonglong Position() const { return remote_.PositionMicros(); }
    bool CanGoNext() const { return remote_.CanGoNext(); }
    bool CanGoPrevious() const { return remote_.CanGoPrevious(); }
    bool CanPlay() const { return remote_.CanPlay(); }
    bool CanPause() const { return remote_.CanPlay(); }
    bool CanSeek() const { return remote_.CanSeek(); }
    bool CanControl() const { return true; }

    // The cover desktops show while the file at trackPath plays: a file URL, empty for none.
    void SetCover(const std::string& trackPath, const QString& url);

    // The object path MPRIS names an entry by.
    static QDBusObjectPath TrackPath(int index);

public slots:
    void Next() { remote_.Next(); }
    void Previous() { remote_.Previous(); }
    void Pause() { remote_.Pause(); }
    void PlayPause() { remote_.PlayPause(); }
    void Stop() { remote_.Stop(); }
    void Play() { remote_.Play(); }
    void Seek(qlonglong offset) { remote_.SeekBy(offset); }
    void SetPosition(const QDBusObjectPath& track, qlonglong position);
    void OpenUri(const QString& uri);

signals:
    void Seeked(qlonglong position);

private:
    RemoteControl& remote_;
    OpenHandler open_;
    std::string coverTrack_;
    QString coverUrl_;
};

}  // namespace felux
