// MPEG audio information: ID3v1 fields and their padding, ID3v2 tags before the audio, the first frame header,
// the lines shown, bad files, the cover picture.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TempFolder.h"
#include "engine/AudioInfo.h"
#include "engine/Id3v2Tag.h"

namespace felux {
namespace {

using namespace std::string_literals;

std::string Field(std::string text, char pad) {
    text.resize(30, pad);
    return text;
}

std::string Tag(const std::string& title, const std::string& artist = std::string(30, '\0'),
                const std::string& album = std::string(30, '\0'), const std::string& comment = std::string(30, '\0')) {
    return "TAG" + title + artist + album + "1999" + comment + '\x0c';
}

std::string Header(unsigned char b1, unsigned char b2, unsigned char b3) {
    return std::string{'\xff', static_cast<char>(b1), static_cast<char>(b2), static_cast<char>(b3)};
}

// A whole frame of `length` bytes.
std::string Frame(unsigned char b1, unsigned char b2, unsigned char b3, std::size_t length) {
    return Header(b1, b2, b3) + std::string(length - 4, '\0');
}

// Two frames of 128 kbit/s, 44.1 kHz, Layer 3, joint stereo: 417 bytes each.
std::string Frames() { return Frame(0xFB, 0x90, 0x44, 417) + Frame(0xFB, 0x90, 0x44, 417); }
constexpr const char* kFramesLine = "Mpeg-1 Layer3 128Kbit/s 44Hz (JointStereo)";

std::string Syncsafe(std::size_t n) {
    return {static_cast<char>(n >> 21 & 0x7F), static_cast<char>(n >> 14 & 0x7F), static_cast<char>(n >> 7 & 0x7F),
            static_cast<char>(n & 0x7F)};
}

std::string V2Frame(const std::string& id, const std::string& data) {
    const auto n = data.size();
    return id + std::string{static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8),
                            static_cast<char>(n), '\0', '\0'} + data;
}

std::string V2Tag(const std::string& frames, char major = 3, char flags = 0, std::size_t size = 0) {
    return "ID3" + std::string{major, '\0', flags} + Syncsafe(size ? size : frames.size()) + frames;
}

TEST(AudioInfo, TagFieldsFollowThePaddingRule) {
    auto tag = ParseId3v1(Tag(Field("Song", ' '), Field("Band", '\0'), std::string(30, ' '),
                              std::string(29, 'x') + "y"));
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->title, "Song ") << "space padding keeps one trailing space";
    EXPECT_EQ(tag->artist, "Band") << "zero padding ends at the text";
    EXPECT_EQ(tag->album, " ") << "an all-space field gives one space";
    EXPECT_EQ(tag->comment, std::string(29, 'x') + "y") << "a full field is kept whole";

    tag = ParseId3v1(Tag(std::string(30, '\0'), std::string(30, 'z'), Field("a\n", ' '), Field("x\0junk", '\0')));
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->title, "");
    EXPECT_EQ(tag->artist, "z") << "no byte other than the padding: the first byte alone";
    EXPECT_EQ(tag->album, "a\n") << "line feeds are skipped like padding";
    EXPECT_EQ(tag->comment, "x");

    tag = ParseId3v1("junk before the tag" + Tag(Field("\x93\xfa\x96\x7b", '\0')));
    ASSERT_TRUE(tag) << "only the last 128 bytes count";
    EXPECT_EQ(tag->title, "日本") << "Shift-JIS text becomes UTF-8";

    EXPECT_FALSE(ParseId3v1(Tag(Field("x", ' ')).substr(1)));
    EXPECT_FALSE(ParseId3v1("TAG"));
    EXPECT_FALSE(ParseId3v1(std::string(128, 'T')));
}

