// The single-instance lock, held for the life of the process.
#pragma once

#include <QLockFile>
#include <memory>

namespace felux {

class InstanceLock {
public:
    // False when another running copy holds the lock. A lock left by a
    // process that no longer runs is taken over.
    bool TryAcquire();
    // The user's runtime folder, or a private one in /tmp; created when missing.
    static QString Folder();

private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace felux
