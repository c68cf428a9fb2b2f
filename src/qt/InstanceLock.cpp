// The single-instance lock, held for the life of the process.
#include "qt/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/RuntimeFolder.h"

namespace felux {
namespace {

std::optional<FolderFacts> Examine(const QByteArray& path) {
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0) return std::nullopt;
    return FolderFacts{S_ISLNK(st.st_mode), S_ISDIR(st.st_mode), st.st_uid, st.st_mode & 07777u};
}

QString ChooseFolder() {
    const uid_t uid = ::getuid();
    const QByteArray session = qgetenv("XDG_RUNTIME_DIR");
    // A session folder others may write in (XDG_RUNTIME_DIR=/tmp) is passed over quietly: our
    // own folder serves as well.
    if (!session.isEmpty() && !RuntimeFolderProblem(Examine(session), uid, RuntimeFolderKind::Session))
        return QFile::decodeName(session);
    const QByteArray own = QFile::encodeName(QDir::tempPath() + QStringLiteral("/felux-%1").arg(uid));
    // An existing folder is examined below like a new one, whoever made it.
    ::mkdir(own.constData(), 0700);
    if (const std::optional<std::string> problem =
            RuntimeFolderProblem(Examine(own), uid, RuntimeFolderKind::Own)) {
        std::fprintf(stderr, "felux: not using %s for the single-instance lock and hand-over: %s; running without them\n",
                     own.constData(), problem->c_str());
        return {};
    }
    return QFile::decodeName(own);
}

}  // namespace

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) ::close(fd_);
}

QString InstanceLock::Folder() {
    static const QString folder = ChooseFolder();
    return folder;
}

InstanceLock::Result InstanceLock::TryAcquire(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/KR300&K200&FELUX&B_KLNQAPP.lock"));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return Result::CannotLock;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? Result::HeldByAnother : Result::CannotLock;
    }
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
    return Result::Taken;
}

}  // namespace felux
