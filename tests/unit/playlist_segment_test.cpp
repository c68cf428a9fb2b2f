// Play segment suffixes: recognising, stripping, formatting and appending segment entries.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "playlist/PlaySegmentSuffix.h"
#include "playlist/Playlist.h"

namespace felux {
namespace {

TEST(SegmentSuffix, FormatsDigitByDigitAndStripsOnlyRealSuffixes) {
    const std::string suffix = FormatSegmentSuffix(62003, 120000);
    EXPECT_EQ(suffix, "<<0:01:02:003-0:02:00:000>>");
    EXPECT_EQ(FormatSegmentSuffix(-5, 9 * 3600000 + 59 * 60000 + 59999), "<<0:00:00:000-9:59:59:999>>");
    EXPECT_EQ(StripSegmentSuffix("/v/a.mpg" + suffix), "/v/a.mpg");
    EXPECT_EQ(StripSegmentSuffix(suffix), suffix) << "a suffix needs a path before it";
    EXPECT_EQ(StripSegmentSuffix("/v/a.mpg"), "/v/a.mpg");
    EXPECT_EQ(StripSegmentSuffix(""), "");
}

// Names such as "take <2>" are files of their own: only the exact form makes a segment.
TEST(SegmentSuffix, OnlyTheExactFormIsASegment) {
    const std::vector<std::string> plains{"/v/take <2>",
                                          "/v/interview <part 2 of 3, the final cut>",
                                          std::string(26, 'x') + ">",  // 27 bytes
                                          "/v/" + std::string(24, 'x') + ">",
                                          "/v/a<<0:01:02:003-0:02:00:000>",
                                          "/v/a<<00:01:02:003-0:02:00:000>>",
                                          "/v/a<<0:01:02:003-0:02:00:0000>>",
                                          "/v/a<<:01:02:003-0:02:00:000>>",
                                          ">>"};
    for (const std::string& plain : plains) {
        EXPECT_FALSE(HasSegmentSuffix(plain)) << plain;
        EXPECT_EQ(StripSegmentSuffix(plain), plain);
        EXPECT_FALSE(ParseSegmentSuffix(plain)) << plain;
    }
    // Every character of the suffix counts: one of them changed, the entry is a plain path.
    const std::string suffix = "<<0:01:02:003-0:02:00:000>>";
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        const bool digit = suffix[i] >= '0' && suffix[i] <= '9';
        for (const char other : {'x', digit ? ':' : '7'}) {
            std::string entry = "/v/a.mpg" + suffix;
            entry[8 + i] = other;
            EXPECT_FALSE(HasSegmentSuffix(entry)) << entry;
            EXPECT_EQ(StripSegmentSuffix(entry), entry);
        }
    }
    // A path may itself end in '<', '-' or digits.
    EXPECT_EQ(StripSegmentSuffix("/v/a<" + suffix), "/v/a<");
    EXPECT_EQ(StripSegmentSuffix("/v/9-" + suffix), "/v/9-");
}

// The 27-character form up to 9:59:59.999, as old lists hold it; longer hours after that.
TEST(SegmentSuffix, PointsOfAnyLengthReadBackAsWritten) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(FormatSegmentSuffix(35999999, 36000000), "<<9:59:59:999-10:00:00:000>>");
    EXPECT_EQ(FormatSegmentSuffix(0, kMax), "<<0:00:00:000-2562047788015:12:55:807>>");
    for (const std::int64_t ms : std::initializer_list<std::int64_t>{
             0, 35999999, 36000000, 359999999, 360000000, 3600000LL * 1000000000000, kMax - 1, kMax}) {
        const std::string entry = "/v/a.mpg" + FormatSegmentSuffix(ms, 5000);
        const auto times = ParseSegmentSuffix(entry);
        ASSERT_TRUE(times) << entry;
        EXPECT_EQ(times->startMs, ms);
        EXPECT_EQ(times->endMs, 5000);
        EXPECT_EQ(StripSegmentSuffix(entry), "/v/a.mpg");
    }
    // Any digit still counts by its place, as old lists were read.
    const auto odd = ParseSegmentSuffix("/v/a.mpg<<9:99:99:999-0:00:05:000>>");
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->startMs, 9 * 3600000 + 99 * 60000 + 99 * 1000 + 999);
    // Past what a count of milliseconds holds, or absurdly long: a plain path.
    const std::vector<std::string> huges{"/v/a<<2562047788015:12:55:808-0:00:05:000>>",
                                         "/v/a<<0:00:00:000-25620477880150:00:00:000>>",
                                         "/v/a<<" + std::string(100000, '9') + ":00:00:000-0:00:05:000>>"};
    for (const std::string& huge : huges) {
        EXPECT_FALSE(ParseSegmentSuffix(huge));
        EXPECT_EQ(StripSegmentSuffix(huge), huge);
    }
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
