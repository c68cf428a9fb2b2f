// MPEG audio file information: the ID3 tags, the first frame header and the information lines shown for them.
#include "engine/AudioInfo.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <utility>

#include "engine/Id3v2Tag.h"
#include "io/TextFile.h"

namespace felux {
namespace {

constexpr std::size_t kFieldSize = 30;

// Rows: bitrate index 1..14; index 0 (free format) and 15 (bad) are not taken.
constexpr std::array<std::array<int, 16>, 3> kMpeg1Bitrates{{
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},  // Layer 1
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},     // Layer 2
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},      // Layer 3
}};
// MPEG-2 and MPEG-2.5 share these.
constexpr std::array<std::array<int, 16>, 2> kMpeg2Bitrates{{
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},  // Layer 1
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},       // Layers 2 and 3
}};
constexpr std::array<int, 3> kMpeg1Rates{44100, 48000, 32000};
constexpr std::array<int, 3> kMpeg2Rates{22050, 24000, 16000};
constexpr std::array<int, 3> kMpeg25Rates{11025, 12000, 8000};
constexpr std::array<const char*, 4> kChannelModes{"Stereo", "JointStereo", "DualChannel", "Monaural"};

struct Frame {
    MpegHeader header;
    std::size_t length = 0;
    unsigned char versionAndLayer = 0;  // the bits of the second header byte a stream keeps
    unsigned char rateIndex = 0;
};

// The frame whose header begins at `at`; nullopt for anything reserved, free format or the bad bitrate.
std::optional<Frame> FrameAt(std::string_view s, std::size_t at) {
    if (s.size() < 4 || at > s.size() - 4) return std::nullopt;
    const auto b0 = static_cast<unsigned char>(s[at]);
    const auto b1 = static_cast<unsigned char>(s[at + 1]);
    const auto b2 = static_cast<unsigned char>(s[at + 2]);
    const auto b3 = static_cast<unsigned char>(s[at + 3]);
    if (b0 != 0xFF || (b1 & 0xE0) != 0xE0) return std::nullopt;
    const unsigned versionBits = (b1 >> 3) & 0x03;
    const unsigned layerBits = (b1 >> 1) & 0x03;
    const unsigned bitrateIndex = b2 >> 4;
    const unsigned rateIndex = (b2 >> 2) & 0x03;
    if (versionBits == 1 || layerBits == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3 ||
        (b3 & 0x03) == 2)
        return std::nullopt;
    Frame f;
    f.versionAndLayer = b1 & 0x1E;
    f.rateIndex = static_cast<unsigned char>(rateIndex);
    MpegHeader& h = f.header;
    h.version = versionBits == 3 ? MpegVersion::Mpeg1 : versionBits == 2 ? MpegVersion::Mpeg2 : MpegVersion::Mpeg25;
    h.layer = 4 - static_cast<int>(layerBits);
    const bool mpeg1 = h.version == MpegVersion::Mpeg1;
    h.bitrateKbps = mpeg1 ? kMpeg1Bitrates[static_cast<std::size_t>(h.layer - 1)][bitrateIndex]
                          : kMpeg2Bitrates[h.layer == 1 ? 0 : 1][bitrateIndex];
    const auto& rates = mpeg1 ? kMpeg1Rates : h.version == MpegVersion::Mpeg2 ? kMpeg2Rates : kMpeg25Rates;
    const int rate = rates[rateIndex];
    h.sampleRate = rate / 1000;
    h.channelMode = b3 >> 6;
    const int padding = (b2 >> 1) & 0x01;
    const int bits = h.bitrateKbps * 1000;
    int length = 0;
    if (h.layer == 1)
        length = (12 * bits / rate + padding) * 4;
    else if (h.layer == 2 || mpeg1)
        length = 144 * bits / rate + padding;
    else
        length = 72 * bits / rate + padding;
    f.length = static_cast<std::size_t>(length);
    return f;
}

