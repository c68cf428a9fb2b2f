// The local socket in the runtime folder through which a second start hands files to the player.
#include "qt/HandOverChannel.h"

#include <QLocalSocket>
#include <algorithm>
#include <memory>

#include "app/HandOver.h"
#include "player/MainPlayerDlg.h"
#include "qt/InstanceLock.h"

namespace felux {
namespace {

constexpr int kSendWaitMs = 1000;
// A client that neither finishes nor leaves is dropped after this.
constexpr int kClientLifeMs = 5000;

}  // namespace

QString HandOverSocketPath() { return InstanceLock::Folder() + QStringLiteral("/felux-open.socket"); }

bool SendHandOver(const QString& socketPath, const std::vector<std::string>& files) {
    const std::optional<std::string> message = EncodeHandOver(files);
    if (!message) return false;
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(kSendWaitMs)) return false;
    socket.write(message->data(), static_cast<qint64>(message->size()));
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(kSendWaitMs)) return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kSendWaitMs);
    return true;
}

HandOverServer::HandOverServer(MainPlayerDlg& player, const QString& socketPath, std::vector<std::string> laterFiles)
    : player_(player), laterFiles_(std::move(laterFiles)) {
    QLocalServer::removeServer(socketPath);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &HandOverServer::Accept);
    server_.listen(socketPath);
    connect(&waitForStart_, &QTimer::timeout, this, &HandOverServer::Deliver);
    waitForStart_.start(40);
}

void HandOverServer::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        auto received = std::make_shared<std::string>();
        // Past the limit the message is refused whole: one byte too many is kept to know it.
        auto take = [socket, received] {
            const QByteArray chunk = socket->readAll();
            const std::size_t room = kHandOverLimit + 1 - std::min(received->size(), kHandOverLimit + 1);
            received->append(chunk.constData(), std::min(room, static_cast<std::size_t>(chunk.size())));
        };
        connect(socket, &QLocalSocket::readyRead, socket, take);
        connect(socket, &QLocalSocket::disconnected, this, [this, socket, received, take] {
            take();
            if (player_.settings.handOverFiles == 1)
                if (std::optional<std::vector<std::string>> files = DecodeHandOver(*received)) {
                    pending_.push_back(std::move(*files));
                    Deliver();
                }
            socket->deleteLater();
        });
        QTimer::singleShot(kClientLifeMs, socket, [socket] { socket->abort(); });
    }
}

void HandOverServer::Deliver() {
    if (player_.state.initialised == 0) {
        if (!waitForStart_.isActive()) waitForStart_.start(40);
        return;
    }
    waitForStart_.stop();
    if (!laterFiles_.empty()) {
        ReceiveHandedFiles(player_, laterFiles_, false);
        laterFiles_.clear();
    }
    for (const std::vector<std::string>& files : pending_) ReceiveHandedFiles(player_, files, true);
    pending_.clear();
}

}  // namespace felux
