// Tags of every format: the engine's where an MP3 has no ID3 tag of its own, on the title line and for a desktop remote.
#include <gtest/gtest.h>

#include <string>

#include "PlayerHarness.h"
#include "app/RemoteControl.h"
#include "io/TextFile.h"

namespace felux {
namespace {

using namespace std::string_literals;

using test::FakeMedia;
using test::PlayerHarness;

FakeMedia Audio(MediaTags tags) { return FakeMedia{.video = false, .tags = std::move(tags)}; }

TEST(FileTags, EngineTagsShowForEveryFormatAndAnMp3sOwnTagAndAListTitleWin) {
    PlayerHarness h;
    const std::string flac = h.AddMedia("song.flac", Audio({"Song", "Band", "LP", 3}));
    const std::string opus = h.AddMedia("talk.opus", Audio({"", "Speaker", "", {}}));
    const std::string m4a = h.AddMedia("bare.m4a", Audio({}));
    const std::string mp3 = h.AddMedia("tagged.mp3", Audio({"Engine title", "Engine artist", "Engine album", 7}));
    const std::string frames = "TIT2\0\0\0\x05\0\0\0Id3tTPE1\0\0\0\x05\0\0\0Id3a"s;
    h.folder.Write("tagged.mp3", "ID3\x03\0\0\0\0\0"s + static_cast<char>(frames.size()) + frames);
    // An MP3 without an ID3 tag is tagged as any other format.
    const std::string untagged = h.AddMedia("untagged.mp3", Audio({"Plain", "Someone", "", {}}));
    // The saved list's title line names the entry above it.
    Player& p = h.Start({flac, opus, m4a, mp3, untagged, flac, "*Own title"}, true);
    RemoteControl remote(p);

    struct Expected {
        std::string line, title, artist, album;
        std::optional<int> track;
    };
    const Expected expected[] = {
        {" Song:Band", "Song", "Band", "LP", 3},
        {" talk:Speaker", "talk", "Speaker", "", {}},
        {" bare  <0:01:00>", "bare", "", "", {}},
        {" Id3t:Id3a", "Id3t", "Id3a", "", 7},  // ID3 texts; the number only the engine reads
        {" Plain:Someone", "Plain", "Someone", "", {}},
        {" Own title ", "Own title", "Band", "LP", 3},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        if (i > 0) remote.Next();
        h.TickUntilStarted();
        const Expected& e = expected[i];
        EXPECT_EQ(p.View().File().titleLine, e.line);
        const std::optional<RemoteTrack> track = remote.CurrentTrack();
        ASSERT_TRUE(track);
        EXPECT_EQ(track->title, e.title);
        EXPECT_EQ(track->artist, e.artist);
        EXPECT_EQ(track->album, e.album);
        EXPECT_EQ(track->trackNumber, e.track);
    }
}

TEST(FileTags, HugeBrokenOrNonsenseTagsAreCutToValidSingleLines) {
    PlayerHarness h;
    // One byte, then two-byte characters: the cap falls inside one.
    const std::string huge = "a" + [] {
        std::string s;
        for (int i = 0; i < 500'000; ++i) s += "é";
        return s;
    }();
    const std::string file = h.AddMedia("x.flac", Audio({huge, "Line\nbreak\x01", "\xff\xfe\x80 cut", -4}));
    Player& p = h.Start({file}, true);
    h.TickUntilStarted();
    const MediaTags& tags = p.View().File().tags;
    EXPECT_EQ(tags.title.size(), 1023u);
    EXPECT_EQ(tags.title, huge.substr(0, 1023));
    EXPECT_EQ(tags.artist, "Line break ");
    EXPECT_TRUE(io::IsValidUtf8(tags.album));
    EXPECT_NE(tags.album.find(" cut"), std::string::npos);
    EXPECT_FALSE(tags.track) << "no track -4";
    EXPECT_EQ(p.View().File().titleLine, " " + tags.title + ":Line break ");
    EXPECT_EQ(RemoteControl(p).CurrentTrack()->artist, "Line break");
}

}  // namespace
}  // namespace felux