// An encoder's Xing, Info or VBRI frame holds the stream's length and seek table, not sound; its
// header carries whatever bitrate fits the table, so the stream is told by the frame after it.
bool IsEncoderInfoFrame(std::string_view s, std::size_t at, const Frame& f) {
    if (f.header.layer != 3) return false;
    const bool mono = f.header.channelMode == 3;
    const std::size_t sideInfo = f.header.version == MpegVersion::Mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    const std::string_view frame = s.substr(at, f.length);
    const auto tagAt = [&](std::size_t offset) { return frame.substr(std::min(offset, frame.size()), 4); };
    return tagAt(4 + sideInfo) == "Xing" || tagAt(4 + sideInfo) == "Info" || tagAt(36) == "VBRI";
}

// The field's last byte is its padding. The text keeps one byte after the last byte that is
// neither padding nor a line feed, so space padding leaves one trailing space; zero padding
// leaves a zero byte, where the text ends.
std::string TagField(std::string_view field) {
    const char pad = field.back();
    std::size_t length = 1;
    for (std::size_t i = field.size() - 1; i-- > 0;) {
        if (field[i] != pad && field[i] != '\n') {
            length = i + 2;
            break;
        }
    }
    std::string_view text = field.substr(0, length);
    text = text.substr(0, text.find('\0'));
    return io::ToUtf8(text);
}

