// The local socket in the runtime folder through which a second start hands files to the player.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <string>
#include <vector>

namespace felux {

class MainPlayerDlg;

// The socket's path beside the instance lock.
QString HandOverSocketPath();

// Sends the files to a running player; false when none listens (it then stays silent, as a
// second start always did). Waits at most about a second; only the second start calls it.
bool SendHandOver(const QString& socketPath, const std::vector<std::string>& files);

class HandOverServer : public QObject {
    Q_OBJECT

public:
    // Listens at socketPath (the caller holds the instance lock, so an old socket there is stale).
    // laterFiles are appended without playing once the first tick has run.
    HandOverServer(MainPlayerDlg& player, const QString& socketPath, std::vector<std::string> laterFiles);

    bool Listening() const { return server_.isListening(); }

private:
    void Accept();
    void Deliver();

    MainPlayerDlg& player_;
    QLocalServer server_;
    QTimer waitForStart_;
    std::vector<std::vector<std::string>> pending_;  // handed before the first tick
    std::vector<std::string> laterFiles_;
};

}  // namespace felux
