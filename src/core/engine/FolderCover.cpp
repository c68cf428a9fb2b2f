// A track's cover taken from a picture in its folder.
#include "engine/FolderCover.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <system_error>
#include <utility>

#include "engine/PictureBlock.h"
#include "io/TextFile.h"

namespace felux {
namespace {

constexpr std::array<std::string_view, 4> kStems{"cover", "folder", "front", "album"};

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return out;
}

ImageFormat ExtensionFormat(std::string_view name) {
    return Lower(name).ends_with(".png") ? ImageFormat::Png : ImageFormat::Jpeg;
}

std::optional<Id3v2Picture> ReadPicture(const std::filesystem::path& file, ImageFormat format) {
    const auto opened = io::OpenRegularFile(file);
    if (!opened) return std::nullopt;
    ::close(opened->first);
    if (opened->second > kId3v2PictureCap) return std::nullopt;
    std::optional<std::string> bytes = io::ReadFileBounded(file, kId3v2PictureCap);
    if (!bytes || ImageFormatOf(*bytes) != format) return std::nullopt;
    return Id3v2Picture{format, kFrontCover, std::move(*bytes)};
}

}  // namespace

std::optional<int> FolderCoverRank(std::string_view name) {
    const std::string lower = Lower(name);
    const std::size_t dot = lower.rfind('.');
    if (dot == std::string::npos) return std::nullopt;
    const std::string_view extension = std::string_view(lower).substr(dot);
    if (extension != ".jpg" && extension != ".jpeg" && extension != ".png") return std::nullopt;
    const auto stem = std::find(kStems.begin(), kStems.end(), std::string_view(lower).substr(0, dot));
    if (stem == kStems.end()) return std::nullopt;
    return static_cast<int>(stem - kStems.begin());
}

std::optional<Id3v2Picture> ReadFolderCover(const std::filesystem::path& folder) {
    // Only the names that rank are kept, so a folder of many pictures costs one listing.
    std::map<std::pair<int, std::string>, std::filesystem::path> candidates;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (const auto rank = FolderCoverRank(name)) candidates.emplace(std::pair(*rank, name), it->path());
    }
    for (const auto& [key, path] : candidates)
        if (auto picture = ReadPicture(path, ExtensionFormat(key.second))) return picture;
    return std::nullopt;
}

}  // namespace felux
