// Adding dropped files and folders to the playlist: the extension table and a breadth-first scan in bounded steps.
#include "playlist/FolderScan.h"

#include <algorithm>
#include <array>
#include <sys/stat.h>

#include "playlist/ListFile.h"
#include "playlist/MediaFileTypes.h"
#include "playlist/StreamUrl.h"

namespace felux {
namespace {

constexpr std::size_t kAnyOther = 11;
constexpr std::size_t kListFiles = 15;
constexpr std::size_t kFirstPicture = 16;
// The extension of each switch position; 11 to 15 have none of their own.
constexpr std::array<std::string_view, 19> kExtensions = {
    ".mpg", ".avi", ".mov", ".mp3", ".rmp", ".dat", ".asf", ".wav", ".mpeg", ".ra",
    ".wma", "",     "",     "",     "",     "",     ".jpg", ".jpeg", ".bmp"};
// A name the scan passes over (the half-width middle dot).
constexpr std::string_view kSkippedName = "\xEF\xBD\xA5";

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool On(std::string_view flags, std::size_t position) { return position < flags.size() && flags[position] == '1'; }

std::string Join(const std::string& folder, const std::string& name) {
    return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

}  // namespace

bool AnyFolder(const std::vector<std::string>& items) {
    return std::any_of(items.begin(), items.end(), [](const std::string& item) {
        std::error_code ec;
        return !IsStreamUrl(item) && std::filesystem::is_directory(item, ec);
    });
}

ScannedFile ClassifyScannedFile(std::string_view name, std::string_view flags) {
    const std::size_t dot = name.rfind('.');
    const std::string_view ext = dot == std::string_view::npos ? std::string_view() : name.substr(dot);
    bool switched = false;  // an extension of the switch table, ruled by its switch alone
    for (std::size_t p = 0; p < kExtensions.size(); ++p) {
        if (kExtensions[p].empty() || !SameIgnoringCase(ext, kExtensions[p])) continue;
        if (On(flags, p)) return p >= kFirstPicture ? ScannedFile::Picture : ScannedFile::Entry;
        switched = true;
    }
    if (!switched && IsMediaExtension(ext)) return ScannedFile::Entry;
    if (!switched && IsPictureExtension(ext)) return ScannedFile::Picture;
    if (On(flags, kAnyOther)) return ScannedFile::Entry;
    if (On(flags, kListFiles) && (SameIgnoringCase(ext, ".m3u") || SameIgnoringCase(ext, ".tob")))
        return ScannedFile::ListFile;
    return ScannedFile::Skip;
}

void DropScan::Start(std::vector<std::string> items) {
    items_.assign(std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
    queue_.clear();
    listing_.reset();
    listed_.clear();
    pictures_.clear();
    picturesToAppend_.clear();
    active_ = false;
    listLoaded_ = false;
    seen_ = 0;
}

bool DropScan::BeginFolder(const std::string& folder) {
    folder_ = folder;
    subfolders_.clear();
    pictures_.clear();
    folderHasMedia_ = false;
    listing_.reset();
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return true;
    if (!listed_.emplace(static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)).second)
        return false;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, std::filesystem::directory_options::skip_permission_denied, ec);
    if (!ec) listing_ = std::move(it);
    return true;
}

void DropScan::TakeEntry(Playlist& list, const std::filesystem::directory_entry& entry) {
    const std::string name = entry.path().filename().string();
    if (name == kSkippedName) return;
    ++found_;
    // Hidden files and folders (thumbnails, resource forks, trash) are not the user's media.
    if (name.starts_with('.')) return;
    std::error_code ec;
    const std::string path = Join(folder_, name);
    if (entry.is_directory(ec)) {
        subfolders_.push_back(path);
        return;
    }
    const ScannedFile kind = ClassifyScannedFile(name);
    switch (kind) {
        case ScannedFile::Entry:
        case ScannedFile::Picture:
            // An empty file is a download or copy that never finished; a FIFO or device is only named.
            if (entry.is_regular_file(ec) && entry.file_size(ec) == 0) break;
            if (kind == ScannedFile::Picture) {
                if (!folderHasMedia_) pictures_.push_back(path);
                break;
            }
            folderHasMedia_ = true;
            pictures_.clear();
            list.Append(path, "");
            break;
        case ScannedFile::ListFile:
            LoadListFile(list, path);
            listLoaded_ = true;
            break;
        case ScannedFile::Skip:
            break;
    }
}

void DropScan::EndListing() {
    listing_.reset();
    if (!folderHasMedia_)
        picturesToAppend_.insert(picturesToAppend_.end(), std::make_move_iterator(pictures_.begin()),
                                 std::make_move_iterator(pictures_.end()));
    pictures_.clear();
    for (std::string& sub : subfolders_) queue_.push_back(std::move(sub));
    subfolders_.clear();
}

void DropScan::FinishItem(Playlist& list) {
    // Nothing was found under the item: a file, or an empty or unreadable folder. A folder this
    // drop has listed already (the item was a subfolder of an earlier one, or a link to it) adds nothing.
    if (found_ == 0 && !itemListedBefore_) {
        if (IsListPath(item_)) {
            LoadListFile(list, item_);
            listLoaded_ = true;
        } else {
            list.Append(item_, "");
        }
    }
    active_ = false;
}

bool DropScan::Step(Playlist& list, std::size_t budget) {
    while (budget > 0) {
        if (!active_) {
            if (items_.empty()) return true;
            item_ = std::move(items_.front());
            items_.pop_front();
            if (IsStreamUrl(item_)) {
                list.Append(item_, "");
                --budget;
                continue;
            }
            while (item_.size() > 1 && item_.ends_with('/')) item_.pop_back();
            found_ = 0;
            queue_.clear();
            active_ = true;
            itemListedBefore_ = !BeginFolder(item_);
            --budget;
            continue;
        }
        if (listing_) {
            std::filesystem::directory_iterator& it = *listing_;
            if (it != std::filesystem::directory_iterator()) {
                TakeEntry(list, *it);
                ++seen_;
                --budget;
                std::error_code ec;
                it.increment(ec);
                if (!ec) continue;
            }
            EndListing();
        }
        if (!picturesToAppend_.empty()) {
            list.Append(picturesToAppend_.front(), "");
            picturesToAppend_.pop_front();
            --budget;
            continue;
        }
        if (!queue_.empty()) {
            const std::string next = std::move(queue_.front());
            queue_.pop_front();
            BeginFolder(next);
            --budget;
            continue;
        }
        FinishItem(list);
    }
    return !Running();
}

}  // namespace felux
