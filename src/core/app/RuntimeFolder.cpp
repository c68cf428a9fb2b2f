// Which folder holds the instance lock, the hand-over socket and the covers, and whether one is private enough.
#include "app/RuntimeFolder.h"

#include <cstdio>

namespace felux {
namespace {

constexpr std::uint32_t kGroupOtherWrite = 0022;
constexpr std::uint32_t kGroupOtherAny = 0077;

std::string Octal(std::uint32_t permissions) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(permissions & 07777));
    return text;
}

bool SocketFits(const std::filesystem::path& folder) {
    return folder.native().size() + 1 + kHandOverSocketName.size() <= kSocketPathLimit;
}

// XDG base folders must be absolute; a relative one is ignored.
std::optional<std::filesystem::path> Absolute(const std::optional<std::string>& value) {
    if (!value || value->empty() || value->front() != '/') return std::nullopt;
    return std::filesystem::path(*value);
}

std::vector<std::filesystem::path> OwnFolders(const RuntimeFolderInputs& in) {
    std::vector<std::filesystem::path> folders;
    if (!in.tempFolder.empty()) folders.push_back(in.tempFolder / ("felux-" + std::to_string(in.uid)));
    if (const std::optional<std::filesystem::path> cache = Absolute(in.xdgCacheHome))
        folders.push_back(*cache / "felux");
    else if (const std::optional<std::filesystem::path> home = Absolute(in.home))
        folders.push_back(*home / ".cache" / "felux");
    if (in.dataFolder && !in.dataFolder->empty()) folders.push_back(*in.dataFolder / "runtime");
    return folders;
}

}  // namespace

std::optional<std::string> RuntimeFolderProblem(const std::optional<FolderFacts>& facts, std::uint32_t uid,
                                                RuntimeFolderKind kind) {
    if (!facts) return "it is missing and cannot be made";
    // A link could point anywhere another user likes, whatever its target looks like now.
    if (facts->isLink) return "it is a symbolic link";
    if (!facts->isDirectory) return "it is not a folder";
    if (facts->owner != uid) return "it belongs to user " + std::to_string(facts->owner);
    if (kind == RuntimeFolderKind::Session && (facts->permissions & kGroupOtherWrite) != 0)
        return "others may write in it (mode " + Octal(facts->permissions) + ")";
    if (kind == RuntimeFolderKind::Own && (facts->permissions & kGroupOtherAny) != 0)
        return "others have access to it (mode " + Octal(facts->permissions) + ", not 0700)";
    return std::nullopt;
}

RuntimeFolderChoice ChooseRuntimeFolder(const RuntimeFolderInputs& in, const FolderAccess& access) {
    RuntimeFolderChoice choice;
    // A session folder others may write in (XDG_RUNTIME_DIR=/tmp) is passed over quietly: our
    // own folder serves as well.
    if (const std::optional<std::filesystem::path> session = Absolute(in.xdgRuntimeDir);
        session && SocketFits(*session) &&
        !RuntimeFolderProblem(access.examine(*session), in.uid, RuntimeFolderKind::Session)) {
        choice.folder = session;
        return choice;
    }
    for (const std::filesystem::path& folder : OwnFolders(in)) {
        if (!SocketFits(folder)) {
            choice.refusals.push_back({folder, "the socket's path in it would be longer than " +
                                                   std::to_string(kSocketPathLimit) + " bytes"});
            continue;
        }
        // An existing folder is examined like a new one, whoever made it.
        access.makePrivate(folder);
        if (const std::optional<std::string> problem =
                RuntimeFolderProblem(access.examine(folder), in.uid, RuntimeFolderKind::Own)) {
            choice.refusals.push_back({folder, *problem});
            continue;
        }
        choice.folder = folder;
        return choice;
    }
    return choice;
}

}  // namespace felux
