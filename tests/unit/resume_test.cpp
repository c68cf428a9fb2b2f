// Long files reopen where they were left: kept in data.pos at every way out, bounded, and never trusted blindly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlayerHarness.h"
#include "engine/ResumePoints.h"
#include "playlist/PlaySegmentSuffix.h"

namespace felux {
namespace {

constexpr MediaTime kSecond = std::chrono::seconds(1);
constexpr MediaTime kMs = std::chrono::milliseconds(1);

using test::FakeMedia;
using test::PlayerHarness;


FakeMedia Lasting(int seconds) {
    FakeMedia media;
    media.duration = seconds * kSecond;
    return media;
}

// Opens the entry, lets it play to the given second and quits.
void PlayUntilAndQuit(PlayerHarness& h, const std::vector<std::string>& entries, MediaTime at) {
    Player& p = h.Start(entries, /*openOnStart=*/true);
    h.TickUntilStarted();
    h.engine.position = at;
    h.Tick();
    p.RequestExit();
    h.Tick(2);
    ASSERT_TRUE(p.Ended());
}

// The seeks the next start makes while it opens the first entry.
std::vector<MediaTime> SeeksOnReopen(PlayerHarness& h, const std::vector<std::string>& entries) {
    h.engine.seeks.clear();
    h.Start(entries, /*openOnStart=*/true);
    h.TickUntilStarted();
    return h.engine.seeks;
}

TEST(Resume, ALongFileReopensWhereItWasLeftAndAnEndedOneFromTheStart) {
    PlayerHarness h;
    const std::string film = h.AddMedia("film.mkv", Lasting(7200));
    PlayUntilAndQuit(h, {film}, 60 * kSecond + 123 * kMs);
    EXPECT_EQ(h.folder.Read(ResumePoints::kFileName), "60123 - - " + film + "\n");
    EXPECT_EQ(SeeksOnReopen(h, {film}), std::vector<MediaTime>{60123 * kMs});

    // Played to its end, it is forgotten: the next open starts at 0.
    h.engine.completed = true;
    h.Tick(2);
    h.player->RequestExit();
    h.Tick(2);
    EXPECT_EQ(h.folder.Read(ResumePoints::kFileName), "");
    EXPECT_EQ(SeeksOnReopen(h, {film}), std::vector<MediaTime>{});

    // Left in its first or last seconds, there is nothing to go back to.
    for (const MediaTime at : {4 * kSecond, 7196 * kSecond}) {
        PlayUntilAndQuit(h, {film}, at);
        EXPECT_EQ(h.folder.Read(ResumePoints::kFileName), "");
    }
    // Changing to another entry keeps the place of the one left.
    const std::string other = h.AddMedia("other.mkv", Lasting(3600));
    Player& p = h.Start({film, other}, /*openOnStart=*/true);
    h.TickUntilStarted();
    h.engine.position = 900 * kSecond;
    p.Command(PlayerCommand::NextEntry);
    h.Tick();
    h.TickUntilStarted();
    EXPECT_EQ(p.View().File().path, other);
    p.RequestExit();
    h.Tick(2);
    EXPECT_EQ(h.folder.Read(ResumePoints::kFileName), "900000 - - " + film + "\n");
}

TEST(Resume, TheAudioAndSubtitleChoiceComeBackWithThePlace) {
    PlayerHarness h;
    const std::string film = h.AddMedia("film.mkv", Lasting(7200));
    const std::vector<MediaTrack> asOpened{{1, TrackKind::Audio, "jpn", "", true, false, true},
                                           {2, TrackKind::Audio, "eng", "", false, false, false},
                                           {3, TrackKind::Subtitle, "jpn", "", true, false, true},
                                           {4, TrackKind::Subtitle, "eng", "", false, false, false}};
    h.engine.tracks = asOpened;
    Player& p = h.Start({film}, /*openOnStart=*/true);
    h.TickUntilStarted();
    // The second sound track, and subtitles past the last one: off.
    p.Command(PlayerCommand::AudioTrackNext);
    p.Command(PlayerCommand::SubtitleTrackNext);
    p.Command(PlayerCommand::SubtitleTrackNext);
    h.engine.position = 60 * kSecond;
    p.RequestExit();
    h.Tick(2);
    EXPECT_EQ(h.folder.Read(ResumePoints::kFileName), "60000 2 0 " + film + "\n");

    // The file opens with its own choice again; the remembered one replaces it.
    h.engine.tracks = asOpened;
    h.engine.log.clear();
    EXPECT_EQ(SeeksOnReopen(h, {film}), std::vector<MediaTime>{60 * kSecond});
    EXPECT_EQ(h.engine.Selected(TrackKind::Audio), 2);
    EXPECT_EQ(h.engine.Selected(TrackKind::Subtitle), std::nullopt);

    // A remembered track the file no longer has leaves the file's choice alone.
    h.folder.Write(ResumePoints::kFileName, "60000 9 4 " + film + "\n");
    h.engine.tracks = asOpened;
    SeeksOnReopen(h, {film});
    EXPECT_EQ(h.engine.Selected(TrackKind::Audio), 1);
    EXPECT_EQ(h.engine.Selected(TrackKind::Subtitle), 4);
}

TEST(Resume, ShortFilesSegmentsAndTheSettingLeaveThePlaceAlone) {
    PlayerHarness h;
    // Exactly the set length counts as long; a second less does not.
    const std::string song = h.AddMedia("song.mp3", Lasting(299));
    const std::string talk = h.AddMedia("talk.mp3", Lasting(300));
    PlayUntilAndQuit(h, {song}, 100 * kSecond);
    EXPECT_EQ(h.folder.Read(ResumePoints::kFileName), "");
    PlayUntilAndQuit(h, {talk}, 100 * kSecond);
    EXPECT_EQ(h.folder.Read(ResumePoints::kFileName), "100000 - - " + talk + "\n");

    // A play segment of the same file starts at its own A, and keeps no place.
    const std::string segment = talk + FormatSegmentSuffix(20'000, 200'000);
    EXPECT_EQ(SeeksOnReopen(h, {segment}).front(), 20'001 * kMs);
    h.engine.position = 150 * kSecond;
    h.player->RequestExit();
    h.Tick(2);
    EXPECT_EQ(h.folder.Read(ResumePoints::kFileName), "100000 - - " + talk + "\n");

    // Turned off, nothing is sought.
    h.engine.seeks.clear();
    Player& p = h.Start({talk}, true, [](PlayerSettings& s) { s.resumePlayback = 0; });
    h.TickUntilStarted();
    EXPECT_EQ(h.engine.seeks, std::vector<MediaTime>{});
    EXPECT_EQ(p.View().File().path, talk);
}

TEST(Resume, ADamagedFileIsSaidOnceAndResumesNothing) {
    PlayerHarness h;
    const std::string film = h.AddMedia("film.mkv", Lasting(7200));
    const std::vector<std::string> damaged{
        "60000 - - " + film + "\n12 x - /a\n",             // a track that is no number
        "-5 - - " + film + "\n",                             // before the start
        "864000001 - - " + film + "\n",                      // past ten days
        "60000 - -\n",                                       // no path
        std::string(ResumePoints::kMaxFileBytes + 1, '1'),  // one byte too many
    };
    for (const std::string& text : damaged) {
        SCOPED_TRACE(text.substr(0, 40));
        h.folder.Write(ResumePoints::kFileName, text);
        h.reports.clear();
        EXPECT_EQ(SeeksOnReopen(h, {film}), std::vector<MediaTime>{});
        ASSERT_EQ(h.reports.size(), 1u);
        EXPECT_NE(h.reports[0].find("data.pos is damaged"), std::string::npos);
    }
    // A point past the file's end belongs to another file once of that name: it starts at 0.
    h.folder.Write(ResumePoints::kFileName, "7196000 1 0 " + film + "\n");
    h.reports.clear();
    EXPECT_EQ(SeeksOnReopen(h, {film}), std::vector<MediaTime>{});
    EXPECT_TRUE(h.reports.empty());
}

TEST(ResumePoints, KeepTheNewestThousandAndOnlyNamesThatReadBack) {
    test::TempFolder dir;
    ResumePoints points;
    for (int i = 0; i <= 1000; ++i) points.Remember({"/f" + std::to_string(i), i * 1000, std::nullopt, 2});
    ASSERT_EQ(points.Points().size(), ResumePoints::kMaxEntries);
    EXPECT_FALSE(points.Find("/f0")) << "the oldest falls off";
    EXPECT_EQ(points.Points().front().path, "/f1000");
    points.Remember({"/f500", 7, 3, 0});
    EXPECT_EQ(points.Points().front().positionMs, 7) << "a file remembered again comes first, once";
    EXPECT_EQ(points.Points().size(), ResumePoints::kMaxEntries);
    points.Remember({"/two\nlines", 1, std::nullopt, std::nullopt});
    points.Remember({std::string(ResumePoints::kMaxPathBytes + 1, 'a'), 1, std::nullopt, std::nullopt});
    EXPECT_EQ(points.Points().front().path, "/f500");

    ASSERT_TRUE(points.Save(dir.path()));
    ResumePoints back;
    ASSERT_TRUE(back.Load(dir.path()));
    ASSERT_EQ(back.Points().size(), ResumePoints::kMaxEntries);
    const auto f500 = back.Find("/f500");
    ASSERT_TRUE(f500);
    EXPECT_EQ(f500->audioTrack, 3);
    EXPECT_EQ(f500->subtitleTrack, 0) << "subtitles turned off stay off";
    EXPECT_FALSE(back.Find("/f999")->audioTrack);

    // One record more than the bound is a file nobody of ours wrote.
    dir.Write(ResumePoints::kFileName, dir.Read(ResumePoints::kFileName) + "1 - - /one-more\n");
    ResumePoints tooMany;
    EXPECT_FALSE(tooMany.Load(dir.path()));
    EXPECT_TRUE(tooMany.Points().empty());
}

TEST(Resume, ThePlaceIsKeptFromTheFifthSecondToFiveSecondsBeforeTheEnd) {
    PlayerHarness h;
    const std::string film = h.AddMedia("film.mkv", Lasting(7200));
    PlayUntilAndQuit(h, {film}, 5 * kSecond - kMs);
    EXPECT_EQ(h.folder.Read(ResumePoints::kFileName), "");
    PlayUntilAndQuit(h, {film}, 5 * kSecond);
    EXPECT_EQ(h.folder.Read(ResumePoints::kFileName), "5000 - - " + film + "\n");
    PlayUntilAndQuit(h, {film}, 7195 * kSecond);
    EXPECT_EQ(h.folder.Read(ResumePoints::kFileName), "");
    PlayUntilAndQuit(h, {film}, 7195 * kSecond - kMs);
    EXPECT_EQ(h.folder.Read(ResumePoints::kFileName), "7194999 - - " + film + "\n");
    EXPECT_EQ(SeeksOnReopen(h, {film}), std::vector<MediaTime>{7194999 * kMs});
}

}  // namespace
}  // namespace felux
