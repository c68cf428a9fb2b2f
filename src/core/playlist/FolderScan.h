// Adding dropped files and folders to the playlist: the extension table and a breadth-first scan in bounded steps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "playlist/Playlist.h"

namespace felux {

// Switch positions, "1" on: 0-10 ".mpg" ".avi" ".mov" ".mp3" ".rmp" ".dat" ".asf"
// ".wav" ".mpeg" ".ra" ".wma"; 11 every other extension; 12-14 spare slots; 15
// list files met inside a scanned folder; 16-18 ".jpg" ".jpeg" ".bmp". The media
// types the player declares (MediaFileTypes.h) are taken besides these, and the other
// pictures of kPictureExtensions as pictures.
inline constexpr std::string_view kExtensionFlags = "1111111111100000111";

// Picture: an entry only when its folder holds no sound or video entry.
enum class ScannedFile { Skip, Entry, Picture, ListFile };

// Some item names a folder (a stream URL never does): such items are scanned as a drop of them is.
bool AnyFolder(const std::vector<std::string>& items);

// What a file met inside a scanned folder becomes, by its extension (ASCII case ignored): the
// switches rule their own extensions, other declared media types are entries.
ScannedFile ClassifyScannedFile(std::string_view name, std::string_view flags = kExtensionFlags);

// ScanDropped over several dropped items, a few directory entries at a time so
// that the tick keeps running. Each folder is listed once; its files are
// appended in listing order before any file of its subfolders, and subfolders
// are visited level by level. A folder met again (a symbolic link loop, or a
// dropped folder inside another one) is not listed twice. Hidden names and
// empty files inside a folder are passed over, and so are its pictures when it
// holds sound or video (an album's cover); a folder of pictures alone lists them
// after its last entry, a few per step as well.
class DropScan {
public:
    void Start(std::vector<std::string> items);
    // Works through at most budget directory entries; true when every item is done.
    bool Step(Playlist& list, std::size_t budget);
    bool Running() const { return active_ || !items_.empty(); }
    // A list file was loaded by one of the items.
    bool ListLoaded() const { return listLoaded_; }
    // Directory entries looked at so far, for a progress read-out.
    std::size_t Seen() const { return seen_; }

private:
    // False when this drop has listed the folder already.
    bool BeginFolder(const std::string& folder);
    void TakeEntry(Playlist& list, const std::filesystem::directory_entry& entry);
    void FinishItem(Playlist& list);
    // The listing of folder_ has ended: its pictures wait to be appended unless it held media.
    void EndListing();

    std::deque<std::string> items_;
    std::deque<std::string> queue_;  // folders still to list, breadth first
    std::string item_;
    bool active_ = false;
    bool itemListedBefore_ = false;
    std::size_t found_ = 0;
    std::optional<std::filesystem::directory_iterator> listing_;
    std::string folder_;
    std::vector<std::string> subfolders_;
    std::vector<std::string> pictures_;  // of folder_, held until its listing ends
    bool folderHasMedia_ = false;
    std::deque<std::string> picturesToAppend_;
    std::set<std::pair<std::uint64_t, std::uint64_t>> listed_;  // device and inode
    bool listLoaded_ = false;
    std::size_t seen_ = 0;
};

}  // namespace felux
