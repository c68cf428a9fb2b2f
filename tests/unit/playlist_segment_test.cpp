// Play segment suffixes: recognising, stripping, formatting and appending segment entries.
#include <gtest/gtest.h>

#include "playlist/PlaySegmentSuffix.h"
#include "playlist/Playlist.h"

namespace felux {
namespace {

TEST(SegmentSuffix, RecognisedOnlyWhenEndingInAngleAndLongerThanTheSuffix) {
    const std::string suffix = "<<0:01:02:003-0:02:00:000>>";
    ASSERT_EQ(suffix.size(), kSegmentSuffixLength);
    EXPECT_EQ(StripSegmentSuffix("/v/a.mpg" + suffix), "/v/a.mpg");
    EXPECT_FALSE(HasSegmentSuffix(suffix)) << "exactly 27 characters is no entry with a suffix";
    EXPECT_EQ(StripSegmentSuffix(suffix), suffix);
    EXPECT_EQ(StripSegmentSuffix("/v/a.mpg"), "/v/a.mpg");
    EXPECT_EQ(StripSegmentSuffix(""), "");
    EXPECT_TRUE(HasSegmentSuffix("/v/some_longer_name_without_suffix.mp3>"));
}

TEST(SegmentSuffix, TimesAreCutDigitByDigit) {
    EXPECT_EQ(FormatSegmentSuffix(62003, 120000), "<<0:01:02:003-0:02:00:000>>");
    EXPECT_EQ(FormatSegmentSuffix(0, 9 * 3600000 + 59 * 60000 + 59999), "<<0:00:00:000-9:59:59:999>>");
    EXPECT_EQ(FormatSegmentSuffix(-5, 3723045), "<<0:00:00:000-1:02:03:045>>");
    EXPECT_EQ(FormatSegmentSuffix(36000000, 36000001).size(), kSegmentSuffixLength + 2);
}

TEST(SegmentSuffix, AppendSegmentEntryNeedsBothPointsAndReplacesAnOldSuffix) {
    Playlist list;
    AppendSegmentEntry(list, "/v/a.mpg", 1000, std::nullopt);
    AppendSegmentEntry(list, "/v/a.mpg", std::nullopt, 2000);
    EXPECT_EQ(list.Size(), 0u);
    AppendSegmentEntry(list, "/v/a.mpg<<0:00:00:000-0:00:01:000>>", 1000, 2000);
    ASSERT_EQ(list.Size(), 1u);
    EXPECT_EQ(list.PathAt(0), "/v/a.mpg<<0:00:01:000-0:00:02:000>>");
    EXPECT_EQ(list.TitleAt(0), "");
}

}  // namespace
}  // namespace felux
