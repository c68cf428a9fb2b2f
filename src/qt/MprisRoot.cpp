// The MPRIS2 root interface: the player's identity on the session bus, Quit.
#include "qt/MprisRoot.h"

#include "qt/MediaTypes.h"

namespace felux {

MprisRoot::MprisRoot(QObject* parent, RemoteControl& remote) : QDBusAbstractAdaptor(parent), remote_(remote) {}

QStringList MprisRoot::SupportedMimeTypes() const {
    QStringList out;
    for (const char* type : kMediaMimeTypes) out << QString::fromLatin1(type);
    return out;
}

}  // namespace felux
