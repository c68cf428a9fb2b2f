// Where the player keeps its files: $FELUX_HOME, a portable folder, or the XDG config folder.
#include "app/DataFolder.h"

#include <array>
#include <string_view>
#include <system_error>
#include <vector>

#include "engine/ResumePoints.h"
#include "engine/VolumeLog.h"
#include "io/TextFile.h"
#include "playlist/History.h"
#include "playlist/ListFile.h"
#include "settings/SettingsFile.h"

namespace felux {

std::optional<std::filesystem::path> ChooseDataFolder(const DataFolderInputs& in) {
    if (in.feluxHome && !in.feluxHome->empty()) return std::filesystem::path(*in.feluxHome);
    std::error_code ec;
    if (!in.executableFolder.empty() && std::filesystem::is_regular_file(in.executableFolder / kKeyListFileName, ec))
        return in.executableFolder;
    if (in.xdgConfigHome && !in.xdgConfigHome->empty()) return std::filesystem::path(*in.xdgConfigHome) / "felux";
    if (in.home && !in.home->empty()) return std::filesystem::path(*in.home) / ".config" / "felux";
    return std::nullopt;
}

namespace {

// An older bundled list: the same lines, fewer of them. Edited lists are left alone.
bool IsOlderKeyList(const std::filesystem::path& keyList, std::string_view bundled) {
    const std::optional<std::string> text = io::ReadTextBounded(keyList, kKeyListReadLimit);
    return text && !text->empty() && text->size() < bundled.size() && text->back() == '\n' &&
           bundled.substr(0, text->size()) == *text;
}

// Temporaries of saves that a kill interrupted: never renamed into place, they would only pile up.
void ClearStaleTemporaries(const std::filesystem::path& folder) {
    constexpr std::array<std::string_view, 6> kDataFiles{kCurrentListName,  kHistoryName,     VolumeLog::kFileName,
                                                         ResumePoints::kFileName, kSettingsFileName, kKeyListFileName};
    for (const std::string_view file : kDataFiles) io::RemoveStaleTemporaries(folder / file);
}

}  // namespace

std::optional<std::filesystem::path> ResolveDataFolder(const DataFolderInputs& in) {
    std::optional<std::filesystem::path> folder = ChooseDataFolder(in);
    if (!folder) return std::nullopt;
    std::error_code ec;
    std::filesystem::create_directories(*folder, ec);
    ClearStaleTemporaries(*folder);
    const std::filesystem::path keyList = *folder / kKeyListFileName;
    // A read-only folder simply stays without a key list: nothing is saved then.
    if (!in.bundledKeyList.empty() &&
        (!std::filesystem::exists(keyList, ec) || IsOlderKeyList(keyList, in.bundledKeyList)))
        io::WriteFileAtomic(keyList, in.bundledKeyList);
    return folder;
}

}  // namespace felux
