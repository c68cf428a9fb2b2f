// The single-instance lock, held for the life of the process.
#include "qt/InstanceLock.h"

#include <QDir>
#include <unistd.h>

namespace felux {

bool InstanceLock::TryAcquire() {
    // The user's runtime folder, or a private one in /tmp: one lock per user.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty()) folder = QDir::tempPath() + QStringLiteral("/felux-%1").arg(getuid());
    QDir().mkpath(folder);
    lock_ = std::make_unique<QLockFile>(folder + QStringLiteral("/KR300&K200&FELUX&B_KLNQAPP.lock"));
    // QLockFile removes a lock whose owner process is gone; a running owner keeps it.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

}  // namespace felux
