// The local socket in the runtime folder through which a second start hands files to the player.
#include "qt/HandOverChannel.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>
#include <cstdio>
#include <memory>
#include <sys/un.h>

#include "app/HandOver.h"
#include "app/RuntimeFolder.h"
#include "model/Tick.h"
#include "player/Player.h"

namespace felux {
namespace {

// Starts at the same moment all wait for the one that took the lock to listen, which on a
// loaded machine can take several seconds after its start.
constexpr int kSendPatienceMs = 10000;
constexpr unsigned long kSendRetryMs = 100;
// Each client holds a descriptor: past this many the rest are turned away at once, and a client
// that neither finishes nor leaves is dropped after the read time.
constexpr int kMaxClients = 16;
constexpr int kReadTimeMs = 2000;
// The server stops listening by itself when a connection cannot be accepted (no descriptor
// left); it listens again as soon as it can.
constexpr int kRelistenMs = 1000;

// One attempt; false when the player did not confirm the whole message.
bool TrySend(const QString& socketPath, const std::string& message, const QDeadlineTimer& deadline) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) return false;
    socket.write(message.data(), static_cast<qint64>(message.size()));
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) return false;
    const qint64 receipt = static_cast<qint64>(kHandOverReceipt.size());
    while (socket.bytesAvailable() < receipt)
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return false;
    return socket.read(receipt).toStdString() == kHandOverReceipt;
}

}  // namespace

QString HandOverSocketPath(const QString& folder) {
    return folder + QLatin1Char('/') + QLatin1String(kHandOverSocketName.data(), kHandOverSocketName.size());
}

std::optional<std::string> SendHandOver(const QString& socketPath, const std::vector<std::string>& files) {
    const std::optional<std::string> message = EncodeHandOver(files);
    if (!message)
        return "too many or too long file names to hand to the running player (at most " +
               std::to_string(kHandOverMaxFiles) + " names and " + std::to_string(kHandOverLimit / 1024) +
               " KiB in all)";
    const QByteArray path = QFile::encodeName(socketPath);
    if (static_cast<std::size_t>(path.size()) >= sizeof(sockaddr_un::sun_path))
        return "cannot hand files to the running player: the socket path " + path.toStdString() + " is too long";
    const QDeadlineTimer deadline(kSendPatienceMs);
    while (!TrySend(socketPath, *message, deadline)) {
        if (deadline.hasExpired())
            return "the running player did not take the files within " + std::to_string(kSendPatienceMs / 1000) +
                   " s (" + path.toStdString() + ")";
        QThread::msleep(kSendRetryMs);
    }
    return std::nullopt;
}

HandOverServer::HandOverServer(Player& player, const QString& socketPath, std::vector<std::string> laterFiles)
    : player_(player), socketPath_(socketPath), laterFiles_(std::move(laterFiles)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &HandOverServer::Accept);
    if (!socketPath_.isEmpty()) {
        Listen();
        connect(&relisten_, &QTimer::timeout, this, &HandOverServer::Listen);
        relisten_.start(kRelistenMs);
    }
    connect(&waitForStart_, &QTimer::timeout, this, &HandOverServer::Deliver);
    waitForStart_.start(kTickMs);
}

void HandOverServer::Listen() {
    if (server_.isListening()) return;
    QLocalServer::removeServer(socketPath_);
    const bool listening = server_.listen(socketPath_);
    // Said once per outage, not every second.
    if (!listening && !listenFailed_)
        std::fprintf(stderr, "felux: cannot take handed files at %s: %s; trying again\n",
                     QFile::encodeName(socketPath_).constData(), server_.errorString().toLocal8Bit().constData());
    listenFailed_ = !listening;
}

void HandOverServer::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        if (clients_ >= kMaxClients) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++clients_;
        connect(socket, &QObject::destroyed, this, [this] { --clients_; });
        socket->setReadBufferSize(static_cast<qint64>(kHandOverLimit) + 1);
        auto received = std::make_shared<std::string>();
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket, received] { Read(*socket, *received); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kReadTimeMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
    }
}

void HandOverServer::Read(QLocalSocket& socket, std::string& received) {
    // Past the limit the message is refused whole: one byte too many is read to know it.
    const QByteArray chunk = socket.read(static_cast<qint64>(kHandOverLimit + 1 - received.size()));
    received.append(chunk.constData(), static_cast<std::size_t>(chunk.size()));
    if (received.size() > kHandOverLimit) {
        socket.abort();
        socket.deleteLater();
        return;
    }
    std::optional<std::vector<std::string>> files = DecodeHandOver(received);
    if (!files) return;  // not whole yet
    received.clear();
    socket.write(kHandOverReceipt.data(), static_cast<qint64>(kHandOverReceipt.size()));
    socket.disconnectFromServer();
    // With hand-over off the files are taken and dropped: the second start did its part.
    if (player_.View().Settings().handOverFiles != 1) return;
    pending_.push_back(std::move(*files));
    Deliver();
}

void HandOverServer::Deliver() {
    if (!player_.View().Initialised()) {
        if (!waitForStart_.isActive()) waitForStart_.start(kTickMs);
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
