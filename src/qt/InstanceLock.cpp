// The single-instance lock, held for the life of the process.
#include "qt/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
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

std::optional<std::string> Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::optional<std::string>(v) : std::nullopt;
}

void MakePrivate(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder.parent_path(), ec);
    ::mkdir(folder.c_str(), 0700);
}

}  // namespace

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) ::close(fd_);
}

QString InstanceLock::Folder(const std::optional<std::filesystem::path>& dataFolder) {
    const RuntimeFolderInputs inputs{::getuid(),          Env("XDG_RUNTIME_DIR"), QFile::encodeName(QDir::tempPath()).toStdString(),
                                     Env("XDG_CACHE_HOME"), Env("HOME"),            dataFolder};
    const RuntimeFolderChoice choice =
        ChooseRuntimeFolder(inputs, {[](const std::filesystem::path& f) { return Examine(QByteArray(f.c_str())); },
                                     MakePrivate});
    for (const RuntimeFolderRefusal& refusal : choice.refusals)
        std::fprintf(stderr, "felux: not using %s for the single-instance lock and hand-over: %s\n",
                     refusal.folder.c_str(), refusal.why.c_str());
    return choice.folder ? QFile::decodeName(QByteArray(choice.folder->c_str())) : QString();
}

bool InstanceLock::AnotherCopyRuns() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return false;
    const std::string me = std::to_string(::getpid());
    const uid_t uid = ::getuid();
    for (auto it = std::filesystem::directory_iterator("/proc", ec); !ec && it != std::filesystem::directory_iterator();
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos || name == me) continue;
        struct stat st {};
        // Another user's process could run a copy of the same file; only ours count.
        if (::stat(it->path().c_str(), &st) != 0 || st.st_uid != uid) continue;
        std::error_code linkError;
        const std::filesystem::path exe = std::filesystem::read_symlink(it->path() / "exe", linkError);
        if (!linkError && exe == self) return true;
    }
    return false;
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
