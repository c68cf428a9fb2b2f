// MPEG audio file information: the ID3 tags, the first frame header and the information lines shown for them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Id3v2Tag.h"
#include "model/MediaTime.h"

namespace felux {

// UTF-8 texts; all empty when the file has no tag. Title, artist and album come from the ID3v2 tag
// where it has them, else from the ID3v1 tag; the comment from the ID3v1 tag.
struct Id3Tag {
    std::string title;
    std::string artist;
    std::string album;
    std::string comment;
};

enum class MpegVersion { Mpeg1, Mpeg2, Mpeg25 };

// A frame header with no reserved or free-format field.
struct MpegHeader {
    MpegVersion version = MpegVersion::Mpeg1;
    int layer = 3;        // 1, 2 or 3
    int bitrateKbps = 0;
    int sampleRate = 0;   // as shown, in kHz: 44, 48, 32 / 22, 24, 16 / 11, 12, 8
    int channelMode = 0;  // 0 Stereo, 1 JointStereo, 2 DualChannel, 3 mono
};

struct AudioFileInfo {
    Id3Tag tag;
    std::optional<MpegHeader> header;
    std::optional<std::uintmax_t> fileLength;  // nullopt when the file could not be opened
};

inline constexpr std::size_t kId3v1Size = 128;
// The first frame starts within this many bytes after the ID3v2 tags.
inline constexpr std::size_t kHeaderScanBytes = 16384;
// Enough to hold the longest frame (Layer 2 at 160 kbit/s and 8 kHz) and the next header.
inline constexpr std::size_t kLongestFrame = 2885;
// At most this many ID3v2 tags in a row are skipped.
inline constexpr int kMaxId3v2Tags = 8;

// Only ".mp3" and ".rmp" files, in any letter case, carry this information.
bool HasMpegInfo(const std::filesystem::path& file);

// The tag in the last 128 bytes of `tail`; nullopt when shorter or without "TAG".
std::optional<Id3Tag> ParseId3v1(std::string_view tail);
// The first valid frame header that begins within the first kHeaderScanBytes of `audio` and whose
// next frame, where its length puts it, has a valid header of the same version, layer and sample
// rate, or lies exactly at the end of `audio` (the audio data is that one frame). An encoder's
// Xing, Info or VBRI frame gives way to the frame after it.
std::optional<MpegHeader> FindMpegHeader(std::string_view audio);
// "Mpeg-1 Layer3 128Kbit/s 44Hz (JointStereo)"; empty without a header.
std::string FormatMpegLine(const std::optional<MpegHeader>& header);

// Reads the ID3v2 tags at the start (at most kId3v2ReadCap bytes of each), the frames after them
// (at most kHeaderScanBytes + kLongestFrame bytes) and the last 128 bytes of a regular file;
// anything else (missing, unreadable, a directory or FIFO) gives an empty tag and no header.
AudioFileInfo ReadAudioInfo(const std::filesystem::path& file);

// The front cover in the ID3v2 tags at the start of a regular file, else their first picture;
// reads at most kId3v2PictureReadCap bytes of them in all, so it is for a thread other than the tick's.
std::optional<Id3v2Picture> ReadId3v2Picture(const std::filesystem::path& file);

// The eight lines of the file information menu.
std::vector<std::string> InformationLines(const AudioFileInfo& info, const std::filesystem::path& file,
                                          MediaTime duration);

}  // namespace felux
