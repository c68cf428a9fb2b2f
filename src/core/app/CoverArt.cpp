// The cover of the track that plays, stored in the runtime folder for desktop widgets to show.
#include "app/CoverArt.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <system_error>
#include <vector>

#include "engine/TrackCover.h"
#include "io/TextFile.h"
#include "playlist/StreamUrl.h"

namespace felux {
namespace {

// FNV-1a: names the picture, it does not guard anything.
std::uint64_t Hash(std::string_view bytes) {
    std::uint64_t h = 0xcbf29ce484222325u;
    for (const char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
    return h;
}

std::optional<std::filesystem::path> FindAndStore(const std::filesystem::path& folder, const std::string& file) {
    try {
        const std::optional<Id3v2Picture> picture = ReadTrackCover(file);
        if (picture) return StoreCover(folder, *picture);
        RemoveCovers(folder);
    } catch (const std::exception&) {
        // Out of memory for a large picture: the track goes without a cover.
    }
    return std::nullopt;
}

}  // namespace

std::string CoverFileName(const Id3v2Picture& picture) {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(Hash(picture.data)));
    return kCoverPrefix + std::string(hex) + (picture.format == ImageFormat::Png ? ".png" : ".jpg");
}

std::optional<std::filesystem::path> StoreCover(const std::filesystem::path& folder, const Id3v2Picture& picture) {
    const std::string name = CoverFileName(picture);
    const std::filesystem::path file = folder / name;
    struct stat st {};
    const bool present = ::lstat(file.c_str(), &st) == 0;
    bool stored = present && S_ISREG(st.st_mode) && static_cast<std::uintmax_t>(st.st_size) == picture.data.size();
    if (!stored) {
        // Not through whatever stands there under the name: a link would be followed.
        std::error_code ec;
        if (present && !S_ISREG(st.st_mode)) std::filesystem::remove(file, ec);
        stored = io::WriteFileAtomic(file, picture.data);
    }
    RemoveCovers(folder, stored ? name : std::string());
    if (!stored) return std::nullopt;
    return file;
}

void RemoveCovers(const std::filesystem::path& folder, const std::string& keep) {
    std::error_code ec;
    std::vector<std::filesystem::path> old;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code kind;
        if (name.starts_with(kCoverPrefix) && name != keep &&
            it->symlink_status(kind).type() != std::filesystem::file_type::directory)
            old.push_back(it->path());
    }
    for (const std::filesystem::path& path : old) std::filesystem::remove(path, ec);
}

CoverArt::~CoverArt() {
    if (job_.valid()) job_.wait();
    RemoveCovers(folder_);
}

std::optional<std::filesystem::path> CoverArt::CoverOf(const std::string& file) {
    if (job_.valid() && job_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        doneFile_ = jobFile_;
        doneCover_ = job_.get();
    }
    // A stream's cover is not on disk: a file named like it in the working folder is not it.
    if (file.empty() || IsStreamUrl(file)) return std::nullopt;
    if (file == doneFile_) return doneCover_;
    // A file asked for while another's job runs waits for that job: two jobs at once could each
    // remove the cover the other just stored.
    if (!job_.valid()) {
        try {
            job_ = std::async(std::launch::async, FindAndStore, folder_, file);
            jobFile_ = file;
        } catch (const std::system_error&) {
            // No thread to be had now: the next look tries again.
        }
    }
    return std::nullopt;
}

}  // namespace felux
