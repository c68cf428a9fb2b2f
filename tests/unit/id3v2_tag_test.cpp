// ID3v2 tags: sizes and footers, the three frame layouts, text encodings, unsynchronisation, cut data, pictures.
#include <gtest/gtest.h>

#include "engine/Id3v2Tag.h"

namespace felux {
namespace {

using namespace std::string_literals;

std::string Syncsafe(std::size_t n) {
    return {static_cast<char>(n >> 21 & 0x7F), static_cast<char>(n >> 14 & 0x7F), static_cast<char>(n >> 7 & 0x7F),
            static_cast<char>(n & 0x7F)};
}

std::string Plain(std::size_t n, std::size_t bytes) {
    std::string out;
    for (std::size_t i = bytes; i-- > 0;) out += static_cast<char>(n >> (8 * i) & 0xFF);
    return out;
}

std::string Frame(int major, const std::string& id, const std::string& data, char flags = 0) {
    if (major == 2) return id + Plain(data.size(), 3) + data;
    return id + (major == 3 ? Plain(data.size(), 4) : Syncsafe(data.size())) + std::string(1, '\0') + flags + data;
}

std::string Tag(int major, const std::string& frames, char flags = 0) {
    return "ID3" + std::string{static_cast<char>(major), '\0', flags} + Syncsafe(frames.size()) + frames;
}

std::string Utf16Le(std::u16string_view s) {
    std::string out;
    for (const char16_t c : s) out += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return out;
}

std::string Utf16Be(std::u16string_view s) {
    std::string out;
    for (const char16_t c : s) out += {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
    return out;
}

TEST(Id3v2Tag, SizeCountsHeaderBodyAndTheVersion24Footer) {
    EXPECT_EQ(Id3v2TagSize(Tag(3, std::string(300, '\0'))), 310u) << "a syncsafe size above 127";
    EXPECT_EQ(Id3v2TagSize(Tag(4, "", 0x10)), 20u) << "the footer";
    EXPECT_EQ(Id3v2TagSize(Tag(3, "", 0x10)), 10u) << "the same bit means nothing before 2.4";
    EXPECT_EQ(Id3v2TagSize("ID3\x04\0\0\x7f\x7f\x7f\x7f"s), 10u + 0x0FFFFFFFu) << "the largest size";
    EXPECT_FALSE(Id3v2TagSize("ID3\x03\0\0\0\0\x01\x80"s)) << "a size that is not syncsafe";
    EXPECT_FALSE(Id3v2TagSize(Tag(5, ""))) << "an unknown version";
    EXPECT_FALSE(Id3v2TagSize(Tag(1, "")));
    EXPECT_FALSE(Id3v2TagSize(Tag(3, "").substr(0, 9))) << "a header cut short";
    EXPECT_FALSE(Id3v2TagSize("TAG" + std::string(7, '\0')));
}

TEST(Id3v2Tag, ReadsEachVersionsFramesInEveryEncoding) {
    Id3v2Text t = ParseId3v2(Tag(2, Frame(2, "TT2", "\0Caf\xe9"s) + Frame(2, "TP1", "\0Band"s) +
                                        Frame(2, "TAL", "\0LP"s)));
    EXPECT_EQ(t.title, "Café") << "ISO-8859-1";
    EXPECT_EQ(t.artist, "Band");
    EXPECT_EQ(t.album, "LP");

    const std::string zeroEnded = "\x01\xff\xfe"s + Utf16Le(u"日本 \U0001F600") + "\0\0"s + Utf16Le(u"rest");
    t = ParseId3v2(Tag(3, Frame(3, "TIT2", zeroEnded) + Frame(3, "TPE1", "\x01\xfe\xff"s + Utf16Be(u"Bänd")) +
                              Frame(3, "TALB", "\x01"s + Utf16Be(u"No mark"))));
    EXPECT_EQ(t.title, "日本 \U0001F600") << "UTF-16 little-endian with a surrogate pair, up to its zero";
    EXPECT_EQ(t.artist, "Bänd") << "big-endian by its mark, no terminating zero";
    EXPECT_EQ(t.album, "No mark") << "without a mark: big-endian";

    const std::string longTitle = "\x03" + std::string(200, 'x');  // a syncsafe frame size above 127
    t = ParseId3v2(Tag(4, Frame(4, "TIT2", longTitle) + Frame(4, "TPE1", "\x02"s + Utf16Be(u"Ω") + "\x00"s) +
                              Frame(4, "TALB", "\x03One\0Two"s)));
    EXPECT_EQ(t.title, std::string(200, 'x'));
    EXPECT_EQ(t.artist, "Ω") << "UTF-16BE; an odd last byte is dropped";
    EXPECT_EQ(t.album, "One") << "the first of several values";

    t = ParseId3v2(Tag(3, Frame(3, "TIT2", "") + Frame(3, "TIT2", "\x01") + Frame(3, "TIT2", "\x09x") +
                              Frame(3, "TIT2", "\x01\xff\xfe\x00\xd8!\x00"s) + Frame(3, "TPE1", "\x03\x93\xfa"s)));
    EXPECT_EQ(t.title, "\xEF\xBF\xBD!") << "empty frames, an unknown encoding, then a lone surrogate";
    EXPECT_EQ(t.artist, "日") << "UTF-8 that is not valid falls back to the legacy code page";
}

TEST(Id3v2Tag, UndoesUnsynchronisationAndSkipsWhatItCannotRead) {
    // Version 2.3: the whole tag is unsynchronised and the frame size counts the restored bytes.
    std::string frames = Frame(3, "TIT2", "\x01\xff\xfe"s + Utf16Le(u"ÿA"));
    std::string unsynced;
    for (const char c : frames) {
        unsynced += c;
        if (c == '\xff') unsynced += '\0';
    }
    EXPECT_EQ(ParseId3v2(Tag(3, unsynced, '\x80')).title, "ÿA");

    // Version 2.4: per frame, with a data length indicator and a group byte; compressed frames are passed over.
    Id3v2Text t = ParseId3v2(Tag(4, Frame(4, "TIT2", "\x7f" + Plain(5, 4) + "\0\xff\0x"s, '\x43') +
                                        Frame(4, "TPE1", "\x03zipped"s, '\x08') + Frame(4, "TPE1", "\x03Plain"s)));
    EXPECT_EQ(t.title, "ÿx") << "0xFF 0x00 becomes 0xFF";
    EXPECT_EQ(t.artist, "Plain");

    const std::string extended = Plain(6, 4) + std::string(6, '\0');
    EXPECT_EQ(ParseId3v2(Tag(3, extended + Frame(3, "TALB", "\0A"s), '\x40')).album, "A") << "2.3 extended header";
    EXPECT_EQ(ParseId3v2(Tag(4, Syncsafe(6) + "\x01\x00"s + Frame(4, "TALB", "\0B"s), '\x40')).album, "B");
    EXPECT_EQ(ParseId3v2(Tag(2, Frame(2, "TT2", "\0C"s), '\x40')).title, "") << "a compressed 2.2 tag";
    EXPECT_EQ(ParseId3v2(Tag(4, "TIT2" + std::string{'\0', '\0', '\0', '\x8a', '\0', '\0'} + "\x03" +
                                    std::string(137, 'p')))
                  .title,
              std::string(137, 'p'))
        << "a plain size in a 2.4 frame";

    // Padding ends the frames; a frame cut off by the read is not read.
    const std::string tag = Tag(3, Frame(3, "TIT2", "\0T"s) + std::string(4, '\0') + Frame(3, "TPE1", "\0A"s));
    EXPECT_EQ(ParseId3v2(tag).artist, "");
    const std::string cut = Tag(3, Frame(3, "TIT2", "\0Title"s));
    EXPECT_EQ(ParseId3v2(cut).title, "Title");
    EXPECT_EQ(ParseId3v2(cut.substr(0, cut.size() - 1)).title, "");
    EXPECT_EQ(ParseId3v2(Tag(3, std::string(12, '\0')).substr(0, 10) + Frame(3, "TIT2", "\0Title"s)).title, "")
        << "a frame past the size the header gives is not the tag's";
}

TEST(Id3v2Tag, LongTextsAreCutBetweenCharacters) {
    const std::string text = "\x03" + std::string(kId3v2TextCap - 1, 'a') + "é";
    const Id3v2Text t = ParseId3v2(Tag(4, Frame(4, "TIT2", text) + Frame(4, "TALB", "\x03" + std::string(5000, 'b'))));
    EXPECT_EQ(t.title, std::string(kId3v2TextCap - 1, 'a')) << "a two-byte character at the cap goes whole";
    EXPECT_EQ(t.album.size(), kId3v2TextCap);
}

const std::string kJpeg = "\xff\xd8\xff\xe0\0\x10JFIF\0\xff\xd9"s;
const std::string kPng = "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR"s;

// An APIC frame's content: encoding, MIME type, picture type, description (already terminated), data.
std::string Apic(char encoding, const std::string& mime, char type, const std::string& description,
                 const std::string& data) {
    return std::string(1, encoding) + mime + '\0' + type + description + data;
}

std::string Unsynchronised(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        out += c;
        if (c == '\xff') out += '\0';
    }
    return out;
}

TEST(Id3v2Picture, TheFrontCoverWinsInEveryVersionsLayout) {
    std::optional<Id3v2Picture> p = ParseId3v2Picture(
        Tag(3, Frame(3, "TIT2", "\0T"s) + Frame(3, "APIC", Apic(0, "image/png", 0, "other\0"s, kPng)) +
                   Frame(3, "APIC", Apic(0, "image/jpeg", 3, "front\0"s, kJpeg))));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->format, ImageFormat::Jpeg);
    EXPECT_EQ(p->type, kFrontCover);
    EXPECT_EQ(p->data, kJpeg);

