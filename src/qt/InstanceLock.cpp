// The single-instance lock, held for the life of the process.
#include "qt/InstanceLock.h"

#include <QDir>
#include <QStandardPaths>

namespace felux {

bool InstanceLock::TryAcquire() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    lock_ = std::make_unique<QLockFile>(folder + QStringLiteral("/KR300&K200&FELUX&B_KLNQAPP.lock"));
    // QLockFile removes a lock whose owner process is gone; a running owner keeps it.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

}  // namespace felux
