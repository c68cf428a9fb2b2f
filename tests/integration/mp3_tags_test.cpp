// MP3 files as encoders write them: the tags and the stream line the player shows, and mpv plays them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "MpvTestSupport.h"
#include "TempFolder.h"
#include "engine/AudioInfo.h"

namespace felux {
namespace {

using test::Clip;

TEST(Mp3Tags, FfmpegTagsOfBothVersionsAreReadAndTheStreamLineIsRight) {
    test::TempFolder folder;
    for (const char* version : {"3", "4"}) {
        SCOPED_TRACE(version);
        const std::string v = version;
        const auto file = folder.path() / ("tagged" + v + ".mp3");
        // 2.3 texts go out as UTF-16 with a byte order mark, 2.4 as UTF-8; the ID3v1 tag holds a cut title.
        const std::string command =
            "ffmpeg -hide_banner -loglevel error -y -f lavfi -i sine=frequency=440:duration=1 -ac 2 -ar 44100 "
            "-c:a libmp3lame -b:a 128k -write_id3v1 1 -id3v2_version " + v +
            " -metadata title='A title longer than thirty bytes, 日本 " + v + "' -metadata artist='Bänd'"
            " -metadata album='Album' '" + file.string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << "ffmpeg (scripts/install-deps.sh)";
        const AudioFileInfo info = ReadAudioInfo(file);
        EXPECT_EQ(info.tag.title, "A title longer than thirty bytes, 日本 " + v);
        EXPECT_EQ(info.tag.artist, "Bänd");
        EXPECT_EQ(info.tag.album, "Album");
        EXPECT_EQ(FormatMpegLine(info.header), "Mpeg-1 Layer3 128Kbit/s 44Hz (JointStereo)");
    }
}

TEST(Mp3Tags, TheClipsHeadersLieAfterTheirTagsAndTheCoverIsFound) {
    // cover.mp3 carries a JPEG in its ID3v2.3 tag, full of 0xFF bytes; tone.mp3 an empty ID3v2.4 tag.
    for (const char* name : {"cover.mp3", "tone.mp3"}) {
        SCOPED_TRACE(name);
        const AudioFileInfo info = ReadAudioInfo(Clip(name));
        EXPECT_EQ(FormatMpegLine(info.header), "Mpeg-2.5 Layer3 8Kbit/s 8Hz (Monaural)");
        EXPECT_EQ(info.tag.title, "");
    }
    const std::optional<Id3v2Picture> cover = ReadId3v2Picture(Clip("cover.mp3"));
    ASSERT_TRUE(cover);
    EXPECT_EQ(cover->format, ImageFormat::Jpeg);
    EXPECT_EQ(cover->type, kFrontCover);
    EXPECT_FALSE(ReadId3v2Picture(Clip("tone.mp3")));
}

}  // namespace
}  // namespace felux
