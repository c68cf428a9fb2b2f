// The player's own connection to the session bus, made off the UI thread so that a slow bus never holds up the start.
#include "qt/SessionBus.h"

#include <QStringList>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace felux {
namespace {

const QString kConnectionName = QStringLiteral("felux");
const char* const kAddressVariable = "DBUS_SESSION_BUS_ADDRESS";
// No transport of that name: libdbus refuses it at once, without a search.
const QByteArray kNoBus = QByteArrayLiteral("disabled:");

// A value in a D-Bus address: bytes other than these are written %XX.
QString AddressValue(const QByteArray& bytes) {
    QString out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= '0' && b <= '9') || (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') ||
            QByteArray("-_/.\\*").contains(c))
            out += QLatin1Char(c);
        else
            out += QStringLiteral("%%1").arg(b, 2, 16, QLatin1Char('0'));
    }
    return out;
}

std::optional<QString> FindSessionBusAddress() {
    const QString given = qEnvironmentVariable(kAddressVariable);
    if (!given.isEmpty()) {
        // An autolaunch: entry would fork the search helper; the others are tried in order.
        QStringList entries = given.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        entries.removeIf([](const QString& e) { return e.startsWith(QLatin1String("autolaunch:")); });
        if (entries.isEmpty()) return std::nullopt;
        return entries.join(QLatin1Char(';'));
    }
    const QByteArray folder = qgetenv("XDG_RUNTIME_DIR");
    if (folder.isEmpty()) return std::nullopt;
    const QByteArray socket = folder + "/bus";
    // Only the user's own socket, as libdbus takes it.
    struct stat info {};
    if (::stat(socket.constData(), &info) != 0 || !S_ISSOCK(info.st_mode) || info.st_uid != ::getuid())
        return std::nullopt;
    return QStringLiteral("unix:path=") + AddressValue(socket);
}

}  // namespace

bool PinSessionBusAddress() {
    const std::optional<QString> address = FindSessionBusAddress();
    qputenv(kAddressVariable, address ? address->toUtf8() : kNoBus);
    return address.has_value();
}

SessionBus::SessionBus(bool found, std::function<void(QDBusConnection)> connected) : connected_(std::move(connected)) {
    if (!found) return;
    // Qt's D-Bus thread is started here rather than by the connecting one, which ends soon after.
    QDBusConnection(kConnectionName).isConnected();
    // Qt makes the connection, the bus's greeting included, on its own D-Bus thread while this
    // one waits for it: this one is not the UI's. By the bus's type, at the pinned address: given
    // the address itself, Qt drops the connection unclosed when the greeting fails or times out,
    // and libdbus aborts the process for that.
    connecting_ = std::thread([this] {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnectionName);
        if (!bus.isConnected()) return;
        QMetaObject::invokeMethod(&receiver_, [this, bus] { connected_(bus); }, Qt::QueuedConnection);
    });
}

SessionBus::~SessionBus() {
    if (connecting_.joinable()) connecting_.join();
}

}  // namespace felux
