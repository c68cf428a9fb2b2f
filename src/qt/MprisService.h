// The player on the session bus as org.mpris.MediaPlayer2.felux, announcing what changed.
#pragma once

#include <QObject>
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
    // Asks for its name on the bus and registers once the bus grants it; without a session bus
    // the player simply runs without it. Covers are stored in runtimeFolder; none without one.
    MprisService(Player& player, const QString& runtimeFolder, MprisPlayer::OpenHandler open);
    ~MprisService() override;

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
    // In the runtime folder; none when the player runs without one.
    std::unique_ptr<CoverArt> cover_;
    int ticks_ = 0;
    QVariantMap last_;
    qlonglong lastPosition_ = 0;
    bool registered_ = false;
};

}  // namespace felux
