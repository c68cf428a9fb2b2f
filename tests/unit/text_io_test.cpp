// Bounded reads, atomic writes, the UTF-8 / Shift-JIS rule, line cutting and integer reading.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>

#include "TempFolder.h"
#include "io/TextFile.h"
#include "io/TextLines.h"

namespace felux {
namespace {

TEST(TextFile, ReadsOnlyRegularFilesAndOnlyUpToTheLimit) {
    test::TempFolder dir;
    dir.Write("a.txt", "0123456789");
    EXPECT_EQ(io::ReadFileBounded(dir.path() / "a.txt", 4), "0123");
    EXPECT_EQ(io::ReadFileBounded(dir.path() / "a.txt", 100), "0123456789");
    EXPECT_FALSE(io::ReadFileBounded(dir.path() / "missing", 100));
    EXPECT_FALSE(io::ReadFileBounded(dir.path(), 100));
    const auto fifo = dir.path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(io::ReadFileBounded(fifo, 100));  // returns at once, no writer needed
}

TEST(TextFile, AtomicWriteReplacesWholeOrNothing) {
    test::TempFolder dir;
    dir.Write("x", "old");
    EXPECT_TRUE(io::WriteFileAtomic(dir.path() / "x", "new content"));
    EXPECT_EQ(dir.Read("x"), "new content");
    EXPECT_FALSE(io::WriteFileAtomic(dir.path() / "no-folder" / "x", "y"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left
}

TEST(TextFile, ValidUtf8StaysAndEverythingElseIsShiftJis) {
    EXPECT_EQ(io::ToUtf8("plain /path.mpg"), "plain /path.mpg");
    EXPECT_EQ(io::ToUtf8("日本語.mpg"), "日本語.mpg");
    EXPECT_EQ(io::ToUtf8("\x93\xfa\x96\x7b\x8c\xea.mpg"), "日本語.mpg");
    EXPECT_EQ(io::ToUtf8("\x82\xa0"), "あ");
    EXPECT_EQ(io::ToUtf8("a\x82"), "a\xEF\xBF\xBD");  // a lead byte cut off by the end
    EXPECT_FALSE(io::IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(io::IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(io::IsValidUtf8("\xE6\x97"));          // truncated
    EXPECT_TRUE(io::IsValidUtf8("\xF0\x9F\x8E\xB5"));
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 131) % 256);
    EXPECT_TRUE(io::IsValidUtf8(io::ToUtf8(garbage)));
}

TEST(TextFile, ALineValidBothWaysIsReadTheWayItsFileIs) {
    // "ﾃｽ" in Shift-JIS is C3 BD, which is also "ý" in UTF-8.
    const std::string both = "[00:02:00]\xC3\xBD";
    EXPECT_EQ(io::LinesToUtf8("[00:01:00]\x83\x65\x83\x58\x83\x67\r\n" + both + "\r\n"),
              "[00:01:00]テスト\r\n[00:02:00]ﾃｽ\r\n");
    EXPECT_EQ(io::LinesToUtf8("[00:01:00]テスト\r\n" + both + "\r\n"), "[00:01:00]テスト\r\n[00:02:00]ý\r\n");
    // Nothing else to go by: UTF-8, as a line alone always was.
    EXPECT_EQ(io::LinesToUtf8(both + "\n\n"), "[00:02:00]ý\n\n");
    EXPECT_TRUE(io::IsValidShiftJis("\x83\x65\xB1 a"));
    EXPECT_FALSE(io::IsValidShiftJis("\x83"));      // a lead byte cut off by the end
    EXPECT_FALSE(io::IsValidShiftJis("\x83\x7F"));  // no trail byte
    EXPECT_FALSE(io::IsValidShiftJis("\xA0"));
}

TEST(TextLines, LinesEndAtAnyLineEndAndNumbersSaturate) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(io::SplitLines("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(io::SplitLines("a\r\n\r\nb\r\n"), (V{"a", "", "b"}));
    EXPECT_EQ(io::SplitLines("a\n\r"), (V{"a", ""}));
    EXPECT_TRUE(io::SplitLines("").empty());
    EXPECT_EQ(io::ParseInt("  -42x"), -42);
    EXPECT_EQ(io::ParseInt("+7"), 7);
    EXPECT_EQ(io::ParseInt("x1"), 0);
    EXPECT_EQ(io::ParseInt("-"), 0);
    EXPECT_EQ(io::ParseInt("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(io::ParseInt("-2147483648"), INT_MIN);
    EXPECT_EQ(io::ParseInt("-99999999999999999999999"), INT_MIN);
}

TEST(TextFile, Utf8EndsAtEachFormsBoundaries) {
    // The largest overlong form of each length against the smallest proper one.
    EXPECT_FALSE(io::IsValidUtf8("\xC1\xBF"));
    EXPECT_TRUE(io::IsValidUtf8("\xC2\x80"));
    EXPECT_FALSE(io::IsValidUtf8("\xE0\x9F\xBF"));
    EXPECT_TRUE(io::IsValidUtf8("\xE0\xA0\x80"));
    EXPECT_FALSE(io::IsValidUtf8("\xF0\x8F\xBF\xBF"));
    EXPECT_TRUE(io::IsValidUtf8("\xF0\x90\x80\x80"));
    // The surrogates' neighbours, and the last code point against the first past it.
    EXPECT_TRUE(io::IsValidUtf8("\xED\x9F\xBF"));
    EXPECT_FALSE(io::IsValidUtf8("\xED\xBF\xBF"));
    EXPECT_TRUE(io::IsValidUtf8("\xEE\x80\x80"));
    EXPECT_TRUE(io::IsValidUtf8("\xF4\x8F\xBF\xBF"));
    EXPECT_FALSE(io::IsValidUtf8("\xF4\x90\x80\x80"));
}

}  // namespace
}  // namespace felux
