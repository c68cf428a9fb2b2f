// The player on the session bus as org.mpris.MediaPlayer2.felux, announcing what changed.
#pragma once

#include <QObject>
#include <QTimer>
#include <QVariantMap>

#include "app/RemoteControl.h"
#include "qt/MprisPlayer.h"

namespace felux {

class MprisRoot;

class MprisService : public QObject {
    Q_OBJECT

public:
    // Registers at once; without a session bus the player simply runs without it.
    MprisService(MainPlayerDlg& player, MprisPlayer::OpenHandler open);
    ~MprisService() override;

    bool Registered() const { return registered_; }

private:
    // Compares what a client sees with the last look and signals the differences.
    void Announce();

    RemoteControl remote_;
    MprisRoot* root_;
    MprisPlayer* player_;
    QTimer poll_;
    QVariantMap last_;
    qlonglong lastPosition_ = 0;
    bool registered_ = false;
};

}  // namespace felux
