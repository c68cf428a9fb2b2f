// MPEG audio file information: the ID3v1 tag, the first frame header and the information lines shown for them.
#include "engine/AudioInfo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>

#include "io/TextFile.h"

namespace felux {
namespace {

constexpr std::size_t kFieldSize = 30;

// Rows: bitrate index 0..15 (0 = free format, 15 = bad, both shown as 0).
constexpr std::array<std::array<int, 16>, 3> kMpeg1Bitrates{{
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},  // Layer 1
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},     // Layer 2
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},      // Layer 3
}};
constexpr std::array<std::array<int, 16>, 2> kMpeg2Bitrates{{
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},  // Layer 1
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},       // Layers 2 and 3
}};
constexpr std::array<int, 4> kMpeg1Rates{44, 48, 32, 0};
constexpr std::array<int, 4> kMpeg2Rates{22, 24, 16, 0};
constexpr std::array<const char*, 4> kChannelModes{"Stereo", "JointStereo", "DualChannel", "Momoral"};

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

int Bitrate(int version, int layer, int index) {
    if (layer < 1 || layer > 3) return 0;
    const auto row = static_cast<std::size_t>(index);
    if (version == 1) return kMpeg1Bitrates[static_cast<std::size_t>(layer - 1)][row];
    return kMpeg2Bitrates[layer == 1 ? 0 : 1][row];
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

std::optional<MpegHeader> FindMpegHeader(std::string_view head) {
    head = head.substr(0, kHeaderScanBytes);
    for (std::size_t i = 0; i + 4 <= head.size(); ++i) {
        const auto b0 = static_cast<unsigned char>(head[i]);
        const auto b1 = static_cast<unsigned char>(head[i + 1]);
        if (b0 != 0xFF || b1 < 0xF0) continue;
        const auto b2 = static_cast<unsigned char>(head[i + 2]);
        const auto b3 = static_cast<unsigned char>(head[i + 3]);
        MpegHeader header;
        header.version = (b1 & 0x08) ? 1 : 2;
        header.layer = 4 - ((b1 >> 1) & 0x03);
        header.bitrateKbps = Bitrate(header.version, header.layer, b2 >> 4);
        const auto rateIndex = static_cast<std::size_t>((b2 >> 2) & 0x03);
        header.sampleRate = header.version == 1 ? kMpeg1Rates[rateIndex] : kMpeg2Rates[rateIndex];
        header.channelMode = b3 >> 6;
        return header;
    }
    return std::nullopt;
}

std::string FormatMpegLine(const std::optional<MpegHeader>& header) {
    if (!header) return {};
    char line[96];
    std::snprintf(line, sizeof line, "Mpeg-%d Layer%d %dKbit/s %dHz (%s)", header->version, header->layer,
                  header->bitrateKbps, header->sampleRate,
                  kChannelModes[static_cast<std::size_t>(header->channelMode & 0x03)]);
    return line;
}

AudioFileInfo ReadAudioInfo(const std::filesystem::path& file) {
    AudioFileInfo info;
    // O_NONBLOCK so that a FIFO named ".mp3" never waits for a writer.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return info;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        const auto size = static_cast<std::uintmax_t>(st.st_size);
        info.fileLength = size;
        std::string bytes;
        if (size >= kId3v1Size && ReadAt(fd, bytes, kId3v1Size, st.st_size - static_cast<off_t>(kId3v1Size)))
            info.tag = ParseId3v1(bytes).value_or(Id3Tag{});
        ReadAt(fd, bytes, static_cast<std::size_t>(std::min<std::uintmax_t>(size, kHeaderScanBytes)), 0);
        info.header = FindMpegHeader(bytes);
    }
    ::close(fd);
    return info;
}

std::vector<std::string> InformationLines(const AudioFileInfo& info, const std::filesystem::path& file,
                                          std::int64_t duration) {
    std::string folder = file.parent_path().string();
    if (!folder.empty() && folder.back() != '/') folder += '/';
    const std::int64_t seconds = std::max<std::int64_t>(duration, 0) / 10'000'000;
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
