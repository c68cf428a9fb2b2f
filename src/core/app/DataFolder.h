// Where the player keeps its files: $FELUX_HOME, a portable folder, or the XDG config folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace felux {

struct DataFolderInputs {
    std::optional<std::string> feluxHome;    // $FELUX_HOME
    std::filesystem::path executableFolder;  // portable when it holds KR02.sys
    std::optional<std::string> xdgConfigHome;
    std::optional<std::string> home;
    std::string_view bundledKeyList;  // copied in when the chosen folder has none
};

// The folder the inputs name, without creating anything. nullopt when none could be named.
std::optional<std::filesystem::path> ChooseDataFolder(const DataFolderInputs& in);

// Picks the folder, creates it when needed and puts the bundled key list there when it is
// missing, or when the one there is the bundled list's beginning (written by an older
// version, before keys were added at the end); temporaries that killed saves left there are
// removed. nullopt when no folder could be named.
std::optional<std::filesystem::path> ResolveDataFolder(const DataFolderInputs& in);

}  // namespace felux
