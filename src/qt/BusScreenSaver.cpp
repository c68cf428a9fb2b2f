// The screen saver port on the session bus: org.freedesktop.ScreenSaver and the desktop portal's Inhibit.
#include "qt/BusScreenSaver.h"

#include <QDBusObjectPath>
#include <QStringList>
#include <QVariantMap>

namespace felux {
namespace {

const QString kApplication = QStringLiteral("FELUX");
const QString kReason = QStringLiteral("Playing a video");

const QString kScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
// Desktops serve the interface at one or both of these.
const QStringList kScreenSaverPaths{QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("/ScreenSaver")};

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
// The portal's flag for idle: the session is not marked idle, so it neither blanks nor locks.
constexpr uint kPortalInhibitIdle = 8;

BusInhibition::Calls ScreenSaverCalls() {
    return {kScreenSaverService,
            [](int attempt) -> std::optional<QDBusMessage> {
                if (attempt >= kScreenSaverPaths.size()) return std::nullopt;
                QDBusMessage m = QDBusMessage::createMethodCall(kScreenSaverService, kScreenSaverPaths[attempt],
                                                                kScreenSaverService, QStringLiteral("Inhibit"));
                m << kApplication << kReason;
                return m;
            },
            QStringLiteral("u"),
            [](const QString& owner, int attempt, const QVariant& cookie) {
                QDBusMessage m = QDBusMessage::createMethodCall(owner, kScreenSaverPaths[attempt],
                                                                kScreenSaverService, QStringLiteral("UnInhibit"));
                m << cookie;
                return m;
            }};
}

BusInhibition::Calls PortalCalls() {
    return {kPortalService,
            [](int attempt) -> std::optional<QDBusMessage> {
                if (attempt > 0) return std::nullopt;
                QDBusMessage m = QDBusMessage::createMethodCall(kPortalService, kPortalPath,
                                                                QStringLiteral("org.freedesktop.portal.Inhibit"),
                                                                QStringLiteral("Inhibit"));
                m << QString() << kPortalInhibitIdle << QVariantMap{{QStringLiteral("reason"), kReason}};
                return m;
            },
            QStringLiteral("o"),
            [](const QString& owner, int, const QVariant& handle) {
                return QDBusMessage::createMethodCall(owner, handle.value<QDBusObjectPath>().path(),
                                                      QStringLiteral("org.freedesktop.portal.Request"),
                                                      QStringLiteral("Close"));
            }};
}

}  // namespace

BusScreenSaver::BusScreenSaver(std::function<void(const std::string&)> notice)
    : notice_(std::move(notice)) {}

void BusScreenSaver::Attach(const QDBusConnection& bus) {
    if (screenSaver_) return;
    screenSaver_ = std::make_unique<BusInhibition>(bus, ScreenSaverCalls(), [this](const QString& t) { Notice(t); });
    portal_ = std::make_unique<BusInhibition>(bus, PortalCalls(), [this](const QString& t) { Notice(t); });
    if (wanted_) Inhibit();
}

void BusScreenSaver::Inhibit() {
    wanted_ = true;
    if (!screenSaver_) return;
    screenSaver_->Want(true);
    portal_->Want(true);
}

void BusScreenSaver::Release() {
    wanted_ = false;
    if (!screenSaver_) return;
    screenSaver_->Want(false);
    portal_->Want(false);
}

// One line in all: a desktop whose service refuses would otherwise say so at every video.
void BusScreenSaver::Notice(const QString& text) {
    if (noticed_ || !notice_) return;
    noticed_ = true;
    notice_("FELUX: the screen saver could not be held off: " + text.toStdString() + "\n");
}

}  // namespace felux
