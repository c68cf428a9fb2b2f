// Play history: newest first, bounded, de-duplicated exactly, and kept in HIS.tob.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "playlist/History.h"

namespace felux {
namespace {

TEST(History, KeepsTheTwentyNewestAndMovesRepeatsToTheTop) {
    History history;
    for (int i = 1; i <= 25; ++i) history.AddToHistory("/f/" + std::to_string(i) + ".mpg");
    ASSERT_EQ(history.Entries().size(), 20u);
    EXPECT_EQ(history.Entries().front(), "/f/25.mpg");
    EXPECT_EQ(history.Entries().back(), "/f/6.mpg");

    history.AddToHistory("/f/10.mpg");
    EXPECT_EQ(history.Entries().size(), 20u);
    EXPECT_EQ(history.Entries()[0], "/f/10.mpg");
    EXPECT_EQ(history.Entries()[1], "/f/25.mpg");
    EXPECT_EQ(std::count(history.Entries().begin(), history.Entries().end(), "/f/10.mpg"), 1);

    history.AddToHistory("/f/6.mpg");
    EXPECT_EQ(history.Entries().size(), 20u);
    EXPECT_EQ(history.Entries()[0], "/f/6.mpg") << "the oldest, re-added, comes back to the top once";

    history.AddToHistory("/F/6.MPG");
    EXPECT_EQ(history.Entries()[1], "/f/6.mpg") << "letter case makes a different file";
}

TEST(History, SavesAndLoadsOnlyAbsolutePathsInAnyEncoding) {
    test::TempFolder folder;
    History history;
    history.SaveHistory(folder.path() / "HIS.tob");
    EXPECT_EQ(folder.Read("HIS.tob"), "");

    history.AddToHistory("/a/old.mpg");
    history.AddToHistory("/a/日本.mpg");
    history.SaveHistory(folder.path() / "HIS.tob");
    EXPECT_EQ(folder.Read("HIS.tob"), "/a/日本.mpg\r\n/a/old.mpg\r\n");

    History loaded;
    loaded.AddToHistory("/stale.mpg");
    loaded.LoadHistory(folder.path() / "HIS.tob");
    EXPECT_EQ(loaded.Entries(), history.Entries());

    folder.Write("old.tob", "C:\\win\\a.mpg\r\nrelative.mpg\n/x/\x93\xfa\x96\x7b.mpg\r/y/b.mp3\n\n");
    loaded.LoadHistory(folder.path() / "old.tob");
    EXPECT_EQ(loaded.Entries(), (std::vector<std::string>{"/x/日本.mpg", "/y/b.mp3"}));

    // A line readable only one way keeps its encoding; bytes that name an existing file stay as
    // they are.
    const std::string byteName = (folder.path() / "\x93\xfa.mpg").string();
    folder.Write("\x93\xfa.mpg", "");
    folder.Write("mixed.tob", "/a/日本語.mpg\r\n/a/caf\xe9.mpg\r\n" + byteName + "\r\n/b/\x96\x7b.mpg\r\n");
    loaded.LoadHistory(folder.path() / "mixed.tob");
    ASSERT_EQ(loaded.Entries().size(), 4u);
    EXPECT_EQ(loaded.Entries()[0], "/a/日本語.mpg");
    EXPECT_EQ(loaded.Entries()[2], byteName);
    EXPECT_EQ(loaded.Entries()[3], "/b/本.mpg");

    std::string many;
    for (int i = 0; i < 50; ++i) many += "/m/" + std::to_string(i) + ".mp3\r\n";
    folder.Write("many.tob", many);
    loaded.LoadHistory(folder.path() / "many.tob");
    EXPECT_EQ(loaded.Entries().size(), 20u);
    EXPECT_EQ(loaded.Entries().back(), "/m/19.mp3");

    loaded.LoadHistory(folder.path() / "missing.tob");
    EXPECT_TRUE(loaded.Entries().empty());
    folder.Write("huge.tob", std::string(3u << 20, '\0'));
    loaded.LoadHistory(folder.path() / "huge.tob");
    EXPECT_TRUE(loaded.Entries().empty());
}

}  // namespace
}  // namespace felux