bool ReadAt(int fd, std::string& out, std::size_t count, off_t offset) {
    out.resize(count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::pread(fd, out.data() + got, count - got, offset + static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    out.resize(got);
    return got == count;
}

// Reads the ID3v2 tags in a row at the start of the file into `text`, the first tag that has a
// text giving it; returns where the audio begins.
std::uintmax_t ReadId3v2Tags(int fd, std::uintmax_t size, Id3v2Text& text) {
    std::string bytes;
    std::uintmax_t end = 0;
    for (int n = 0; n < kMaxId3v2Tags && end < size; ++n) {
        const auto at = static_cast<off_t>(end);
        if (!ReadAt(fd, bytes, kId3v2HeaderSize, at)) break;
        const std::optional<std::uint64_t> tagSize = Id3v2TagSize(bytes);
        if (!tagSize) break;
        const std::uintmax_t readable = std::min<std::uintmax_t>({*tagSize, kId3v2ReadCap, size - end});
        ReadAt(fd, bytes, static_cast<std::size_t>(readable), at);
        Id3v2Text found = ParseId3v2(bytes);
        if (text.title.empty()) text.title = std::move(found.title);
        if (text.artist.empty()) text.artist = std::move(found.artist);
        if (text.album.empty()) text.album = std::move(found.album);
        end += *tagSize;
    }
    return end;
}

}  // namespace

bool HasMpegInfo(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return ext == ".mp3" || ext == ".rmp";
}

std::optional<Id3Tag> ParseId3v1(std::string_view tail) {
    if (tail.size() < kId3v1Size) return std::nullopt;
    const std::string_view tag = tail.substr(tail.size() - kId3v1Size);
    if (tag.substr(0, 3) != "TAG") return std::nullopt;
    return Id3Tag{TagField(tag.substr(3, kFieldSize)), TagField(tag.substr(33, kFieldSize)),
                  TagField(tag.substr(63, kFieldSize)), TagField(tag.substr(97, kFieldSize))};
}

std::optional<MpegHeader> FindMpegHeader(std::string_view audio) {
    const std::size_t starts = std::min(audio.size(), kHeaderScanBytes);
    for (std::size_t i = 0; i < starts; ++i) {
        const std::optional<Frame> frame = FrameAt(audio, i);
        if (!frame) continue;
        const std::size_t next = i + frame->length;
        if (next == audio.size()) return frame->header;
        const std::optional<Frame> following = FrameAt(audio, next);
        if (following && following->versionAndLayer == frame->versionAndLayer &&
            following->rateIndex == frame->rateIndex)
            return IsEncoderInfoFrame(audio, i, *frame) ? following->header : frame->header;
    }
    return std::nullopt;
}

std::string FormatMpegLine(const std::optional<MpegHeader>& header) {
    if (!header) return {};
    const char* version = header->version == MpegVersion::Mpeg1   ? "1"
                          : header->version == MpegVersion::Mpeg2 ? "2"
                                                                  : "2.5";
    char line[96];
    std::snprintf(line, sizeof line, "Mpeg-%s Layer%d %dKbit/s %dHz (%s)", version, header->layer,
                  header->bitrateKbps, header->sampleRate,
                  kChannelModes[static_cast<std::size_t>(header->channelMode & 0x03)]);
    return line;
}

AudioFileInfo ReadAudioInfo(const std::filesystem::path& file) {
    AudioFileInfo info;
    const auto opened = io::OpenRegularFile(file);
    if (!opened) return info;
    const auto [fd, size] = *opened;
    info.fileLength = size;
    std::string bytes;
    std::uintmax_t audioEnd = size;
    if (size >= kId3v1Size && ReadAt(fd, bytes, kId3v1Size, static_cast<off_t>(size - kId3v1Size))) {
        if (auto tag = ParseId3v1(bytes)) {
            info.tag = std::move(*tag);
            audioEnd -= kId3v1Size;
        }
    }
    Id3v2Text text;
    const std::uintmax_t audioStart = ReadId3v2Tags(fd, size, text);
    if (!text.title.empty()) info.tag.title = std::move(text.title);
    if (!text.artist.empty()) info.tag.artist = std::move(text.artist);
    if (!text.album.empty()) info.tag.album = std::move(text.album);
    if (audioStart < audioEnd) {
        const std::uintmax_t wanted = std::min<std::uintmax_t>(audioEnd - audioStart, kHeaderScanBytes + kLongestFrame);
        ReadAt(fd, bytes, static_cast<std::size_t>(wanted), static_cast<off_t>(audioStart));
        info.header = FindMpegHeader(bytes);
    }
    ::close(fd);
    return info;
}

std::optional<Id3v2Picture> ReadId3v2Picture(const std::filesystem::path& file) {
    const auto opened = io::OpenRegularFile(file);
    if (!opened) return std::nullopt;
    const auto [fd, size] = *opened;
    std::optional<Id3v2Picture> chosen;
    std::string bytes;
    std::uintmax_t end = 0;
    std::size_t budget = kId3v2PictureReadCap;
    for (int n = 0; n < kMaxId3v2Tags && end < size && budget > 0; ++n) {
        const auto at = static_cast<off_t>(end);
        if (!ReadAt(fd, bytes, kId3v2HeaderSize, at)) break;
        const std::optional<std::uint64_t> tagSize = Id3v2TagSize(bytes);
        if (!tagSize) break;
        const auto readable = static_cast<std::size_t>(std::min<std::uintmax_t>({*tagSize, budget, size - end}));
        ReadAt(fd, bytes, readable, at);
        budget -= readable;
        std::optional<Id3v2Picture> found = ParseId3v2Picture(bytes);
        if (found && (!chosen || found->type == kFrontCover)) chosen = std::move(found);
        if (chosen && chosen->type == kFrontCover) break;
        end += *tagSize;
    }
    ::close(fd);
    return chosen;
}

std::vector<std::string> InformationLines(const AudioFileInfo& info, const std::filesystem::path& file,
                                          MediaTime duration) {
    std::string folder = file.parent_path().string();
    if (!folder.empty() && folder.back() != '/') folder += '/';
    const std::int64_t seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::max(duration, MediaTime{})).count();
    char total[64];
    std::snprintf(total, sizeof total, "TotalTime\xEF\xBC\x9A[%lld:%02d:%02d]", static_cast<long long>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    return {"Title    : " + info.tag.title,
            "Artist   : " + info.tag.artist,
            "Album    : " + info.tag.album,
            "Comment  : " + info.tag.comment,
            FormatMpegLine(info.header),
            "FileName : " + file.stem().string(),
            "FilePath : " + folder,
            total};
}

}  // namespace felux
