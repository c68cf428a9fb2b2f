// Tracks and chapters of the open file: B, V and PAGE UP / DOWN, the video window's menu, the user's languages, subtitle files beside a clip.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "PlayerHarness.h"
#include "engine/SubtitleFiles.h"
#include "engine/TrackSteps.h"
#include "i18n/TrackLanguages.h"
#include "platform/Keys.h"
#include "player/VideoMenu.h"

namespace felux {
namespace {

constexpr MediaTime kSecond = std::chrono::seconds(1);

using test::FakeMedia;
using test::PlayerHarness;

struct Film {
    std::vector<MediaTrack> tracks;
    std::vector<MediaChapter> chapters;
    MediaTime duration = 60 * kSecond;
};

Film FilmWithTracks() {
    Film m;
    m.tracks = {{1, TrackKind::Audio, "jpn", "日本語", true, false, true},
                {2, TrackKind::Audio, "eng", "", false, false, false},
                {1, TrackKind::Subtitle, "jpn", "", false, false, false},
                {2, TrackKind::Subtitle, "", "", false, true, false}};
    m.chapters = {{"Opening", MediaTime{}}, {"Middle", 10 * kSecond}, {"", 20 * kSecond}};
    return m;
}

class MediaTracksTest : public ::testing::Test {
protected:
    Player& Playing(Film film = FilmWithTracks()) {
        h.engine.tracks = std::move(film.tracks);
        h.engine.chapters = std::move(film.chapters);
        FakeMedia media;
        media.duration = film.duration;
        Player& p = h.Start({h.AddMedia("film.mkv", media)}, true);
        p.OnActivated(true);
        h.TickUntilStarted();
        Settle();
        return p;
    }
    void Settle() { ASSERT_TRUE(h.TickUntilSettled()); }
    // One tap, taken by the next tick; then until the keys' lockout has run out.
    void Key(int key) {
        h.keys.Press(key);
        h.keys.Release(key);
        h.Tick();
        Settle();
    }
    // A right click on the picture: the menu opens a few ticks after the release.
    void RightClickPicture() {
        const std::size_t before = h.dialogs.sectionMenus.size();
        h.player->VideoInputRecord().OnRButtonDown(20, 20);
        h.player->VideoInputRecord().OnRButtonUp(20, 20);
        for (int i = 0; i < 40 && h.dialogs.sectionMenus.size() == before; ++i) h.Tick();
    }
    std::size_t AudioChoices() const {
        return static_cast<std::size_t>(std::count_if(h.engine.log.begin(), h.engine.log.end(),
                                                       [](const std::string& l) { return l.starts_with("SelectAudio"); }));
    }
    std::optional<std::int64_t> Audio() const { return h.engine.Selected(TrackKind::Audio); }
    std::optional<std::int64_t> Subtitle() const { return h.engine.Selected(TrackKind::Subtitle); }
    PlayerHarness h;
};

TEST_F(MediaTracksTest, BStepsRoundTheAudioTracksAndVThroughTheSubtitlesAndOff) {
    Playing();
    Key('B');
    EXPECT_EQ(Audio(), 2);
    Key('B');
    EXPECT_EQ(Audio(), 1);  // round again

    EXPECT_EQ(Subtitle(), std::nullopt);
    Key('V');
    EXPECT_EQ(Subtitle(), 1);
    Key('V');
    EXPECT_EQ(Subtitle(), 2);
    Key('V');
    EXPECT_EQ(Subtitle(), std::nullopt);
    EXPECT_EQ(h.engine.log.back(), "SelectSubtitle off");
    Key('V');
    EXPECT_EQ(Subtitle(), 1);
}

TEST_F(MediaTracksTest, TrackKeysLeaveAFileWithoutChoiceAndAClosedPlayerAlone) {
    Film single = FilmWithTracks();
    single.tracks.resize(1);  // one audio track, no subtitles
    single.chapters.clear();
    Player& p = Playing(single);
    const std::size_t calls = h.engine.log.size();
    const std::size_t seeks = h.engine.seeks.size();
    Key('B');
    Key('V');
    Key(vk::PageDown);
    Key(vk::PageUp);
    EXPECT_EQ(h.engine.log.size(), calls);
    EXPECT_EQ(h.engine.seeks.size(), seeks);

    p.Command(PlayerCommand::Stop);
    h.Tick();
    p.Command(PlayerCommand::AudioTrackNext);
    p.Command(PlayerCommand::ChapterNext);
    EXPECT_EQ(h.engine.seeks.size(), seeks);
}

TEST_F(MediaTracksTest, PageKeysGoToTheNextChapterAndBackToTheStartOrTheOneBefore) {
    Playing();
    const std::size_t seeks = h.engine.seeks.size();
    Key(vk::PageDown);
    EXPECT_EQ(h.engine.position, 10 * kSecond);
    Key(vk::PageDown);
    EXPECT_EQ(h.engine.position, 20 * kSecond);
    Key(vk::PageDown);  // the last chapter: nowhere further
    EXPECT_EQ(h.engine.seeks.size(), seeks + 2);

    Key(vk::PageUp);  // just after a chapter's start: the one before
    EXPECT_EQ(h.engine.position, 10 * kSecond);
    h.engine.position = 17 * kSecond;
    Key(vk::PageUp);  // well into it: back to its own start
    EXPECT_EQ(h.engine.position, 10 * kSecond);

    // A first chapter that starts late: before it, back goes to the file's start.
    const std::vector<MediaChapter> late{{"", 5 * kSecond}, {"", 9 * kSecond}};
    EXPECT_EQ(ChapterTarget(late, 2 * kSecond, -1), MediaTime{});
    EXPECT_EQ(ChapterTarget(late, 2 * kSecond, 1), 5 * kSecond);
    EXPECT_EQ(ChapterTarget(late, MediaTime{}, -1), std::nullopt);
    EXPECT_EQ(ChapterTarget({}, MediaTime{}, 1), std::nullopt);
}

TEST_F(MediaTracksTest, ARightClickOnThePictureListsTracksAndChaptersAndAChoiceActs) {
    Player& p = Playing();
    h.engine.position = 12 * kSecond;
    RightClickPicture();
    ASSERT_EQ(h.dialogs.sectionMenus.size(), 1u);
    const std::vector<MenuSection>& s = h.dialogs.sectionMenus[0].sections;
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].items, (std::vector<std::string>{"1  [jpn]  日本語", "2  [eng]"}));
    EXPECT_EQ(s[0].checked, 0u);
    EXPECT_EQ(s[1].items, (std::vector<std::string>{"なし", "1  [jpn]", "2"}));
    EXPECT_EQ(s[1].checked, 0u);  // off
    EXPECT_EQ(s[2].items, (std::vector<std::string>{"1  0:00:00  Opening", "2  0:00:10  Middle", "3  0:00:20"}));
    EXPECT_EQ(s[2].checked, 1u);  // the chapter playing

