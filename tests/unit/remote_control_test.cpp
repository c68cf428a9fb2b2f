// A desktop remote and handed-over files drive the player through the tick's request flags.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "PlayerHarness.h"
#include "app/HandOver.h"
#include "app/RemoteControl.h"
#include "platform/Keys.h"

namespace felux {
namespace {

constexpr MediaTime kSecond = std::chrono::seconds(1);

using namespace std::string_literals;

using test::PlayerHarness;
using Status = RemoteControl::Status;

class RemoteControlTest : public ::testing::Test {
protected:
    PlayerHarness h;
};

TEST_F(RemoteControlTest, RequestsWaitForTheTickAndRepeatsBeforeItAreOne) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    test::TestPlayer& p = h.Start({a, b}, true);
    h.TickUntilStarted();
    RemoteControl remote(p);

    remote.Pause();
    EXPECT_TRUE(h.engine.playing);  // nothing until the tick
    h.Tick();
    EXPECT_EQ(remote.PlaybackStatus(), Status::Paused);
    remote.Pause();  // paused already: no toggle back to playing
    h.Tick();
    EXPECT_EQ(remote.PlaybackStatus(), Status::Paused);

    remote.Next();
    remote.Next();  // two presses before a tick are one step, as on the panel
    h.TickUntilStarted();
    EXPECT_EQ(remote.CurrentTrack()->index, 1);
    EXPECT_EQ(remote.CurrentTrack()->path, b);

    remote.Stop();
    h.Tick(5);  // layout ticks after the new file hold the request; they do not lose it
    EXPECT_EQ(remote.PlaybackStatus(), Status::Stopped);
    EXPECT_FALSE(remote.CurrentTrack());
    remote.PlayPause();  // stopped: plays
    h.TickUntilStarted();
    EXPECT_EQ(remote.PlaybackStatus(), Status::Playing);

    remote.SetVolume(0.5);
    EXPECT_EQ(p.View().VolumeLevel(), 31);
    remote.SetVolume(-3.0);
    EXPECT_EQ(p.View().VolumeLevel(), 0);
    remote.SetVolume(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(p.View().VolumeLevel(), 0);
    remote.SetRepeat(true);  // on already: no toggle
    h.Tick();
    EXPECT_TRUE(remote.Repeat());
}

TEST_F(RemoteControlTest, TrackTitleIsTheOwnTitleOrTheTagsOrTheBareFileName) {
    std::filesystem::create_directory(h.folder.path() / "dir.v");
    const std::string clip = h.AddMedia("dir.v/Tom & Jerry.mpg");
    const std::string song = h.AddMedia("song.mp3");
    // An ID3v2.3 tag with title and album in ISO-8859-1; an ID3v1 tag with another title and an artist.
    const std::string frames = "TIT2\0\0\0\x06\0\0\0Titr\xe9TALB\0\0\0\x03\0\0\0LP"s;
    std::string v1artist = "V1 artist";
    v1artist.resize(30, ' ');
    h.folder.Write("song.mp3", "ID3\x03\0\0\0\0\0"s + static_cast<char>(frames.size()) + frames + "TAG" +
                                   std::string(30, 'v') + v1artist + std::string(65, '\0'));
    test::TestPlayer& p = h.Start({clip, song, song}, true);
    p.playlist.SetTitleAt(2, "*Own title");
    h.TickUntilStarted();
    RemoteControl remote(p);
    EXPECT_EQ(remote.CurrentTrack()->title, "Tom & Jerry") << "no folder, no extension, no length";
    EXPECT_EQ(remote.CurrentTrack()->artist, "");
    EXPECT_EQ(remote.CurrentTrack()->album, "");

    remote.Next();
    h.TickUntilStarted();
    EXPECT_EQ(remote.CurrentTrack()->title, "Titré");
    EXPECT_EQ(remote.CurrentTrack()->artist, "V1 artist") << "from ID3v1, without the padding space the panel keeps";
    EXPECT_EQ(remote.CurrentTrack()->album, "LP");

    remote.Next();
    h.TickUntilStarted();
    EXPECT_EQ(remote.CurrentTrack()->title, "Own title") << "the title the list gives, as the panel shows it";
    EXPECT_EQ(remote.CurrentTrack()->artist, "V1 artist");
}

TEST_F(RemoteControlTest, SeeksLandOnTheTickAndStopAtTheEnds) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    test::TestPlayer& p = h.Start({a, b}, true);
    h.TickUntilStarted();
    RemoteControl remote(p);
    h.engine.position = 10 * kSecond;
    h.Tick();
    EXPECT_EQ(remote.PositionMicros(), 10'000'000);

    remote.SeekBy(5'000'000);
    remote.SeekBy(5'000'000);  // queued seeks add up
    h.Tick();
    EXPECT_EQ(h.engine.position, 20 * kSecond);
    remote.SeekBy(-60'000'000);  // before the start: the start
    h.Tick();
    EXPECT_EQ(h.engine.position, MediaTime{});

