// The playlist store and its display lines.
#include "playlist/Playlist.h"

#include <cstdio>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "playlist/PlaySegmentSuffix.h"
#include "playlist/StreamUrl.h"

namespace felux {

namespace {

std::string FormatNumber(std::size_t number) {
    char digits[24];
    std::snprintf(digits, sizeof digits, "%04zu", number);
    return digits;
}

// "1:05.20", or "1:01:05.20" from an hour on.
std::string SegmentTime(std::int64_t ms) {
    const std::int64_t hundredths = ms / 10;
    const std::int64_t seconds = hundredths / 100;
    char text[64];
    if (seconds >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld.%02lld", static_cast<long long>(seconds / 3600),
                      static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60),
                      static_cast<long long>(hundredths % 100));
    else
        std::snprintf(text, sizeof text, "%lld:%02lld.%02lld", static_cast<long long>(seconds / 60),
                      static_cast<long long>(seconds % 60), static_cast<long long>(hundredths % 100));
    return text;
}

}  // namespace

std::string DisplayLine(std::string_view path, std::size_t number, bool current, std::string_view title) {
    const std::optional<SegmentTimes> segment = ParseSegmentSuffix(path);
    if (segment) path = StripSegmentSuffix(path);
    const std::size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::string line(1, current ? '>' : ' ');
    line += FormatNumber(number);
    line += ' ';
    line += name;
    if (segment) {
        line += "  " + SegmentTime(segment->startMs) + "\u2013" + SegmentTime(segment->endMs);
        if (title.size() > 1 && title.front() == '*') {
            line += "  ";
            line += title.substr(1);
        }
    }
    return line;
}

void RenumberDisplayLine(std::string& line, std::size_t number) {
    if (line.empty()) return;
    // The number field may be wider than four digits past entry 9,999.
    const std::size_t blank = line.find(' ', 1);
    const std::size_t end = blank == std::string::npos ? line.size() : blank;
    line.replace(1, end - 1, FormatNumber(number));
}

bool EntryOpens(const std::string& path) {
    if (IsStreamUrl(path)) return true;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
}

void Playlist::Append(std::string path, std::string title) {
    paths_.push_back(std::move(path));
    titles_.push_back(std::move(title));
    if (view_) view_->InsertLine(paths_.size() - 1, DisplayLine(paths_.back(), paths_.size(), false, titles_.back()));
}

void Playlist::RemoveAt(std::size_t i) {
    paths_.erase(paths_.begin() + static_cast<std::ptrdiff_t>(i));
    titles_.erase(titles_.begin() + static_cast<std::ptrdiff_t>(i));
    if (view_) view_->DeleteLine(i);
}

void Playlist::Clear() {
    if (view_) {
        for (std::size_t i = paths_.size(); i > 0; --i) view_->DeleteLine(i - 1);
    }
    paths_.clear();
    titles_.clear();
}

bool Playlist::RemoveMissing(std::size_t start) {
    bool opened = false;
    while (start < paths_.size()) {
        if (EntryOpens(std::string(StripSegmentSuffix(paths_[start])))) {
            opened = true;
            break;
        }
        RemoveAt(start);
    }
    if (view_) {
        for (std::size_t i = opened ? start : 0; i < paths_.size(); ++i) view_->RenumberLine(i, i + 1);
    }
    if (editorCurrent >= static_cast<int>(paths_.size())) editorCurrent = static_cast<int>(paths_.size()) - 1;
    if (editorCurrent < 0) editorCurrent = 0;
    return opened;
}

void Playlist::SwapEntries(std::size_t i, std::size_t j) {
    std::swap(paths_[i], paths_[j]);
    std::swap(titles_[i], titles_[j]);
    // While the current entry is gone editorCurrent is a place: whatever stands there plays next.
    if (!currentRemoved && editorCurrent >= 0) {
        const auto current = static_cast<std::size_t>(editorCurrent);
        if (current == i)
            editorCurrent = static_cast<int>(j);
        else if (current == j)
            editorCurrent = static_cast<int>(i);
    }
    if (view_) {
        view_->ReplaceLine(i, DisplayLineAt(i));
        view_->ReplaceLine(j, DisplayLineAt(j));
    }
}

std::string Playlist::DisplayLineAt(std::size_t i) const {
    return DisplayLine(paths_[i], i + 1,
                       !currentRemoved && editorCurrent >= 0 && static_cast<std::size_t>(editorCurrent) == i,
                       titles_[i]);
}

void Playlist::SetTitleAt(std::size_t i, std::string title) {
    titles_[i] = std::move(title);
    if (view_) view_->ReplaceLine(i, DisplayLineAt(i));
}

}  // namespace felux