    p = ParseId3v2Picture(Tag(4, Frame(4, "APIC", Apic(3, "IMAGE/JPG", 4, "日本\0"s, kJpeg)) +
                                     Frame(4, "APIC", Apic(3, "image/png", 0, "\0"s, kPng))));
    ASSERT_TRUE(p) << "without a front cover the first; a MIME type in any letter case";
    EXPECT_EQ(p->type, 4);
    EXPECT_EQ(p->data, kJpeg);

    p = ParseId3v2Picture(Tag(2, Frame(2, "PIC", "\0PNG\x03"s + "cover\0"s + kPng)));
    ASSERT_TRUE(p) << "version 2.2 names the format in three letters";
    EXPECT_EQ(p->format, ImageFormat::Png);
    EXPECT_EQ(p->data, kPng);
    EXPECT_FALSE(ParseId3v2Picture(Tag(2, Frame(2, "PIC", "\0GIF\x03\0GIF89a"s))));
    EXPECT_FALSE(ParseId3v2Picture(Tag(3, Frame(3, "TIT2", "\0T"s))));
}

TEST(Id3v2Picture, TheDescriptionEndsAtItsEncodingsTerminator) {
    // "A\u0100" in UTF-16LE holds two zero bytes astride its two units: 41 00 | 00 01.
    const std::string utf16 = "\xff\xfe" + Utf16Le(u"A\u0100") + "\0\0"s;
    std::optional<Id3v2Picture> p = ParseId3v2Picture(Tag(3, Frame(3, "APIC", Apic(1, "image/png", 3, utf16, kPng))));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->data, kPng);
    p = ParseId3v2Picture(Tag(4, Frame(4, "APIC", Apic(2, "image/png", 3, Utf16Be(u"\u0100") + "\0\0"s, kPng))));
    ASSERT_TRUE(p) << "UTF-16BE without a mark";
    EXPECT_EQ(p->data, kPng);

