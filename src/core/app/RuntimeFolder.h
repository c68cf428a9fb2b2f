// Which folder holds the instance lock, the hand-over socket and the covers, and whether one is private enough.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    // A folder we make ourselves (in /tmp or the home): exactly ours, nobody else may even look in.
    Own,
};

// Why the folder must not be used, as a phrase ("it belongs to user 1001"); nullopt when it is
// fit. facts is nullopt when the folder is missing or cannot be examined.
std::optional<std::string> RuntimeFolderProblem(const std::optional<FolderFacts>& facts, std::uint32_t uid,
                                                RuntimeFolderKind kind);

// The hand-over socket's name in the chosen folder. A local socket's path has at most 107
// bytes (sun_path holds 108 with the closing zero).
inline constexpr std::string_view kHandOverSocketName = "felux-open.socket";
inline constexpr std::size_t kSocketPathLimit = 107;

struct RuntimeFolderInputs {
    std::uint32_t uid = 0;
    std::optional<std::string> xdgRuntimeDir;
    std::filesystem::path tempFolder;  // /tmp unless TMPDIR says otherwise
    std::optional<std::string> xdgCacheHome;
    std::optional<std::string> home;
    std::optional<std::filesystem::path> dataFolder;
};

// How the choice looks at folders: examine is lstat's view (nullopt when missing), makePrivate
// makes a folder with mode 0700 (its parents as needed) and may fail silently.
struct FolderAccess {
    std::function<std::optional<FolderFacts>(const std::filesystem::path&)> examine;
    std::function<void(const std::filesystem::path&)> makePrivate;
};

struct RuntimeFolderRefusal {
    std::filesystem::path folder;
    std::string why;  // "it belongs to user 1001"
};

struct RuntimeFolderChoice {
    std::optional<std::filesystem::path> folder;  // nullopt when no private place exists
    std::vector<RuntimeFolderRefusal> refusals;   // each folder of ours passed over, in order
};

// The session's runtime folder when it is fit; else the first of our own folders that is:
// <temp>/felux-<uid>, the XDG cache's felux, the data folder's runtime. Every start of the
// user tries the same ones in the same order, so a second start finds the first one's lock.
RuntimeFolderChoice ChooseRuntimeFolder(const RuntimeFolderInputs& in, const FolderAccess& access);

}  // namespace felux
