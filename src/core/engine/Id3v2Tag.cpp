// ID3v2 tags (versions 2.2 to 2.4) at the head of an MP3 file: their length, title, artist, album and cover picture.
#include "engine/Id3v2Tag.h"

#include <algorithm>

#include "engine/PictureBlock.h"
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

struct FrameView {
    std::string_view id;
    std::string_view data;
    unsigned major = 0;
    unsigned flags = 0;
    unsigned tagFlags = 0;
};

// The part of a frame's data that holds its content; nullopt for compressed or encrypted frames.
std::optional<std::string> FrameContent(const FrameView& frame) {
    std::string_view data = frame.data;
    if (frame.major == 3) {
        if (frame.flags & 0xC0) return std::nullopt;
        if (frame.flags & 0x20) data = data.substr(std::min<std::size_t>(1, data.size()));  // group id
        return std::string(data);
    }
    if (frame.major == 4) {
        if (frame.flags & 0x0C) return std::nullopt;
        if (frame.flags & 0x40) data = data.substr(std::min<std::size_t>(1, data.size()));  // group id
        if (frame.flags & 0x01) data = data.substr(std::min<std::size_t>(4, data.size()));  // data length
        if ((frame.flags & 0x02) || (frame.tagFlags & kFlagUnsynchronised)) return Resynchronised(data);
    }
    return std::string(data);
}

// Hands each frame that lies wholly within `tag` to visit, in order, until visit returns false.
template <typename Visit>
void ForEachFrame(std::string_view tag, Visit visit) {
    if (!Id3v2TagSize(tag)) return;
    const unsigned major = Byte(tag, 3);
    const unsigned flags = Byte(tag, 5);
    if (major == 2 && (flags & kFlagExtendedHeader)) return;  // compressed, with no scheme ever defined
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
        if (!visit(FrameView{id, body.substr(at, size), major, frameFlags, flags})) return;
        at += size;
    }
}

// Where the data after a zero-terminated string that starts at `from` begins; npos without the
// terminator. In UTF-16 the terminator is a zero unit, two zero bytes on a unit's boundary.
std::size_t AfterTerminator(std::string_view s, std::size_t from, unsigned encoding) {
    if (encoding == 1 || encoding == 2) {
        for (std::size_t i = from; i + 1 < s.size(); i += 2)
            if (s[i] == '\0' && s[i + 1] == '\0') return i + 2;
        return std::string_view::npos;
    }
    const std::size_t zero = s.find('\0', from);
    return zero == std::string_view::npos ? zero : zero + 1;
}

// An APIC frame's content (version 2.2's PIC when `threeLetterFormat`): the encoding byte, the MIME
// type (or the format's three letters), the picture type, the description and the picture.
// The picture is moved out of `content`.
std::optional<Id3v2Picture> PictureFrame(std::string& content, bool threeLetterFormat) {
    const std::string_view frame = content;
    if (frame.empty() || Byte(frame, 0) > 3) return std::nullopt;
    const unsigned encoding = Byte(frame, 0);
    std::optional<ImageFormat> format;
    std::size_t at = 0;
    if (threeLetterFormat) {
        if (frame.size() < 4) return std::nullopt;
        format = ImageFormatNamed(frame.substr(1, 3));
        at = 4;
    } else {
        const std::size_t end = frame.find('\0', 1);
        if (end == std::string_view::npos) return std::nullopt;
        format = ImageFormatNamed(frame.substr(1, end - 1));
        at = end + 1;
    }
    if (!format || at >= frame.size()) return std::nullopt;
    const int type = static_cast<int>(Byte(frame, at));
    const std::size_t start = AfterTerminator(frame, at + 1, encoding);
    if (start == std::string_view::npos || frame.size() - start > kId3v2PictureCap) return std::nullopt;
    if (ImageFormatOf(frame.substr(start)) != format) return std::nullopt;
    content.erase(0, start);
    return Id3v2Picture{*format, type, std::move(content)};
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
    ForEachFrame(tag, [&out](const FrameView& frame) {
        std::string* field = Field(out, frame.id);
        if (field && field->empty()) {
            if (const auto content = FrameContent(frame)) *field = FrameText(*content);
        }
        return true;
    });
    return out;
}

std::optional<Id3v2Picture> ParseId3v2Picture(std::string_view tag) {
    std::optional<Id3v2Picture> chosen;
    ForEachFrame(tag, [&chosen](const FrameView& frame) {
        if (frame.id != "APIC" && frame.id != "PIC") return true;
        std::optional<std::string> content = FrameContent(frame);
        if (!content) return true;
        std::optional<Id3v2Picture> picture = PictureFrame(*content, frame.major == 2);
        if (!picture) return true;
        const bool front = picture->type == kFrontCover;
        if (front || !chosen) chosen = std::move(picture);
        return !front;
    });
    return chosen;
}

}  // namespace felux
