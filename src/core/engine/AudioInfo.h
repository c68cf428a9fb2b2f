// MPEG audio file information: the ID3v1 tag, the first frame header and the information lines shown for them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace felux {

// UTF-8 texts; all empty when the file has no tag.
struct Id3Tag {
    std::string title;
    std::string artist;
    std::string album;
    std::string comment;
};

struct MpegHeader {
    int version = 1;      // 1 = MPEG-1, 2 = MPEG-2
    int layer = 3;        // 4 - the layer index; a reserved index 0 gives 4
    int bitrateKbps = 0;  // 0 for free format, the bad index 15 and the reserved layer
    int sampleRate = 0;   // as shown, in kHz: 44, 48, 32 or 22, 24, 16; 0 for the reserved index
    int channelMode = 0;  // 0 Stereo, 1 JointStereo, 2 DualChannel, 3 mono
};

struct AudioFileInfo {
    Id3Tag tag;
    std::optional<MpegHeader> header;
    std::optional<std::uintmax_t> fileLength;  // nullopt when the file could not be opened
};

inline constexpr std::size_t kId3v1Size = 128;
inline constexpr std::size_t kHeaderScanBytes = 1024;

// Only ".mp3" and ".rmp" files, in any letter case, carry this information.
bool HasMpegInfo(const std::filesystem::path& file);

// The tag in the last 128 bytes of `tail`; nullopt when shorter or without "TAG".
std::optional<Id3Tag> ParseId3v1(std::string_view tail);
// The first frame header whose four bytes lie within the first 1024 bytes of `head`.
std::optional<MpegHeader> FindMpegHeader(std::string_view head);
// "Mpeg-1 Layer3 128Kbit/s 44Hz (JointStereo)"; empty without a header.
std::string FormatMpegLine(const std::optional<MpegHeader>& header);

// Reads at most the first 1024 and the last 128 bytes of a regular file; anything else
// (missing, unreadable, a directory or FIFO) gives an empty tag and no header.
AudioFileInfo ReadAudioInfo(const std::filesystem::path& file);

// The eight lines of the file information menu; duration in 100 ns units.
std::vector<std::string> InformationLines(const AudioFileInfo& info, const std::filesystem::path& file,
                                          std::int64_t duration);

}  // namespace felux
