// The companion audio search and the title line of the open file.
#include <gtest/gtest.h>

#include <set>

#include "engine/CompanionAudio.h"
#include "player/TitleLine.h"

namespace felux {
namespace {

constexpr MediaTime kSecond = std::chrono::seconds(1);

class CompanionSearch : public ::testing::Test {
protected:
    std::optional<std::string> Find(const std::string& video, const std::string& flags) {
        tried.clear();
        return FindCompanionAudio(video, flags, "/f1/", "/f2/", [this](const std::string& p) {
            tried.push_back(p);
            return present.count(p) != 0;
        });
    }
    std::set<std::string> present;
    std::vector<std::string> tried;
};

TEST_F(CompanionSearch, TriesEveryPlaceForOneExtensionBeforeTheNext) {
    present = {"/v/clip.mp3", "/f1/clip.wav"};
    EXPECT_EQ(Find("/v/clip.mpg", "1111111"), "/f1/clip.wav");
    EXPECT_EQ(tried, (std::vector<std::string>{"/v/clip.wav", "/f1/clip.wav"}));
    present = {"/f2/clip.mp2"};
    EXPECT_EQ(Find("/v/clip.mpg", "1111111"), "/f2/clip.mp2");
    EXPECT_EQ(tried.size(), 6u);
}

TEST_F(CompanionSearch, SkipsItsOwnExtensionAndTheFlagsThatAreOff) {
    present = {"/v/song.wav", "/v/song.mp3"};
    EXPECT_EQ(Find("/v/song.WAV", "1100111"), "/v/song.mp3");
    EXPECT_EQ(Find("/v/clip.mpg", "0100111"), std::nullopt);  // off: the caller does not search
    EXPECT_FALSE(SyncPlaybackOn("0100111"));
    EXPECT_TRUE(SyncPlaybackOn("1100111"));
    EXPECT_EQ(Find("/v/song.mpg", "1100011"), "/v/song.mp3");  // .wav not wanted
    // Folder flags off: only the search folders are tried; short flag texts count as off.
    EXPECT_EQ(Find("/v/song.mpg", "1010111"), std::nullopt);
    EXPECT_EQ(tried, (std::vector<std::string>{"/f1/song.wav", "/f1/song.mp2", "/f1/song.mp3"}));
    EXPECT_EQ(Find("/v/song.mpg", "11"), std::nullopt);
    EXPECT_TRUE(tried.empty());
}

TEST(TitleLine, ChosenFromTheTitleEntryTheTagOrTheName) {
    const MediaTime length = (3600 + 2 * 60 + 5) * kSecond;
    EXPECT_EQ(TitleLine("*My song", {}, "file", length), " My song ");
    EXPECT_EQ(TitleLine("", MediaTags{"T", "A", "", {}}, "file", length), " T:A");
    EXPECT_EQ(TitleLine("", MediaTags{"", "A", "", {}}, "file", length), " file:A");
    EXPECT_EQ(TitleLine("", MediaTags{"T", "", "", {}}, "file", length), " file");
    EXPECT_EQ(TitleLine("", MediaTags{}, "file", length), " file  <1:02:05>");
    EXPECT_EQ(TitleLine("", {}, "clip", length), " clip  <1:02:05>");
    EXPECT_EQ(TitleLine("title without star", {}, "clip", MediaTime{}), " clip  <0:00:00>");
}

}  // namespace
}  // namespace felux
