// Tags of the formats other than MP3 as mpv reads them: m4a, flac and opus made by ffmpeg, and an mka whose keys are upper case.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "MpvTestSupport.h"
#include "TempFolder.h"

namespace felux {
namespace {

using test::InspectableEngine;

std::string MakeTone(const test::TempFolder& folder, const std::string& name, const std::string& tags) {
    const std::string path = (folder.path() / name).string();
    const std::string command =
        "ffmpeg -hide_banner -loglevel error -y -f lavfi -i sine=frequency=440:duration=0.5 " + tags + " '" + path + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << "ffmpeg (scripts/install-deps.sh)";
    return path;
}

TEST(EngineTags, EveryFormatsTitleArtistAlbumAndTrackNumberAreReadAndNothingStaysForTheNextFile) {
    test::TempFolder folder;
    const std::string tags = "-metadata title='Título 3' -metadata artist='Bänd' -metadata album='LP' -metadata track=3/12";
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    for (const char* name : {"song.m4a", "song.flac", "song.opus", "song.mka"}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(test::OpenAndWait(engine, MakeTone(folder, name, tags), std::nullopt), OpenStatus::Ready);
        const MediaTags read = engine.Tags();
        EXPECT_EQ(read.title, "Título 3");
        EXPECT_EQ(read.artist, "Bänd");
        EXPECT_EQ(read.album, "LP");
        // Matroska names the number otherwise; the others give "3/12".
        if (std::string(name) != "song.mka") {
            EXPECT_EQ(read.track, 3);
        }
    }
    ASSERT_EQ(test::OpenAndWait(engine, MakeTone(folder, "bare.flac", "-map_metadata -1"), std::nullopt), OpenStatus::Ready);
    const MediaTags bare = engine.Tags();
    EXPECT_EQ(bare.title, "");
    EXPECT_EQ(bare.artist, "");
    EXPECT_FALSE(bare.track);
    engine.Release();
    EXPECT_EQ(engine.Tags().album, "");
}

}  // namespace
}  // namespace felux
