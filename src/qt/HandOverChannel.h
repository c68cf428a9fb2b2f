// The local socket in the runtime folder through which a second start hands files to the player.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

class QLocalSocket;

namespace felux {

class Player;

// The socket's path beside the instance lock in folder.
QString HandOverSocketPath(const QString& folder);

// Sends the files to the running player, trying again for a few seconds while it is still
// starting or busy with other clients. nullopt once the player has them, else why not.
std::optional<std::string> SendHandOver(const QString& socketPath, const std::vector<std::string>& files);

class HandOverServer : public QObject {
    Q_OBJECT

public:
    // Listens at socketPath (the caller holds the instance lock, so an old socket there is
    // stale); an empty path listens nowhere. laterFiles are appended without playing once the
    // first tick has run.
    HandOverServer(Player& player, const QString& socketPath, std::vector<std::string> laterFiles);

private:
    void Listen();
    void Accept();
    void Read(QLocalSocket& socket, std::string& received);
    void Deliver();

    Player& player_;
    const QString socketPath_;
    int clients_ = 0;  // before server_: its clients, destroyed with it, still count down
    bool listenFailed_ = false;
    QLocalServer server_;
    QTimer relisten_;
    // Looks each tick whether the player has run its first one and can take files.
    QTimer waitForStart_;
    std::vector<std::vector<std::string>> pending_;  // handed before the first tick
    std::vector<std::string> laterFiles_;
};

}  // namespace felux
