// Bounded reading of the playlist's text files.
#include "playlist/TextBounds.h"

#include "io/TextFile.h"

namespace felux {

std::optional<std::string> ReadTextBounded(const std::filesystem::path& file, std::size_t maxBytes) {
    std::optional<std::string> bytes = io::ReadFileBounded(file, maxBytes + 1);
    if (!bytes) return std::nullopt;
    if (bytes->size() > maxBytes) {
        const std::size_t lastEnd = bytes->find_last_of("\r\n", maxBytes - 1);
        bytes->resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
    }
    std::string_view view = *bytes;
    if (view.starts_with("\xEF\xBB\xBF")) view.remove_prefix(3);
    return io::ToUtf8(view);
}

std::vector<std::string_view> SplitLinesBounded(std::string_view text, std::size_t maxLines) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < maxLines) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + (text.substr(end).starts_with("\r\n") ? 2 : 1);
    }
    return lines;
}

}  // namespace felux
