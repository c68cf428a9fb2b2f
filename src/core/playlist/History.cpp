// The play history and its file.
#include "playlist/History.h"

#include <algorithm>

#include "io/TextFile.h"
#include "io/TextLines.h"
#include "playlist/StreamUrl.h"

namespace felux {

namespace {

constexpr std::size_t kMaxHistoryBytes = std::size_t{1} << 20;
constexpr std::size_t kMaxHistoryLines = 100'000;

}  // namespace

void History::LoadHistory(const std::filesystem::path& file) {
    entries_.clear();
    const std::optional<std::string> text = io::ReadRawTextBounded(file, kMaxHistoryBytes);
    if (!text) return;
    const bool shiftJis = io::LeansShiftJis(*text);
    for (const std::string_view line : io::SplitLines(*text, kMaxHistoryLines)) {
        if (entries_.size() == kMaxEntries) break;
        if ((!line.starts_with('/') && !IsStreamUrl(line)) || io::NotOneLine(line)) continue;
        // A name that is not UTF-8 is decoded, unless its bytes already name an existing file.
        std::string raw(line);
        const bool asItStands = io::ReadsAsUtf8(raw, shiftJis) || io::NamesExistingFile(raw);
        entries_.push_back(asItStands ? std::move(raw) : io::LineToUtf8(line, shiftJis));
    }
}

bool History::SaveHistory(const std::filesystem::path& file) const {
    std::string bytes;
    for (const std::string& entry : entries_) {
        // Such a name would come back as two entries; it is left out instead.
        if (io::NotOneLine(entry)) continue;
        bytes += entry;
        bytes += "\r\n";
    }
    return io::WriteFileAtomic(file, bytes);
}

void History::AddToHistory(const std::string& path) {
    // De-duplicate before trimming, so a repeat does not also push out the oldest entry.
    const auto same = std::find(entries_.begin(), entries_.end(), path);
    if (same != entries_.end()) entries_.erase(same);
    if (entries_.size() >= kMaxEntries) entries_.resize(kMaxEntries - 1);
    entries_.insert(entries_.begin(), path);
}

}  // namespace felux
