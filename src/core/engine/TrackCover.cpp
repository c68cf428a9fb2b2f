// The cover of an audio file: its own picture in whatever tag its format carries, else its folder's.
#include "engine/TrackCover.h"

#include <string>

#include "engine/AudioInfo.h"
#include "engine/ByteSource.h"
#include "engine/FlacPicture.h"
#include "engine/FolderCover.h"
#include "engine/Mp4Cover.h"
#include "engine/OggPicture.h"

namespace felux {
namespace {

std::optional<Id3v2Picture> EmbeddedPicture(const std::filesystem::path& file) {
    const std::optional<ByteSource> source = FileSource(file);
    if (!source) return std::nullopt;
    const std::string head = source->read(0, 12);
    if (head.starts_with("OggS")) return ReadOggPicture(*source);
    if (head.size() >= 8 && head.substr(4, 4) == "ftyp") return ReadMp4Cover(*source);
    if (auto picture = ReadFlacPicture(*source)) return picture;
    if (head.starts_with("ID3")) return ReadId3v2Picture(file);
    return std::nullopt;
}

}  // namespace

std::optional<Id3v2Picture> ReadTrackCover(const std::filesystem::path& file) {
    if (auto picture = EmbeddedPicture(file)) return picture;
    return ReadFolderCover(file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path());
}

}  // namespace felux
