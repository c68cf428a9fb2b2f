// Whether a folder is private enough to hold the instance lock and the hand-over socket.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace felux {

// What lstat says of a folder, without following a link.
struct FolderFacts {
    bool isLink = false;
    bool isDirectory = false;
    std::uint32_t owner = 0;
    std::uint32_t permissions = 0;  // the mode's low twelve bits
};

enum class RuntimeFolderKind {
    // $XDG_RUNTIME_DIR: the session made it; others must not be able to write in it.
    Session,
    // The folder we make in /tmp ourselves: exactly ours, nobody else may even look in.
    Own,
};

// Why the folder must not be used, as a phrase ("it belongs to user 1001"); nullopt when it is
// fit. facts is nullopt when the folder is missing or cannot be examined.
std::optional<std::string> RuntimeFolderProblem(const std::optional<FolderFacts>& facts, std::uint32_t uid,
                                                RuntimeFolderKind kind);

}  // namespace felux