TEST(AudioInfo, FrameHeaderIsTheFirstValidOneWhoseNextFrameAgrees) {
    EXPECT_EQ(FormatMpegLine(FindMpegHeader("\xff\xfe\x54\x00" + Frames())), kFramesLine)
        << "a UTF-16 byte order mark looks like a Layer 1 header; the next frame disagrees";
    EXPECT_EQ(FormatMpegLine(FindMpegHeader(Frame(0xFD, 0x90, 0x44, 522) + Frames())), kFramesLine)
        << "a Layer 2 frame followed by a Layer 3 one";
    EXPECT_EQ(FormatMpegLine(FindMpegHeader(Frame(0xFB, 0x90, 0x44, 418) + Frames())), kFramesLine)
        << "a header one byte short of its next frame";
    std::string encoderInfo = Frame(0xFB, 0x90, 0x04, 417);
    encoderInfo.replace(36, 4, "Info");
    EXPECT_EQ(FormatMpegLine(FindMpegHeader(encoderInfo + Frames())), kFramesLine)
        << "an encoder's Info frame, in stereo, gives way to the joint stereo sound after it";

    EXPECT_EQ(FormatMpegLine(FindMpegHeader(Frame(0xFD, 0xE4, 0xC0, 1152) + Header(0xFD, 0x14, 0x00))),
              "Mpeg-1 Layer2 384Kbit/s 48Hz (Monaural)");
    EXPECT_EQ(FormatMpegLine(FindMpegHeader(Frame(0xFF, 0xDA, 0x80, 628) + Header(0xFF, 0x18, 0x00))),
              "Mpeg-1 Layer1 416Kbit/s 32Hz (DualChannel)") << "with its padding slot";
    EXPECT_EQ(FormatMpegLine(FindMpegHeader(Frame(0xF3, 0xC4, 0x00, 384) + Header(0xF3, 0x14, 0x00))),
              "Mpeg-2 Layer3 128Kbit/s 24Hz (Stereo)");
    EXPECT_EQ(FormatMpegLine(FindMpegHeader(Frame(0xF5, 0xD8, 0x00, 1296) + Header(0xF5, 0x18, 0x00))),
              "Mpeg-2 Layer2 144Kbit/s 16Hz (Stereo)");
    EXPECT_EQ(FormatMpegLine(FindMpegHeader(Frame(0xE3, 0x18, 0xC0, 72))), "Mpeg-2.5 Layer3 8Kbit/s 8Hz (Monaural)")
        << "one frame that ends exactly where the data ends";
    EXPECT_FALSE(FindMpegHeader(Frame(0xE3, 0x18, 0xC0, 72) + "\xff")) << "ends one byte before";

    // Reserved version, layer, sample rate and emphasis, free format and the bad bitrate.
    for (const std::string& header : {Header(0xEB, 0x90, 0x44), Header(0xF9, 0x90, 0x44), Header(0xFB, 0x9C, 0x44),
                                      Header(0xFB, 0x90, 0x46), Header(0xFB, 0x00, 0x44), Header(0xFB, 0xF0, 0x44)})
        EXPECT_FALSE(FindMpegHeader(header + std::string(413, '\0') + header)) << testing::PrintToString(header);

    EXPECT_EQ(FormatMpegLine(FindMpegHeader(std::string(kHeaderScanBytes - 1, 'x') + Frames())), kFramesLine);
    EXPECT_FALSE(FindMpegHeader(std::string(kHeaderScanBytes, 'x') + Frames())) << "must begin within the scan";
    EXPECT_FALSE(FindMpegHeader("x\xff\xfb\x90")) << "a header cut off at the end is not read";
    EXPECT_FALSE(FindMpegHeader(""));
    EXPECT_EQ(FormatMpegLine(std::nullopt), "");
}

TEST(AudioInfo, OnlyMp3AndRmpInAnyCase) {
    EXPECT_TRUE(HasMpegInfo("/m/a.mp3"));
    EXPECT_TRUE(HasMpegInfo("/m/a.MP3"));
    EXPECT_TRUE(HasMpegInfo("/m/a.Rmp"));
    EXPECT_FALSE(HasMpegInfo("/m/a.mp2"));
    EXPECT_FALSE(HasMpegInfo("/m/mp3"));
    EXPECT_FALSE(HasMpegInfo("/m/a.mp3.wav"));
}

TEST(AudioInfo, ReadsFilesWithinBoundsAndSurvivesBadOnes) {
    test::TempFolder folder;
    const std::string tag = Tag(Field("Title", ' '), Field("Artist", '\0'));
    auto info = ReadAudioInfo(folder.Write("song.mp3", Frames() + std::string(5000, 'a') + tag));
    EXPECT_EQ(info.tag.title, "Title ");
    EXPECT_EQ(FormatMpegLine(info.header), kFramesLine);
    EXPECT_EQ(info.fileLength, 834u + 5000u + 128u);

    const auto lines = InformationLines(info, folder.path() / "song.mp3", std::chrono::seconds(3723));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "Title    : Title ");
    EXPECT_EQ(lines[1], "Artist   : Artist");
    EXPECT_EQ(lines[2], "Album    : ");
    EXPECT_EQ(lines[3], "Comment  : ");
    EXPECT_EQ(lines[4], kFramesLine);
    EXPECT_EQ(lines[5], "FileName : song");
    EXPECT_EQ(lines[6], "FilePath : " + folder.path().string() + "/");
    EXPECT_EQ(lines[7], "TotalTime：[1:02:03]");

    info = ReadAudioInfo(folder.Write("tagonly.mp3", tag));
    EXPECT_EQ(info.tag.artist, "Artist") << "a file that is exactly the tag";
    EXPECT_FALSE(info.header);

    info = ReadAudioInfo(folder.Write("short.mp3", tag.substr(0, 127)));
    EXPECT_EQ(info.tag.title, "");
    EXPECT_EQ(info.fileLength, 127u);

    info = ReadAudioInfo(folder.Write("cut.mp3", "\xff\xfb"));
    EXPECT_FALSE(info.header);
    EXPECT_EQ(ReadAudioInfo(folder.Write("empty.mp3", "")).fileLength, 0u);

    EXPECT_FALSE(ReadAudioInfo(folder.path() / "missing.mp3").fileLength);
    EXPECT_FALSE(ReadAudioInfo(folder.path()).fileLength) << "a directory";
    const auto fifo = folder.path() / "pipe.mp3";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReadAudioInfo(fifo).fileLength) << "a FIFO neither blocks nor counts";

    EXPECT_EQ(InformationLines({}, "/a.mp3", MediaTime(-5))[7], "TotalTime：[0:00:00]");
    EXPECT_EQ(InformationLines({}, "/a.mp3", MediaTime{})[6], "FilePath : /");
}

