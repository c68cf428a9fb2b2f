// The cover picture in an Ogg Vorbis, Opus or FLAC stream's comments (METADATA_BLOCK_PICTURE).
#include "engine/OggPicture.h"

#include <algorithm>
#include <cstdint>

namespace felux {
namespace {

constexpr std::size_t kPageHeaderSize = 27;
constexpr unsigned kLastPacketDone = 255;  // a lacing value below it ends a packet
// Pages are searched up to this far into the stream; a comment header lies well before.
constexpr std::uint64_t kOggScanCap = 2 * kOggCommentCap;

int Base64Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

bool NameIs(std::string_view field, std::string_view name) {
    const std::size_t eq = field.find('=');
    if (eq != name.size()) return false;
    return std::equal(name.begin(), name.end(), field.begin(), [](char a, char b) {
        return a == (b >= 'a' && b <= 'z' ? static_cast<char>(b - 'a' + 'A') : b);
    });
}

// Where the comments start after the packet's own header; npos for another packet.
std::size_t CommentsStart(std::string_view packet) {
    if (packet.starts_with("OpusTags")) return 8;
    if (packet.starts_with("\x03vorbis")) return 7;
    if (!packet.empty() && (static_cast<unsigned char>(packet[0]) & 0x7F) == 4) return 4;  // FLAC
    return std::string_view::npos;
}

}  // namespace

std::optional<std::string> DecodeBase64(std::string_view text) {
    while (text.ends_with('=')) text.remove_suffix(1);
    if (text.size() % 4 == 1) return std::nullopt;
    std::string out;
    out.reserve(text.size() / 4 * 3 + 2);
    std::uint32_t bits = 0;
    int held = 0;
    for (const char c : text) {
        const int value = Base64Value(c);
        if (value < 0) return std::nullopt;
        bits = (bits << 6 | static_cast<std::uint32_t>(value)) & 0xFFFFFF;
        held += 6;
        if (held >= 8) {
            held -= 8;
            out.push_back(static_cast<char>(bits >> held & 0xFF));
        }
    }
    return out;
}

std::optional<Id3v2Picture> ParseOggComments(std::string_view packet) {
    std::size_t at = CommentsStart(packet);
    if (at == std::string_view::npos) return std::nullopt;
    const auto take = [&packet, &at]() -> std::optional<std::string_view> {
        if (packet.size() - at < 4) return std::nullopt;
        const std::uint32_t length = ReadLittleEndian32(packet, at);
        at += 4;
        if (length > packet.size() - at) return std::nullopt;
        const std::string_view out = packet.substr(at, length);
        at += length;
        return out;
    };
    if (at > packet.size() || !take() || packet.size() - at < 4) return std::nullopt;  // the vendor
    std::uint32_t count = ReadLittleEndian32(packet, at);
    at += 4;
    std::optional<Id3v2Picture> chosen;
    for (; count > 0; --count) {
        const std::optional<std::string_view> field = take();
        if (!field) break;  // cut at the cap or lying about its length
        if (!NameIs(*field, "METADATA_BLOCK_PICTURE")) continue;
        const std::optional<std::string> block = DecodeBase64(field->substr(field->find('=') + 1));
        if (block && KeepPicture(chosen, ParsePictureBlock(*block))) break;
    }
    return chosen;
}

std::optional<Id3v2Picture> ReadOggPicture(const ByteSource& source) {
    std::uint64_t at = 0;
    std::optional<std::uint32_t> serial;
    std::string packet;
    int packetIndex = 0;
    while (at < std::min(source.size, kOggScanCap)) {
        const std::string header = source.read(at, kPageHeaderSize);
        if (header.size() < kPageHeaderSize || !header.starts_with("OggS")) break;
        const std::uint32_t pageSerial = ReadLittleEndian32(header, 14);
        const auto segments = static_cast<std::size_t>(static_cast<unsigned char>(header[26]));
        const std::string lacing = source.read(at + kPageHeaderSize, segments);
        if (lacing.size() < segments) break;
        std::size_t payloadSize = 0;
        for (const char c : lacing) payloadSize += static_cast<unsigned char>(c);
        const std::uint64_t payloadAt = at + kPageHeaderSize + segments;
        at = payloadAt + payloadSize;
        if (!serial) serial = pageSerial;
        if (pageSerial != *serial) continue;  // another stream of the same file
        const std::string payload = source.read(payloadAt, payloadSize);
        std::size_t from = 0;
        for (const char c : lacing) {
            const auto length = static_cast<std::size_t>(static_cast<unsigned char>(c));
            if (packetIndex == 1) packet.append(payload, std::min(from, payload.size()), length);
            from += length;
            if (packetIndex == 1 && (length < kLastPacketDone || packet.size() >= kOggCommentCap))
                return ParseOggComments(std::string_view(packet).substr(0, kOggCommentCap));
            if (length < kLastPacketDone) ++packetIndex;
        }
    }
    // The stream ends within the comment header: what there is of it is read.
    return packetIndex == 1 ? ParseOggComments(packet) : std::nullopt;
}

}  // namespace felux
