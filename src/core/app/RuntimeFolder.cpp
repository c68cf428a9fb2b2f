// Whether a folder is private enough to hold the instance lock and the hand-over socket.
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

}  // namespace felux