    // Items count on through the sections: 1-2 audio, 3-5 subtitles, 6-8 chapters.
    p.Command(ChooseMenuItem{5});
    h.Tick();
    EXPECT_EQ(Subtitle(), 2);
    RightClickPicture();
    ASSERT_EQ(h.dialogs.sectionMenus.size(), 2u);
    EXPECT_EQ(h.dialogs.sectionMenus[1].sections[1].checked, 2u);
    p.Command(ChooseMenuItem{8});
    h.Tick();
    EXPECT_EQ(h.engine.position, 20 * kSecond);

    // A choice made for a file that has since closed does nothing.
    RightClickPicture();
    ASSERT_EQ(h.dialogs.sectionMenus.size(), 3u);
    const std::size_t choices = AudioChoices();
    p.Command(PlayerCommand::Stop);
    h.Tick();
    p.Command(ChooseMenuItem{2});
    h.Tick();
    EXPECT_EQ(AudioChoices(), choices);

    // A right press that leaves full screen opens no menu.
    p.VideoInputRecord().MarkFullScreen();
    p.VideoInputRecord().OnRButtonDown(1, 1);
    p.VideoInputRecord().ClearClicks();
    p.VideoInputRecord().OnRButtonUp(1, 1);
    EXPECT_FALSE(p.VideoInputRecord().TakeMenuClick());
}

