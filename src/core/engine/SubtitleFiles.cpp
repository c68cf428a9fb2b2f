// Subtitle files that sit beside a clip and carry its name, to be shown in its picture.
#include "engine/SubtitleFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace felux {
namespace {

bool IsSubtitleExtension(std::string_view ext) {
    std::string lower;
    for (char c : ext) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == "srt" || lower == "ass" || lower == "ssa" || lower == "vtt" || lower == "sub";
}

// 0: "stem.ext"; 1: "stem.tag.ext"; -1: not the clip's subtitle.
int NameMatch(std::string_view name, std::string_view stem) {
    if (name.size() <= stem.size() + 1 || !name.starts_with(stem) || name[stem.size()] != '.') return -1;
    const std::string_view rest = name.substr(stem.size() + 1);
    const std::size_t dot = rest.find('.');
    if (dot == std::string_view::npos) return IsSubtitleExtension(rest) ? 0 : -1;
    const std::string_view ext = rest.substr(dot + 1);
    if (dot == 0 || ext.find('.') != std::string_view::npos) return -1;
    return IsSubtitleExtension(ext) ? 1 : -1;
}

}  // namespace

std::vector<std::string> SubtitleFilesBeside(const std::string& clip) {
    const std::filesystem::path path(clip);
    const std::string stem = path.stem().string();
    const std::string own = path.filename().string();
    std::vector<std::pair<int, std::string>> found;
    if (stem.empty()) return {};
    std::error_code ec;
    std::filesystem::directory_iterator it(path.parent_path().empty() ? "." : path.parent_path(), ec);
    for (std::size_t seen = 0; !ec && it != std::filesystem::directory_iterator() && seen < kMaxSubtitleScan;
         it.increment(ec), ++seen) {
        const std::string name = it->path().filename().string();
        const int match = name == own ? -1 : NameMatch(name, stem);
        std::error_code fileEc;
        if (match < 0 || !it->is_regular_file(fileEc) || fileEc) continue;
        found.emplace_back(match, it->path().string());
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> files;
    for (auto& [match, file] : found) {
        if (files.size() == kMaxSubtitleFiles) break;
        files.push_back(std::move(file));
    }
    return files;
}

}  // namespace felux
