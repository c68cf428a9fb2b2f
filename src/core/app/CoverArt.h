// The cover of the track that plays, stored in the runtime folder for desktop widgets to show.
#pragma once

#include <filesystem>
#include <future>
#include <optional>
#include <string>

#include "engine/Id3v2Tag.h"

namespace felux {

// Every cover file's name starts so; the rest of the runtime folder is never touched.
inline constexpr const char* kCoverPrefix = "felux-cover-";

// "felux-cover-<16 hex digits of a hash of the bytes>.jpg" (or ".png"): a picture met again, in
// this track or another, finds its file already there.
std::string CoverFileName(const Id3v2Picture& picture);

// Writes the picture into the folder unless its file is there already with the picture's length,
// then removes the other covers there (and the temporaries of killed writes), so that the folder
// holds one. The file; nullopt when it could not be written.
std::optional<std::filesystem::path> StoreCover(const std::filesystem::path& folder, const Id3v2Picture& picture);

// Removes the covers in the folder, but the one named `keep`.
void RemoveCovers(const std::filesystem::path& folder, const std::string& keep = {});

class CoverArt {
public:
    explicit CoverArt(std::filesystem::path folder) : folder_(std::move(folder)) {}
    // Waits for the cover being stored, then removes the covers.
    ~CoverArt();
    CoverArt(const CoverArt&) = delete;
    CoverArt& operator=(const CoverArt&) = delete;

    // The stored cover of the file that plays (empty: none plays); nullopt while it is being
    // found and for a file without one. Never waits: a tag may hold megabytes of pictures, so
    // they are read and written on a thread of their own, one file at a time.
    std::optional<std::filesystem::path> CoverOf(const std::string& file);

private:
    std::filesystem::path folder_;
    std::string jobFile_;  // the file the job in progress looks at
    std::future<std::optional<std::filesystem::path>> job_;
    std::string doneFile_;  // the last file looked at, and its cover
    std::optional<std::filesystem::path> doneCover_;
};

}  // namespace felux
