// The single-instance lock, held for the life of the process.
#include "qt/InstanceLock.h"

#include <QDir>
#include <unistd.h>

namespace felux {

QString InstanceLock::Folder() {
    // One lock per user.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty()) folder = QDir::tempPath() + QStringLiteral("/felux-%1").arg(getuid());
    QDir().mkpath(folder);
    return folder;
}

InstanceLock::Result InstanceLock::TryAcquire() {
    lock_ = std::make_unique<QLockFile>(Folder() + QStringLiteral("/KR300&K200&FELUX&B_KLNQAPP.lock"));
    // QLockFile removes a lock whose owner process is gone; a running owner keeps it.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) return Result::Taken;
    return lock_->error() == QLockFile::LockFailedError ? Result::HeldByAnother : Result::CannotLock;
}

}  // namespace felux
