// The MPRIS2 root interface: the player's identity on the session bus, Quit.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QStringList>

#include "app/RemoteControl.h"

namespace felux {

class MprisRoot : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ CanQuit)
    Q_PROPERTY(bool CanRaise READ CanRaise)
    Q_PROPERTY(bool HasTrackList READ HasTrackList)
    Q_PROPERTY(QString Identity READ Identity)
    Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ SupportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ SupportedMimeTypes)

public:
    MprisRoot(QObject* parent, RemoteControl& remote);

    bool CanQuit() const { return true; }
    // Raising belongs to the window manager; the player does not fight it for the front.
    bool CanRaise() const { return false; }
    bool HasTrackList() const { return false; }
    QString Identity() const { return QStringLiteral("FELUX"); }
    QString DesktopEntry() const { return QStringLiteral("io.github.felux.Felux"); }
    QStringList SupportedUriSchemes() const {
        return {QStringLiteral("file"), QStringLiteral("http"), QStringLiteral("https")};
    }
    QStringList SupportedMimeTypes() const;

public slots:
    void Raise() {}
    void Quit() { remote_.Quit(); }

private:
    RemoteControl& remote_;
};

}  // namespace felux