TEST_F(MediaTracksTest, TheMenuListsAtMostFiftyItemsAroundTheCurrentOfHugeLists) {
    Film huge = FilmWithTracks();
    huge.duration = 20000 * kSecond;
    huge.chapters.clear();
    for (int i = 0; i < 10000; ++i) huge.chapters.push_back({std::string(300, 'x'), i * kSecond});
    huge.tracks.clear();
    for (int i = 1; i <= 40; ++i) huge.tracks.push_back({i, TrackKind::Subtitle, "", "", false, false, i == 40});
    Playing(huge);
    h.engine.position = 5000 * kSecond + MediaTime(1);
    RightClickPicture();
    ASSERT_EQ(h.dialogs.sectionMenus.size(), 1u);
    const std::vector<MenuSection>& s = h.dialogs.sectionMenus[0].sections;
    EXPECT_TRUE(s[0].items.empty());
    ASSERT_EQ(s[1].items.size(), 41u);  // off and all forty
    EXPECT_EQ(s[1].checked, 40u);
    ASSERT_EQ(s[2].items.size(), kVideoMenuSectionItems);
    EXPECT_EQ(s[2].checked, kVideoMenuSectionItems / 2);
    EXPECT_TRUE(s[2].items[s[2].checked.value()].starts_with("5001  1:23:20  xxx"));
    EXPECT_LT(s[2].items[0].size(), 120u);  // long titles are cut

    h.engine.position = 9999 * kSecond;  // at the end the list keeps fifty
    h.player->Command(ChooseMenuItem{0});
    h.Tick();
    RightClickPicture();
    ASSERT_EQ(h.dialogs.sectionMenus.size(), 2u);
    EXPECT_EQ(h.dialogs.sectionMenus[1].sections[2].items.size(), kVideoMenuSectionItems);
    EXPECT_EQ(h.dialogs.sectionMenus[1].sections[2].checked, kVideoMenuSectionItems - 1);
}

TEST(TrackLanguages, FromTheLocaleAndLanguageMostPreferredFirst) {
    const auto languages = [](std::map<std::string, std::string> env) {
        return TrackLanguages([&](const char* name) -> const char* {
            const auto it = env.find(name);
            return it == env.end() ? nullptr : it->second.c_str();
        });
    };
    using L = std::vector<std::string>;
    EXPECT_EQ(languages({{"LANG", "ja_JP.UTF-8"}}), (L{"jpn", "ja"}));
    EXPECT_EQ(languages({{"LANG", "en_US.UTF-8"}, {"LC_ALL", "fr_FR"}}), (L{"fra", "fre", "fr"}));
    EXPECT_EQ(languages({{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "de:ja_JP:eo"}}),
              (L{"deu", "ger", "de", "jpn", "ja", "eo", "eng", "en"}));
    EXPECT_EQ(languages({{"LANG", "ja_JP"}, {"LANGUAGE", "ja"}}), (L{"jpn", "ja"}));
    // No language: the C locale (LANGUAGE then counts for nothing), nothing set, or nonsense.
    EXPECT_EQ(languages({{"LANG", "C.UTF-8"}, {"LANGUAGE", "ja"}}), L{});
    EXPECT_EQ(languages({}), L{});
    EXPECT_EQ(languages({{"LANG", "POSIX"}}), L{});
    EXPECT_EQ(languages({{"LANG", "1x_;"}}), L{});
}

TEST(SubtitleFiles, OnlySubtitlesCarryingTheClipsNameTheExactNameFirst) {
    test::TempFolder folder;
    const std::string clip = folder.Write("clip.mkv", "").string();
    for (const char* name : {"clip.srt", "clip.en.ass", "clip.SSA", "clip.ja.vtt", "clip.sub", "clip.lrc", "clip.txt",
                             "clip.en.lrc", "clip.a.b.srt", "clip..srt", "clipper.srt", "other.srt", "clip.srt.bak"})
        folder.Write(name, "1\n");
    std::filesystem::create_directory(folder.path() / "clip.vtt");
    std::vector<std::string> names;
    for (const std::string& f : SubtitleFilesBeside(clip)) names.push_back(std::filesystem::path(f).filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"clip.SSA", "clip.srt", "clip.sub", "clip.en.ass", "clip.ja.vtt"}));

    EXPECT_TRUE(SubtitleFilesBeside((folder.path() / "gone" / "x.mkv").string()).empty());
    for (int i = 0; i < 40; ++i) folder.Write("clip." + std::to_string(i) + ".srt", "");
    EXPECT_EQ(SubtitleFilesBeside(clip).size(), kMaxSubtitleFiles);
}

}  // namespace
}  // namespace felux
