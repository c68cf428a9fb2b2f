// The single-instance lock, held for the life of the process.
#pragma once

#include <QString>
#include <filesystem>
#include <optional>

namespace felux {

class InstanceLock {
public:
    enum class Result {
        Taken,
        HeldByAnother,
        // The lock file could not be made (a full or read-only folder): no copy is known to run.
        CannotLock,
    };
    InstanceLock() = default;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock();

    // The lock in folder. It is a lock on the open file, not a name in it: whatever a lock file
    // left behind says, only a running process holds it, and the system lets go when it ends.
    Result TryAcquire(const QString& folder);
    // The user's runtime folder when it is private, else our own in /tmp, the cache or the data
    // folder, made when missing. One line on stderr for each of ours passed over, and why;
    // empty when none is fit.
    static QString Folder(const std::optional<std::filesystem::path>& dataFolder);
    // Whether another process of this user runs this program's executable: without a lock it is
    // the only sign of a player already running.
    static bool AnotherCopyRuns();

private:
    int fd_ = -1;
};

}  // namespace felux
