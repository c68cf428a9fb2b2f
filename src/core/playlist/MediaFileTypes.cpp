// The media types the player declares: each MIME type with its file extensions, for the folder scan, the desktop file and MPRIS.
#include "playlist/MediaFileTypes.h"

#include <algorithm>

namespace felux {
namespace {

std::string_view WithoutDot(std::string_view extension) {
    if (extension.starts_with('.')) extension.remove_prefix(1);
    return extension;
}

// extensions: lower case, one blank between.
bool HasExtension(std::string_view extensions, std::string_view extension) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; };
    std::string_view rest = extensions;
    while (!rest.empty()) {
        const std::size_t blank = std::min(rest.find(' '), rest.size());
        const std::string_view word = rest.substr(0, blank);
        if (word.size() == extension.size() &&
            std::equal(word.begin(), word.end(), extension.begin(), [&](char w, char e) { return w == lower(e); }))
            return true;
        rest.remove_prefix(std::min(blank + 1, rest.size()));
    }
    return false;
}

}  // namespace

bool IsMediaExtension(std::string_view extension) {
    extension = WithoutDot(extension);
    if (extension.empty()) return false;
    return std::any_of(kMediaFileTypes.begin(), kMediaFileTypes.end(),
                       [&](const MediaFileType& type) { return HasExtension(type.extensions, extension); });
}

bool IsAudioExtension(std::string_view extension) {
    extension = WithoutDot(extension);
    if (extension.empty()) return false;
    return std::any_of(kMediaFileTypes.begin(), kMediaFileTypes.end(), [&](const MediaFileType& type) {
        return std::string_view(type.mime).starts_with("audio/") && HasExtension(type.extensions, extension);
    });
}

bool IsPictureExtension(std::string_view extension) {
    extension = WithoutDot(extension);
    return !extension.empty() && HasExtension(kPictureExtensions, extension);
}

}  // namespace felux