    remote.SetPosition(0, 60'000'000);  // exactly the length is allowed
    h.Tick();
    EXPECT_EQ(h.engine.position, 60 * kSecond);
    h.engine.position = MediaTime{};
    h.Tick();
    const std::size_t seeks = h.engine.seeks.size();
    remote.SetPosition(0, 60'000'001);  // past the length
    remote.SetPosition(1, 1'000'000);   // another entry
    remote.SetPosition(0, -1);
    h.Tick();
    EXPECT_EQ(h.engine.seeks.size(), seeks);

    // A seek queued for a file that is then stopped is not carried to the next one.
    remote.SeekBy(1'000'000);
    p.Command(PlayerCommand::Stop);
    h.Tick();
    EXPECT_FALSE(p.View().PendingSeek());
    EXPECT_EQ(h.engine.seeks.size(), seeks);

    remote.Play();
    h.TickUntilStarted();
    remote.SeekBy(60'000'000);  // past the end: the next entry
    h.TickUntilStarted();
    EXPECT_EQ(p.View().List().currentIndex, 1);
}

// Any session-bus client may send any int64: far past an end is that end, never a wrapped time.
TEST_F(RemoteControlTest, OffsetsAndPositionsAtTheInt64LimitsSaturate) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    constexpr MediaTime kLength = 60 * kSecond;
    std::vector<std::string> entries;
    for (int i = 0; i < 20; ++i) entries.push_back(h.AddMedia("e" + std::to_string(i) + ".mpg"));
    test::TestPlayer& p = h.Start(entries, true);
    h.TickUntilStarted();
    RemoteControl remote(p);

    // Backwards from the middle and from either end, down to the most negative offset.
    for (const MediaTime from : {MediaTime{0}, MediaTime{1}, 10 * kSecond, kLength - MediaTime(1), kLength})
        for (const std::int64_t back :
             {kMin, kMin + 1, kMin / 10 - 1, kMin / 10, kMin / 10 + 1, std::int64_t{-1'000'000'000'000'000'000}}) {
            h.engine.position = from;
            h.Tick();
            remote.SeekBy(back);
            h.Tick();
            EXPECT_EQ(h.engine.position, MediaTime{}) << back << " from " << from.count();
            EXPECT_EQ(p.View().List().currentIndex, 0) << back << " from " << from.count();
        }

    h.engine.position = 10 * kSecond;
    h.Tick();
    const std::size_t seeks = h.engine.seeks.size();
    for (const std::int64_t position : {kMax, kMax / 10, kMax / 10 + 1, kMin})
        remote.SetPosition(0, position);
    h.Tick();
    EXPECT_EQ(h.engine.seeks.size(), seeks) << "outside 0 .. length: ignored";
    EXPECT_EQ(h.engine.position, 10 * kSecond);

    // From the middle or from either end, an offset whose sum would leave 64 bits, or just stays
    // inside them, must not wrap: it is past the end.
    int index = 0;
    for (const std::int64_t ahead : {kMax, kMax - 1, kMax / 10 + 1, kMax / 10, kMax / 10 - 1,
                                     std::int64_t{1'000'000'000'000'000'000}})
        for (const MediaTime from : {MediaTime{0}, 10 * kSecond, kLength - MediaTime(1)}) {
            h.engine.position = from;
            h.Tick();
            remote.SeekBy(ahead);
            h.TickUntilStarted();
            EXPECT_EQ(p.View().List().currentIndex, ++index)
                << ahead << " from " << from.count() << ": past the end is the next entry";
        }
}

TEST(RemoteTrackPath, OnlyThePathsHandedOutNameAnEntry) {
    EXPECT_EQ(TrackObjectPath(0), "/org/felux/Track/0");
    EXPECT_EQ(TrackIndexFromObjectPath(TrackObjectPath(0)), 0);
    EXPECT_EQ(TrackIndexFromObjectPath("/org/felux/Track/999999999"), 999'999'999);
    for (const char* bad : {"/org/felux/Track/1000000000", "/org/felux/Track/99999999999999999999",
                            "/org/felux/Track/", "/org/felux/Track/-1", "/org/felux/Track/+1",
                            "/org/felux/Track/01", "/org/felux/Track/1/", "/org/felux/Track/1 ",
                            "/org/felux/Tracks/1", "/org/mpris/MediaPlayer2/TrackList/NoTrack"})
        EXPECT_FALSE(TrackIndexFromObjectPath(bad)) << bad;
}

