// Where the player keeps its files: $FELUX_HOME, a portable folder, or the XDG config folder.
#include "app/DataFolder.h"

#include <system_error>

#include "io/TextFile.h"
#include "settings/SettingsFile.h"

namespace felux {
namespace {

std::optional<std::filesystem::path> ChooseFolder(const DataFolderInputs& in) {
    if (in.feluxHome && !in.feluxHome->empty()) return std::filesystem::path(*in.feluxHome);
    std::error_code ec;
    if (!in.executableFolder.empty() && std::filesystem::is_regular_file(in.executableFolder / kKeyListFileName, ec))
        return in.executableFolder;
    if (in.xdgConfigHome && !in.xdgConfigHome->empty()) return std::filesystem::path(*in.xdgConfigHome) / "felux";
    if (in.home && !in.home->empty()) return std::filesystem::path(*in.home) / ".config" / "felux";
    return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> ResolveDataFolder(const DataFolderInputs& in) {
    std::optional<std::filesystem::path> folder = ChooseFolder(in);
    if (!folder) return std::nullopt;
    std::error_code ec;
    std::filesystem::create_directories(*folder, ec);
    const std::filesystem::path keyList = *folder / kKeyListFileName;
    // A read-only folder simply stays without a key list: nothing is saved then.
    if (!in.bundledKeyList.empty() && !std::filesystem::exists(keyList, ec)) io::WriteFileAtomic(keyList, in.bundledKeyList);
    return folder;
}

}  // namespace felux