TEST(AudioInfo, Id3v2TagsInARowAreReadAndSkipped) {
    test::TempFolder folder;
    const std::string utf16Title = V2Frame("TIT2", "\x01\xff\xfe" "T\0a\0g\0"s);
    const std::string v1 = Tag(Field("Old", ' '), std::string(30, '\0'), Field("V1 album", '\0'), Field("Note", '\0'));
    auto info = ReadAudioInfo(folder.Write("a.mp3", V2Tag(utf16Title + V2Frame("TPE1", "\0Band"s)) + Frames() + v1));
    EXPECT_EQ(info.tag.title, "Tag") << "the ID3v2 text wins";
    EXPECT_EQ(info.tag.artist, "Band");
    EXPECT_EQ(info.tag.album, "V1 album") << "what ID3v2 lacks comes from ID3v1";
    EXPECT_EQ(info.tag.comment, "Note");
    EXPECT_EQ(FormatMpegLine(info.header), kFramesLine) << "the byte order mark in the tag is not a frame";

    // A 2.4 tag with its footer, then a 2.3 tag whose private data looks like Layer 2 frames.
    const std::string lookalike = V2Frame("PRIV", "x\0"s + Frame(0xFD, 0x90, 0x44, 522) + Frame(0xFD, 0x90, 0x44, 522));
    const std::string first = V2Tag(utf16Title, 4, 0x10);
    const std::string footer = "3DI" + first.substr(3, 7);
    const std::string second = V2Tag(lookalike + V2Frame("TPE1", "\0Second"s));
    info = ReadAudioInfo(folder.Write("b.mp3", first + footer + second + Frames()));
    EXPECT_EQ(info.tag.title, "Tag");
    EXPECT_EQ(info.tag.artist, "Second") << "a later tag fills what the first lacks";
    EXPECT_EQ(FormatMpegLine(info.header), kFramesLine);

    // At the end of the file: a tag that ends exactly there, one whose size runs past it.
    info = ReadAudioInfo(folder.Write("c.mp3", V2Tag(utf16Title)));
    EXPECT_EQ(info.tag.title, "Tag");
    EXPECT_FALSE(info.header);
    info = ReadAudioInfo(folder.Write("d.mp3", V2Tag(utf16Title, 3, 0, 0x0FFFFFFF)));
    EXPECT_EQ(info.tag.title, "Tag");
    EXPECT_FALSE(info.header);

    // A tag longer than the read cap: frames past it are not read, the audio after the tag is.
    const std::string picture = V2Frame("APIC", std::string(kId3v2ReadCap, 'p'));
    info = ReadAudioInfo(folder.Write("e.mp3", V2Tag(utf16Title + picture + V2Frame("TPE1", "\0Late"s)) + Frames()));
    EXPECT_EQ(info.tag.title, "Tag");
    EXPECT_EQ(info.tag.artist, "");
    EXPECT_EQ(FormatMpegLine(info.header), kFramesLine);
}

TEST(AudioInfo, TheCoverIsTheFrontPictureOfAnyTagInARow) {
    test::TempFolder folder;
    const std::string png = "\x89PNG\r\n\x1a\n"s + std::string(kId3v2ReadCap, 'p');
    const std::string jpeg = "\xff\xd8\xff\xe0"s;
    const std::string back = V2Tag(V2Frame("APIC", "\0image/png\0\x04\0"s + png));
    const std::string front = V2Tag(V2Frame("APIC", "\0image/jpeg\0\x03\0"s + jpeg));
    std::optional<Id3v2Picture> p = ReadId3v2Picture(folder.Write("a.mp3", back + front + Frames()));
    ASSERT_TRUE(p) << "past the texts' read cap, in the second tag";
    EXPECT_EQ(p->data, jpeg);
    p = ReadId3v2Picture(folder.Write("b.mp3", back + Frames()));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->data, png);
    EXPECT_FALSE(ReadId3v2Picture(folder.Write("c.mp3", (back + front).substr(0, back.size() - 1))))
        << "a file cut inside the picture";
    EXPECT_FALSE(ReadId3v2Picture(folder.path()));
}

}  // namespace
}  // namespace felux
