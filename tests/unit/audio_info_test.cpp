// MPEG audio information: ID3v1 fields and their padding, the first frame header, the lines shown, bad files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TempFolder.h"
#include "engine/AudioInfo.h"

namespace felux {
namespace {

std::string Field(std::string text, char pad) {
    text.resize(30, pad);
    return text;
}

std::string Tag(const std::string& title, const std::string& artist = std::string(30, '\0'),
                const std::string& album = std::string(30, '\0'), const std::string& comment = std::string(30, '\0')) {
    return "TAG" + title + artist + album + "1999" + comment + '\x0c';
}

std::string Frame(unsigned char b1, unsigned char b2, unsigned char b3) {
    return std::string{'\xff', static_cast<char>(b1), static_cast<char>(b2), static_cast<char>(b3)};
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

TEST(AudioInfo, FrameHeaderIsTheFirstSyncInTheFirstKilobyte) {
    auto header = FindMpegHeader("ID3\xff\x10" + Frame(0xFB, 0x90, 0x44));
    ASSERT_TRUE(header) << "0xFF followed by less than 0xF0 is skipped";
    EXPECT_EQ(FormatMpegLine(header), "Mpeg-1 Layer3 128Kbit/s 44Hz (JointStereo)");

    EXPECT_EQ(FormatMpegLine(FindMpegHeader(Frame(0xFD, 0xE4, 0xC0))), "Mpeg-1 Layer2 384Kbit/s 48Hz (Momoral)");
    EXPECT_EQ(FormatMpegLine(FindMpegHeader(Frame(0xFF, 0xD8, 0x80))), "Mpeg-1 Layer1 416Kbit/s 32Hz (DualChannel)");
    EXPECT_EQ(FormatMpegLine(FindMpegHeader(Frame(0xF3, 0xC4, 0x00))), "Mpeg-2 Layer3 128Kbit/s 24Hz (Stereo)");
    EXPECT_EQ(FormatMpegLine(FindMpegHeader(Frame(0xF5, 0xD8, 0x00))), "Mpeg-2 Layer2 144Kbit/s 16Hz (Stereo)");
    EXPECT_EQ(FormatMpegLine(FindMpegHeader(Frame(0xF7, 0xB0, 0x00))), "Mpeg-2 Layer1 176Kbit/s 22Hz (Stereo)");
    EXPECT_EQ(FormatMpegLine(FindMpegHeader(Frame(0xF9, 0x5C, 0x40))), "Mpeg-1 Layer4 0Kbit/s 0Hz (JointStereo)")
        << "reserved layer and sample rate";
    EXPECT_EQ(FormatMpegLine(FindMpegHeader(Frame(0xFB, 0xF0, 0x00))), "Mpeg-1 Layer3 0Kbit/s 44Hz (Stereo)");
    EXPECT_EQ(FormatMpegLine(FindMpegHeader(Frame(0xFB, 0x00, 0x00))), "Mpeg-1 Layer3 0Kbit/s 44Hz (Stereo)");

    EXPECT_TRUE(FindMpegHeader(std::string(1020, 'x') + Frame(0xFB, 0x90, 0x44)));
    EXPECT_FALSE(FindMpegHeader(std::string(1021, 'x') + Frame(0xFB, 0x90, 0x44))) << "must end within 1024 bytes";
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
    auto info = ReadAudioInfo(folder.Write("song.mp3", Frame(0xFB, 0x90, 0x44) + std::string(5000, 'a') + tag));
    EXPECT_EQ(info.tag.title, "Title ");
    EXPECT_EQ(FormatMpegLine(info.header), "Mpeg-1 Layer3 128Kbit/s 44Hz (JointStereo)");
    EXPECT_EQ(info.fileLength, 5004u + 128u);

    const auto lines = InformationLines(info, folder.path() / "song.mp3", 37'230'000'000LL);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "Title    : Title ");
    EXPECT_EQ(lines[1], "Artist   : Artist");
    EXPECT_EQ(lines[2], "Album    : ");
    EXPECT_EQ(lines[3], "Comment  : ");
    EXPECT_EQ(lines[4], "Mpeg-1 Layer3 128Kbit/s 44Hz (JointStereo)");
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

    EXPECT_EQ(InformationLines({}, "/a.mp3", -5)[7], "TotalTime：[0:00:00]");
    EXPECT_EQ(InformationLines({}, "/a.mp3", 0)[6], "FilePath : /");
}

}  // namespace
}  // namespace felux
