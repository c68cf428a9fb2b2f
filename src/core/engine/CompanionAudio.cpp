// The companion audio file of a video: same name, ".wav", ".mp2" or ".mp3", in its folder or two search folders.
#include "engine/CompanionAudio.h"

#include <array>
#include <cctype>
#include <string_view>

namespace felux {
namespace {

bool FlagOn(const std::string& flags, std::size_t position) {
    return position < flags.size() && flags[position] == '1';
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

bool SyncPlaybackOn(const std::string& syncFlags) { return !syncFlags.empty() && syncFlags[0] != '0'; }

std::optional<std::string> FindCompanionAudio(const std::string& videoPath, const std::string& syncFlags,
                                              const std::string& folder1, const std::string& folder2,
                                              const CanOpenFile& canOpen) {
    const std::size_t slash = videoPath.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : videoPath.substr(0, slash + 1);
    std::string name = videoPath.substr(folder.size());
    std::string extension;
    if (const std::size_t dot = name.rfind('.'); dot != std::string::npos) {
        extension = name.substr(dot);
        name.resize(dot);
    }
    static constexpr std::array<std::string_view, 3> kExtensions{".wav", ".mp2", ".mp3"};
    for (std::size_t e = 0; e < kExtensions.size(); ++e) {
        const std::string candidate(kExtensions[e]);
        if (SameIgnoringCase(candidate, extension) || !FlagOn(syncFlags, 4 + e)) continue;
        const std::array<std::pair<std::size_t, const std::string*>, 3> places{
            {{1, &folder}, {2, &folder1}, {3, &folder2}}};
        for (const auto& [flag, place] : places) {
            if (!FlagOn(syncFlags, flag)) continue;
            std::string path = *place + name + candidate;
            if (canOpen(path)) return path;
        }
    }
    return std::nullopt;
}

}  // namespace felux
