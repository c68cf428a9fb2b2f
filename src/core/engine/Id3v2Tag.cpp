// ID3v2 tags (versions 2.2 to 2.4) at the head of an MP3 file: how long they are, and their title, artist and album.
#include "engine/Id3v2Tag.h"

#include <algorithm>

#include "io/TextFile.h"

namespace felux {
namespace {

constexpr unsigned kFlagUnsynchronised = 0x80;
constexpr unsigned kFlagExtendedHeader = 0x40;  // in version 2.2: the whole tag is compressed
constexpr unsigned kFlagFooter = 0x10;

unsigned Byte(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

std::uint32_t BigEndian(std::string_view s, std::size_t at, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i) value = value << 8 | Byte(s, at + i);
    return value;
}

// Seven bits a byte; nullopt when a byte has its top bit set.
std::optional<std::uint32_t> Syncsafe(std::string_view s, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        if (Byte(s, at + i) & 0x80) return std::nullopt;
        value = value << 7 | Byte(s, at + i);
    }
    return value;
}

// Undoes unsynchronisation: the zero byte the writer put after every 0xFF goes.
std::string Resynchronised(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        out += s[i];
        if (Byte(s, i) == 0xFF && i + 1 < s.size() && s[i + 1] == '\0') ++i;
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Latin1(std::string_view s) {
    std::string out;
    for (const char c : s.substr(0, s.find('\0'))) AppendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

// Up to the first zero unit; an odd last byte is dropped, a lone surrogate becomes U+FFFD.
std::string Utf16(std::string_view s, bool bigEndian) {
    const auto unit = [&](std::size_t i) -> char32_t {
        return bigEndian ? Byte(s, i) << 8 | Byte(s, i + 1) : Byte(s, i + 1) << 8 | Byte(s, i);
    };
    std::string out;
    for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
        const char32_t u = unit(i);
        if (u == 0) break;
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < s.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, u >= 0xD800 && u < 0xE000 ? char32_t{0xFFFD} : u);
    }
    return out;
}

// Cut between two characters at or before the cap.
std::string Capped(std::string text) {
    if (text.size() <= kId3v2TextCap) return text;
    std::size_t cut = kId3v2TextCap;
    while (cut > 0 && (Byte(text, cut) & 0xC0) == 0x80) --cut;
    text.resize(cut);
    return text;
}

// A text frame's body: the encoding byte, then the text (version 2.4 may list several, zero
// separated; the first is taken).
std::string FrameText(std::string_view data) {
    if (data.empty()) return {};
    const std::string_view text = data.substr(1);
    switch (data[0]) {
        case 0: return Capped(Latin1(text));
        case 1: {
            const unsigned mark = text.size() >= 2 ? Byte(text, 0) << 8 | Byte(text, 1) : 0;
            if (mark == 0xFFFE) return Capped(Utf16(text.substr(2), false));
            if (mark == 0xFEFF) return Capped(Utf16(text.substr(2), true));
            // Without its byte order mark: the order UTF-16 defaults to.
            return Capped(Utf16(text, true));
        }
        case 2: return Capped(Utf16(text, true));
        // The program's own text rule: UTF-8 when valid, else the legacy code page.
        case 3: return Capped(io::ToUtf8(text.substr(0, text.find('\0'))));
        default: return {};
    }
}

std::string* Field(Id3v2Text& out, std::string_view id) {
    if (id == "TIT2" || id == "TT2") return &out.title;
    if (id == "TPE1" || id == "TP1") return &out.artist;
    if (id == "TALB" || id == "TAL") return &out.album;
    return nullptr;
}

bool ValidFrameId(std::string_view id) {
    for (const char c : id)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

// Where the frames begin in the body: after an extended header when there is one.
std::size_t FramesStart(std::string_view body, unsigned major, unsigned flags) {
    if (!(flags & kFlagExtendedHeader) || body.size() < 4) return 0;
    if (major == 3) return std::size_t{4} + BigEndian(body, 0, 4);
    return Syncsafe(body, 0).value_or(0xFFFFFFFFu);
}

// The part of a frame's data that holds its content; nullopt for compressed or encrypted frames.
std::optional<std::string> FrameContent(std::string_view data, unsigned major, unsigned frameFlags, unsigned tagFlags) {
    if (major == 3) {
        if (frameFlags & 0xC0) return std::nullopt;
        if (frameFlags & 0x20) data = data.substr(std::min<std::size_t>(1, data.size()));  // group id
        return std::string(data);
    }
    if (major == 4) {
        if (frameFlags & 0x0C) return std::nullopt;
        if (frameFlags & 0x40) data = data.substr(std::min<std::size_t>(1, data.size()));  // group id
        if (frameFlags & 0x01) data = data.substr(std::min<std::size_t>(4, data.size()));  // data length
        if ((frameFlags & 0x02) || (tagFlags & kFlagUnsynchronised)) return Resynchronised(data);
    }
    return std::string(data);
}

}  // namespace

std::optional<std::uint64_t> Id3v2TagSize(std::string_view bytes) {
    if (bytes.size() < kId3v2HeaderSize || bytes.substr(0, 3) != "ID3") return std::nullopt;
    const unsigned major = Byte(bytes, 3);
    if (major < 2 || major > 4 || Byte(bytes, 4) == 0xFF) return std::nullopt;
    const std::optional<std::uint32_t> body = Syncsafe(bytes, 6);
    if (!body) return std::nullopt;
    const bool footer = major == 4 && (Byte(bytes, 5) & kFlagFooter);
    return std::uint64_t{kId3v2HeaderSize} + *body + (footer ? kId3v2HeaderSize : 0);
}

Id3v2Text ParseId3v2(std::string_view tag) {
    Id3v2Text out;
    if (!Id3v2TagSize(tag)) return out;
    const unsigned major = Byte(tag, 3);
    const unsigned flags = Byte(tag, 5);
    if (major == 2 && (flags & kFlagExtendedHeader)) return out;  // compressed, with no scheme ever defined
    std::string_view body = tag.substr(kId3v2HeaderSize, *Syncsafe(tag, 6));
    // Before version 2.4 the frame sizes count the resynchronised bytes of the whole tag.
    std::string resynced;
    if (major < 4 && (flags & kFlagUnsynchronised)) {
        resynced = Resynchronised(body);
        body = resynced;
    }
    const std::size_t idLength = major == 2 ? 3 : 4;
    const std::size_t headerLength = major == 2 ? 6 : 10;
    std::size_t at = FramesStart(body, major, flags);
    while (at <= body.size() && body.size() - at >= headerLength) {
        const std::string_view id = body.substr(at, idLength);
        if (!ValidFrameId(id)) break;  // padding, or not a frame
        std::uint32_t size = 0;
        if (major == 2)
            size = BigEndian(body, at + 3, 3);
        else if (major == 3)
            size = BigEndian(body, at + 4, 4);
        else
            // Some writers put plain sizes in version 2.4 tags; a byte with its top bit set gives them away.
            size = Syncsafe(body, at + 4).value_or(BigEndian(body, at + 4, 4));
        const unsigned frameFlags = major == 2 ? 0 : Byte(body, at + 9);
        at += headerLength;
        if (size > body.size() - at) break;  // cut off at the read cap or the end of the file
        std::string* field = Field(out, id);
        if (field && field->empty()) {
            if (const auto content = FrameContent(body.substr(at, size), major, frameFlags, flags))
                *field = FrameText(*content);
        }
        at += size;
    }
    return out;
}

}  // namespace felux
