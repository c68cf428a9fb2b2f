// MpvEngine's tracks and chapters on a generated MKV: the first choice by language and default flag, subtitle files beside the clip, selections.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "MpvTestSupport.h"
#include "TempFolder.h"

namespace felux {
namespace {

using namespace std::chrono_literals;
using test::InspectableEngine;
using test::Seconds;
using test::Ticker;

void WriteFile(const std::filesystem::path& path, const std::string& text) { std::ofstream(path) << text; }

// Two audio tracks (jpn 440 Hz, eng 880 Hz with the default flag), two subtitle tracks (jpn,
// eng, neither default) and three chapters at 0, 2 and 4 s.
class MpvTracksTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const auto& d = Dir().path();
        WriteFile(d / "a.srt", "1\n00:00:00,000 --> 00:00:06,000\nja\n");
        WriteFile(d / "b.srt", "1\n00:00:00,000 --> 00:00:06,000\nen\n");
        WriteFile(d / "chapters.txt",
                  ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=2000\ntitle=One\n"
                  "[CHAPTER]\nTIMEBASE=1/1000\nSTART=2000\nEND=4000\ntitle=Two\n"
                  "[CHAPTER]\nTIMEBASE=1/1000\nSTART=4000\nEND=6000\ntitle=Three\n");
        const std::string command =
            "cd '" + d.string() +
            "' && ffmpeg -hide_banner -loglevel error -y -f lavfi -i color=c=blue:s=160x120:d=6:r=10 "
            "-f lavfi -i sine=frequency=440:duration=6 -f lavfi -i sine=frequency=880:duration=6 "
            "-i a.srt -i b.srt -f ffmetadata -i chapters.txt "
            "-map 0:v -map 1:a -map 2:a -map 3:s -map 4:s -map_chapters 5 -c:v mpeg4 -c:a aac -c:s srt "
            "-metadata:s:a:0 language=jpn -metadata:s:a:1 language=eng -metadata:s:a:1 title=English "
            "-metadata:s:s:0 language=jpn -metadata:s:s:1 language=eng "
            "-disposition:a:0 0 -disposition:a:1 default -disposition:s:0 0 -disposition:s:1 0 bare.mkv";
        ASSERT_EQ(std::system(command.c_str()), 0) << "ffmpeg (scripts/install-deps.sh)";
        std::filesystem::copy_file(d / "bare.mkv", d / "film.mkv", std::filesystem::copy_options::overwrite_existing);
        // Beside film.mkv: a subtitle file of its name, and lyrics and text that are never subtitles.
        WriteFile(d / "film.srt", "1\n00:00:00,000 --> 00:00:06,000\nside\n");
        WriteFile(d / "film.lrc", "[00:00.00]lyrics\n");
        WriteFile(d / "film.txt", "1\n00:00:00,000 --> 00:00:06,000\ntext\n");
    }
    static test::TempFolder& Dir() {
        static test::TempFolder dir;
        return dir;
    }
    static std::string Path(const char* name) { return (Dir().path() / name).string(); }

    // mpv reads the languages when an instance is built.
    static void SetLocale(const char* lang) {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) unsetenv(name);
        setenv("LANG", lang, 1);
    }
    void TearDown() override { SetLocale("C.UTF-8"); }

    // Until mpv reports the property as expected.
    static bool Reports(InspectableEngine& engine, const char* property, const std::string& expected) {
        Ticker ticker(engine);
        return ticker.Until([&] { return engine.StringProperty(property) == expected; }, 3s);
    }
};

std::vector<MediaTrack> OfKind(const std::vector<MediaTrack>& all, TrackKind kind) {
    std::vector<MediaTrack> out;
    for (const MediaTrack& t : all)
        if (t.kind == kind) out.push_back(t);
    return out;
}

TEST_F(MpvTracksTest, TheUsersLanguageComesBeforeTheDefaultFlagAndSubtitlesBesideTheClipLoad) {
    SetLocale("ja_JP.UTF-8");
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Path("film.mkv"), std::nullopt), OpenStatus::Ready);

    const std::vector<MediaTrack> tracks = engine.Tracks();
    const auto audio = OfKind(tracks, TrackKind::Audio);
    const auto subs = OfKind(tracks, TrackKind::Subtitle);
    ASSERT_EQ(audio.size(), 2u);
    EXPECT_EQ(audio[0].language, "jpn");
    EXPECT_EQ(audio[1].title, "English");
    EXPECT_TRUE(audio[1].isDefault);
    EXPECT_TRUE(audio[0].selected) << "jpn before the default flag";
    EXPECT_EQ(engine.IntProperty("aid"), audio[0].id);
    // The .srt beside it is a third subtitle track, and mpv shows it; .lrc and .txt are no tracks.
    ASSERT_EQ(subs.size(), 3u);
    EXPECT_TRUE(subs[2].external);
    EXPECT_TRUE(subs[2].selected);
    EXPECT_EQ(engine.IntProperty("sid"), subs[2].id);

    const auto& chapters = engine.Chapters();
    ASSERT_EQ(chapters.size(), 3u);
    EXPECT_EQ(chapters[1].title, "Two");
    EXPECT_NEAR(test::InSeconds(chapters[2].start), 4.0, 0.01);

    // Selections reach mpv, and its reports come back to the list.
    engine.SelectTrack(TrackKind::Audio, audio[1].id);
    EXPECT_TRUE(Reports(engine, "aid", std::to_string(audio[1].id)));
    engine.SelectTrack(TrackKind::Subtitle, std::nullopt);
    EXPECT_TRUE(Reports(engine, "sid", "no"));
    engine.SelectTrack(TrackKind::Subtitle, subs[1].id);
    EXPECT_TRUE(Reports(engine, "sid", std::to_string(subs[1].id)));
    // The list follows mpv's reports, which come a moment after the change.
    EXPECT_TRUE(Ticker(engine).Until(
        [&] {
            return OfKind(engine.Tracks(), TrackKind::Subtitle)[1].selected &&
                   OfKind(engine.Tracks(), TrackKind::Audio)[1].selected;
        },
        3s));

    // The next file starts from mpv's own choice again: jpn audio, and the jpn subtitle.
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Path("bare.mkv"), std::nullopt), OpenStatus::Ready);
    EXPECT_EQ(OfKind(engine.Tracks(), TrackKind::Subtitle).size(), 2u);
    EXPECT_TRUE(Reports(engine, "aid", "1"));
    EXPECT_TRUE(Reports(engine, "sid", "1"));
}

TEST_F(MpvTracksTest, WithoutALanguageTheDefaultFlagChoosesAndNoSubtitleShows) {
    SetLocale("C.UTF-8");
    InspectableEngine engine;
    ASSERT_EQ(engine.Create(), MediaResult::Ok);
    ASSERT_EQ(test::OpenAndWait(engine, Path("bare.mkv"), std::nullopt), OpenStatus::Ready);
    EXPECT_TRUE(Reports(engine, "aid", "2"));
    EXPECT_TRUE(Reports(engine, "sid", "no"));
    for (const MediaTrack& t : OfKind(engine.Tracks(), TrackKind::Subtitle)) EXPECT_FALSE(t.selected);
}

}  // namespace
}  // namespace felux
