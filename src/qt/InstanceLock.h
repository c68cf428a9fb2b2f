// The single-instance lock, held for the life of the process.
#pragma once

#include <QLockFile>
#include <memory>

namespace felux {

class InstanceLock {
public:
    enum class Result {
        Taken,
        HeldByAnother,
        // The lock file could not be made (a full or read-only folder): no copy is known to run.
        CannotLock,
    };
    // A lock left by a process that no longer runs is taken over.
    Result TryAcquire();
    // The user's runtime folder, or a private one in /tmp; created when missing.
    static QString Folder();

private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace felux
