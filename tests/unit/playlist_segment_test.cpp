// Play segment suffixes: recognising, stripping, formatting and appending segment entries.
#include <gtest/gtest.h>

#include "playlist/PlaySegmentSuffix.h"
#include "playlist/Playlist.h"

namespace felux {
namespace {

TEST(SegmentSuffix, FormatsDigitByDigitAndStripsOnlyRealSuffixes) {
    const std::string suffix = FormatSegmentSuffix(62003, 120000);
    EXPECT_EQ(suffix, "<<0:01:02:003-0:02:00:000>>");
    EXPECT_EQ(FormatSegmentSuffix(-5, 9 * 3600000 + 59 * 60000 + 59999), "<<0:00:00:000-9:59:59:999>>");
    EXPECT_EQ(StripSegmentSuffix("/v/a.mpg" + suffix), "/v/a.mpg");
    EXPECT_EQ(StripSegmentSuffix(suffix), suffix) << "the suffix alone is not longer than 27 characters";
    EXPECT_EQ(StripSegmentSuffix("/v/a.mpg"), "/v/a.mpg");
    EXPECT_EQ(StripSegmentSuffix(""), "");
}

TEST(SegmentSuffix, AppendSegmentEntryNeedsBothPointsAndReplacesAnOldSuffix) {
    Playlist list;
    AppendSegmentEntry(list, "/v/a.mpg", 1000, std::nullopt);
    AppendSegmentEntry(list, "/v/a.mpg", std::nullopt, 2000);
    EXPECT_EQ(list.Size(), 0u);
    AppendSegmentEntry(list, "/v/a.mpg<<0:00:00:000-0:00:01:000>>", 1000, 2000);
    ASSERT_EQ(list.Size(), 1u);
    EXPECT_EQ(list.PathAt(0), "/v/a.mpg<<0:00:01:000-0:00:02:000>>");
}

}  // namespace
}  // namespace felux
