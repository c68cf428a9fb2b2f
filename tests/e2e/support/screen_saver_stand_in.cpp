// A stand-in for the desktop's screen saver and inhibit portal on a private bus: writes each call it gets to a file.
// Usage: felux_screen_saver_stand_in LOG [--path OBJECT] [--reply-when FILE] [--answer-as string|uint64]
//                                        [--retake-when FILE]
//   --path         where the screen saver interface lives (default /org/freedesktop/ScreenSaver)
//   --reply-when   Inhibit answers wait until FILE exists, as a slow service would
//   --answer-as    the screen saver answers with a string ("cookie-N") or a 64-bit N + 2^32, as a broken one would
//   --retake-when  once FILE exists, both names are given up and taken again (FILE is then removed)
// LOG gets "ready" once both names are owned, "retaken" after each retake, then one line per call:
//   Inhibit COOKIE APP | UnInhibit COOKIE | PortalInhibit FLAGS HANDLE | Close HANDLE
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFile>
#include <QTimer>
#include <QVariantMap>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QString logPath;
QString replyWhen;
QString answerAs;

void Record(const QString& line) {
    QFile file(logPath);
    if (!file.open(QIODevice::Append | QIODevice::Text)) return;
    file.write((line + QLatin1Char('\n')).toUtf8());
}

// Answers now, or once the file that releases answers exists.
void Answer(const QDBusMessage& call, const QVariant& value) {
    call.setDelayedReply(true);
    const QDBusMessage reply = call.createReply(value);
    if (replyWhen.isEmpty() || QFile::exists(replyWhen)) {
        QDBusConnection::sessionBus().send(reply);
        return;
    }
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, reply] {
        if (!QFile::exists(replyWhen)) return;
        QDBusConnection::sessionBus().send(reply);
        timer->deleteLater();
    });
    timer->start(50);
}

class ScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public slots:
    uint Inhibit(const QString& application, const QString&, const QDBusMessage& call) {
        const uint cookie = next_++;
        Record(QStringLiteral("Inhibit %1 %2").arg(cookie).arg(application));
        if (answerAs == QLatin1String("string"))
            Answer(call, QStringLiteral("cookie-%1").arg(cookie));
        else if (answerAs == QLatin1String("uint64"))
            Answer(call, QVariant::fromValue(qulonglong(cookie) + (qulonglong(1) << 32)));
        else
            Answer(call, cookie);
        return 0;
    }
    void UnInhibit(uint cookie) { Record(QStringLiteral("UnInhibit %1").arg(cookie)); }

private:
    // Far from 0, so that a cookie made up by the client shows.
    uint next_ = 4711;
};

class Request : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")

public:
    explicit Request(QString path) : path_(std::move(path)) {}

public slots:
    void Close() {
        Record(QStringLiteral("Close ") + path_);
        QDBusConnection::sessionBus().unregisterObject(path_);
        deleteLater();
    }

private:
    QString path_;
};

class Portal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Inhibit")

public slots:
    QDBusObjectPath Inhibit(const QString&, uint flags, const QVariantMap&, const QDBusMessage& call) {
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/stand_in/r%1").arg(next_++);
        QDBusConnection::sessionBus().registerObject(path, new Request(path), QDBusConnection::ExportAllSlots);
        Record(QStringLiteral("PortalInhibit %1 %2").arg(flags).arg(path));
        Answer(call, QVariant::fromValue(QDBusObjectPath(path)));
        return {};
    }

private:
    int next_ = 1;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fputs("usage: felux_screen_saver_stand_in LOG [--path OBJECT] [--reply-when FILE]\n", stderr);
        return 2;
    }
    logPath = args[1];
    QString path = QStringLiteral("/org/freedesktop/ScreenSaver");
    QString retakeWhen;
    for (qsizetype i = 2; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--path")) path = args[i + 1];
        if (args[i] == QLatin1String("--reply-when")) replyWhen = args[i + 1];
        if (args[i] == QLatin1String("--answer-as")) answerAs = args[i + 1];
        if (args[i] == QLatin1String("--retake-when")) retakeWhen = args[i + 1];
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    ScreenSaver screenSaver;
    Portal portal;
    const QStringList names{QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("org.freedesktop.portal.Desktop")};
    if (!bus.registerObject(path, &screenSaver, QDBusConnection::ExportAllSlots) ||
        !bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(names[0]) || !bus.registerService(names[1])) {
        std::fputs("felux_screen_saver_stand_in: no session bus, or the names are taken\n", stderr);
        return 1;
    }
    Record(QStringLiteral("ready"));
    QTimer retake;
    QObject::connect(&retake, &QTimer::timeout, [&] {
        if (retakeWhen.isEmpty() || !QFile::exists(retakeWhen)) return;
        QFile::remove(retakeWhen);
        for (const QString& name : names) bus.unregisterService(name);
        for (const QString& name : names) bus.registerService(name);
        Record(QStringLiteral("retaken"));
    });
    retake.start(50);
    return app.exec();
}

#include "screen_saver_stand_in.moc"
