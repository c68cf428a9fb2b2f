// The player on the session bus as org.mpris.MediaPlayer2.felux, announcing what changed.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <memory>

#include "app/CoverArt.h"
#include "app/RemoteControl.h"
#include "qt/MprisPlayer.h"

namespace felux {

class MprisRoot;

class MprisService : public QObject {
    Q_OBJECT

public:
    // Not on any bus until Attach: the player runs without it meanwhile, or for good without a
    // session bus. Covers are stored in runtimeFolder; none without one.
    MprisService(Player& player, const QString& runtimeFolder, MprisPlayer::OpenHandler open);
    ~MprisService() override;

    // Asks for the name on the bus and serves once the bus grants it. Once only.
    void Attach(QDBusConnection bus);

    bool Registered() const { return registered_; }
    // Called by the player's tick: every fifth one looks at the player. Riding on the tick, the
    // service never wakes the process on its own.
    void OnTick();

private:
    // Compares what a client sees with the last look and signals the differences.
    void Announce();
    // Hands the player the cover of the track that plays, once it is stored.
    void LookForCover();

    RemoteControl remote_;
    MprisRoot* root_;
    MprisPlayer* player_;
    QString runtimeFolder_;
    // Not connected until Attach.
    QDBusConnection bus_{QString()};
    // In the runtime folder; none when the player runs without one.
    std::unique_ptr<CoverArt> cover_;
    int ticks_ = 0;
    QVariantMap last_;
    qlonglong lastPosition_ = 0;
    bool registered_ = false;
};

}  // namespace felux