TEST_F(RemoteControlTest, HandedFilesJoinTheListAndTheFirstPlays) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b b.mpg");
    const std::string c = h.AddMedia("c.mpg");
    h.folder.Write("list.m3u", c + "\n");
    test::TestPlayer& p = h.Start({a}, true);
    h.TickUntilStarted();

    const std::optional<std::string> message = EncodeHandOver({b, (h.folder.path() / "list.m3u").string()});
    ASSERT_TRUE(message);
    const std::optional<std::vector<std::string>> files = DecodeHandOver(*message);
    ASSERT_TRUE(files);
    EXPECT_EQ(ReceiveHandedFiles(p, *files, true), 2u);
    h.TickUntilStarted();
    EXPECT_EQ(p.View().List().Size(), 3u);
    EXPECT_EQ(p.View().List().currentIndex, 1);
    EXPECT_EQ(p.View().File().path, b);
    EXPECT_EQ(p.View().List().PathAt(2), c);

    EXPECT_EQ(ReceiveHandedFiles(p, {a}, false), 1u);  // appended, the current file plays on
    h.Tick();
    EXPECT_EQ(p.View().File().path, b);
    EXPECT_EQ(ReceiveHandedFiles(p, {(h.folder.path() / "empty.m3u").string()}, true), 0u);
    EXPECT_FALSE(p.Pending().playSelected);
}

TEST_F(RemoteControlTest, CommandsFromOutsideBringTheTickForwardAndTheTicksOwnDoNot) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    test::TestPlayer& p = h.Start({a}, true);
    p.OnActivated(true);
    h.TickUntilStarted();
    ASSERT_TRUE(h.TickUntilSettled());
    RemoteControl remote(p);
    const int before = h.wakes;

    remote.SetPosition(0, (3 * kSecond).count());
    EXPECT_EQ(h.wakes, before + 1);
    EXPECT_TRUE(h.engine.seeks.empty());  // carried out by the tick, in its order
    EXPECT_EQ(p.View().PendingSeek(), 3 * kSecond);
    h.Tick();
    ASSERT_EQ(h.engine.seeks.size(), 1u);
    EXPECT_EQ(h.engine.seeks.back(), 3 * kSecond);
    EXPECT_FALSE(p.View().PendingSeek());

    // A key's command is raised inside the tick, which carries it out itself.
    h.keys.Press(vk::Space);
    h.Tick();
    h.keys.Release(vk::Space);
    EXPECT_TRUE(p.View().Paused());
    EXPECT_EQ(h.wakes, before + 1);

    // The hand-over's files join at once and the first of them plays from the tick it woke.
    EXPECT_EQ(ReceiveHandedFiles(p, {b}, true), 1u);
    EXPECT_EQ(h.wakes, before + 2);
    EXPECT_EQ(p.View().List().currentIndex, 1);
    h.TickUntilStarted();
    EXPECT_EQ(p.View().File().path, b);
}

TEST(HandOverMessage, OnlyWholeMessagesWithinTheLimitsAreTaken) {
    const std::string odd = "/v/line\nbreak and ビデオ.mpg";
    const std::optional<std::string> m = EncodeHandOver({odd, "/v/b.mpg"});
    ASSERT_TRUE(m);
    EXPECT_EQ(DecodeHandOver(*m), (std::vector<std::string>{odd, "/v/b.mpg"}));

    // Every beginning of a message, even one ending after a whole name, is still on its way.
    for (std::size_t cut = 0; cut < m->size(); ++cut) EXPECT_FALSE(DecodeHandOver(m->substr(0, cut))) << cut;
    EXPECT_FALSE(DecodeHandOver(*m + "/c"));                          // something after the end
    EXPECT_FALSE(DecodeHandOver("FELUX-OPEN 2\n\0"s));                // no files
    EXPECT_FALSE(DecodeHandOver("FELUX-OPEN 1\n/a\0\0"s));            // another version
    EXPECT_FALSE(EncodeHandOver({}));
    EXPECT_FALSE(EncodeHandOver({"/a", ""}));
    EXPECT_FALSE(EncodeHandOver({"/a\0b"s}));

    // Exactly at the size limit passes; one byte more is refused whole.
    const std::size_t header = std::string("FELUX-OPEN 2\n").size();
    const std::string fits(kHandOverLimit - header - 2, 'x');
    ASSERT_TRUE(EncodeHandOver({fits}));
    EXPECT_EQ(EncodeHandOver({fits})->size(), kHandOverLimit);
    EXPECT_TRUE(DecodeHandOver(*EncodeHandOver({fits})));
    EXPECT_FALSE(EncodeHandOver({fits + "x"}));
    EXPECT_FALSE(DecodeHandOver("FELUX-OPEN 2\n" + fits + "x" + "\0\0"s));

    // And exactly at the count limit.
    const std::vector<std::string> most(kHandOverMaxFiles, "/a");
    ASSERT_TRUE(EncodeHandOver(most));
    EXPECT_EQ(DecodeHandOver(*EncodeHandOver(most))->size(), kHandOverMaxFiles);
    EXPECT_FALSE(EncodeHandOver(std::vector<std::string>(kHandOverMaxFiles + 1, "/a")));
    std::string tooMany = "FELUX-OPEN 2\n";
    for (std::size_t i = 0; i <= kHandOverMaxFiles; ++i) tooMany += "/a\0"s;
    EXPECT_FALSE(DecodeHandOver(tooMany + '\0'));
}

}  // namespace
}  // namespace felux