    EXPECT_FALSE(ParseId3v2Picture(Tag(3, Frame(3, "APIC", Apic(0, "image/jpeg", 3, "no end", kJpeg)))))
        << "a description without its terminator";
    EXPECT_FALSE(ParseId3v2Picture(Tag(3, Frame(3, "APIC", "\0image/jpeg"s))))
        << "a MIME type without its terminator";
    EXPECT_FALSE(ParseId3v2Picture(Tag(3, Frame(3, "APIC", "\0image/jpeg\0"s)))) << "no picture type";
    EXPECT_FALSE(ParseId3v2Picture(Tag(3, Frame(3, "APIC", Apic(0, "image/jpeg", 3, "\0"s, "")))))
        << "no picture";
    EXPECT_FALSE(ParseId3v2Picture(Tag(3, Frame(3, "APIC", Apic(4, "image/jpeg", 3, "\0"s, kJpeg)))))
        << "an unknown encoding";
}

TEST(Id3v2Picture, PicturesThatLieOrDoNotFitArePassedOver) {
    std::optional<Id3v2Picture> p =
        ParseId3v2Picture(Tag(3, Frame(3, "APIC", Apic(0, "image/png", 3, "\0"s, kJpeg)) +
                                     Frame(3, "APIC", Apic(0, "image/gif", 3, "\0"s, "GIF89a")) +
                                     Frame(3, "APIC", Apic(0, "image/jpeg", 6, "\0"s, kJpeg))));
    ASSERT_TRUE(p) << "a front cover whose bytes are not its type's gives way to the next good picture";
    EXPECT_EQ(p->type, 6);

    // The frame ends exactly where the tag does; one byte less and it is not read.
    const std::string tag = Tag(3, Frame(3, "APIC", Apic(0, "image/jpeg", 3, "\0"s, kJpeg)));
    EXPECT_TRUE(ParseId3v2Picture(tag));
    EXPECT_FALSE(ParseId3v2Picture(tag.substr(0, tag.size() - 1)));
    EXPECT_FALSE(ParseId3v2Picture(Tag(4, "APIC" + Syncsafe(0x0FFFFFFF) + "\0\0"s + Apic(3, "image/png", 3, "\0"s, kPng))))
        << "a frame size past the tag's end";

    const std::string atCap = kPng + std::string(kId3v2PictureCap - kPng.size(), 'p');
    p = ParseId3v2Picture(Tag(4, Frame(4, "APIC", Apic(0, "image/png", 3, "\0"s, atCap))));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->data.size(), kId3v2PictureCap);
    EXPECT_FALSE(ParseId3v2Picture(Tag(4, Frame(4, "APIC", Apic(0, "image/png", 3, "\0"s, atCap + "p")))))
        << "one byte over the cap: passed over, not cut";
}

TEST(Id3v2Picture, UnsynchronisedPicturesAreRestored) {
    const std::string frame = Frame(3, "APIC", Apic(0, "image/jpeg", 3, "\0"s, kJpeg));
    std::optional<Id3v2Picture> p = ParseId3v2Picture(Tag(3, Unsynchronised(frame), '\x80'));
    ASSERT_TRUE(p) << "version 2.3: the whole tag";
    EXPECT_EQ(p->data, kJpeg);

    // Version 2.4: the frame's own flags, with the length of the restored data before it.
    const std::string content = Apic(0, "image/jpeg", 3, "\0"s, kJpeg);
    p = ParseId3v2Picture(Tag(4, Frame(4, "APIC", Plain(content.size(), 4) + Unsynchronised(content), '\x03')));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->data, kJpeg);
    EXPECT_FALSE(ParseId3v2Picture(Tag(4, Frame(4, "APIC", content, '\x08')))) << "compressed";
}

}  // namespace
}  // namespace felux
