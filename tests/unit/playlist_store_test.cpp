// Playlist store: display lines, appending, swapping and removing missing entries with an editor attached.
#include <gtest/gtest.h>

#include "FakeEditorView.h"
#include "TempFolder.h"
#include "playlist/Playlist.h"

namespace felux {
namespace {

TEST(PlaylistStore, DisplayLinesShowNameExtensionAndSuffix) {
    EXPECT_EQ(DisplayLine("/v/a.mpg<<0:01:02:003-0:02:00:000>>", 1, false),
              " 0001 a.mpg  1:02.00\u20132:00.00");
    EXPECT_EQ(DisplayLine("/music.d/track", 12, true), ">0012 track");
    EXPECT_EQ(DisplayLine("C:\\v\\a.mpg", 3, false), " 0003 C:\\v\\a.mpg");
    EXPECT_EQ(DisplayLine("/x/y.wav", 12345, false), " 12345 y.wav");

    std::string line = ">0012 name 1.mpg";
    RenumberDisplayLine(line, 7);
    EXPECT_EQ(line, ">0007 name 1.mpg");
    RenumberDisplayLine(line, 10000);
    EXPECT_EQ(line, ">10000 name 1.mpg");
    RenumberDisplayLine(line, 9);
    EXPECT_EQ(line, ">0009 name 1.mpg");
}

TEST(PlaylistStore, AppendAddsANumberedLineButLeavesTheCachedCount) {
    Playlist list;
    FakeEditorView view;
    list.Append("/a/one.mpg", "*Title");
    list.AttachView(&view);
    view.Fill(list);
    list.AppendPath("/b/two.avi");
    EXPECT_EQ(list.TitleAt(1), "");
    EXPECT_EQ(view.lines, (std::vector<std::string>{">0001 one.mpg", " 0002 two.avi"}));
    list.Clear();
    EXPECT_EQ(view.lines.size(), 0u);
}

TEST(PlaylistStore, SwapMovesEntriesAndTheCurrentMarkWithThem) {
    Playlist list;
    FakeEditorView view;
    for (const char* p : {"/a.mpg", "/b.mpg", "/c.mpg", "/d.mpg"}) list.Append(p, std::string("*") + p);
    list.editorCurrent = 1;
    list.AttachView(&view);
    view.Fill(list);

    list.SwapEntries(1, 3);
    EXPECT_EQ(list.PathAt(1), "/d.mpg");
    EXPECT_EQ(list.TitleAt(1), "*/d.mpg");
    EXPECT_EQ(list.PathAt(3), "/b.mpg");
    EXPECT_EQ(list.TitleAt(3), "*/b.mpg");
    EXPECT_EQ(list.editorCurrent, 3);
    EXPECT_EQ(view.lines, (std::vector<std::string>{" 0001 a.mpg", " 0002 d.mpg", " 0003 c.mpg", ">0004 b.mpg"}));

    list.SwapEntries(3, 0);
    EXPECT_EQ(list.editorCurrent, 0);
    list.SwapEntries(1, 2);
    EXPECT_EQ(list.editorCurrent, 0) << "a swap not touching the current entry leaves the mark alone";
    EXPECT_EQ(view.lines, (std::vector<std::string>{">0001 b.mpg", " 0002 c.mpg", " 0003 d.mpg", " 0004 a.mpg"}));
}

class PlaylistRemoveMissing : public ::testing::Test {
protected:
    // Entries 0..n-1; those in present exist as files.
    void Build(std::size_t n, std::initializer_list<std::size_t> present) {
        for (std::size_t i = 0; i < n; ++i) {
            const std::string name = "f" + std::to_string(i) + ".mpg";
            list.AppendPath((folder.path() / name).string());
        }
        for (std::size_t i : present) folder.Write("f" + std::to_string(i) + ".mpg", "x");
        list.AttachView(&view);
        view.Fill(list);
    }
    test::TempFolder folder;
    Playlist list;
    FakeEditorView view;
};

TEST_F(PlaylistRemoveMissing, RemovesUntilAnEntryOpensAndRenumbers) {
    list.editorCurrent = 6;
    Build(7, {0, 1, 5, 6});
    EXPECT_TRUE(list.RemoveMissing(2));
    ASSERT_EQ(list.Size(), 4u);
    EXPECT_EQ(list.PathAt(2), (folder.path() / "f5.mpg").string());
    EXPECT_EQ(view.lines, (std::vector<std::string>{" 0001 f0.mpg", " 0002 f1.mpg", " 0003 f5.mpg",
                                                    ">0004 f6.mpg"}));
    EXPECT_EQ(list.editorCurrent, 3);
}

TEST_F(PlaylistRemoveMissing, AllMissingFromStartAndFoldersDoNotOpen) {
    Build(5, {0, 1});
    std::filesystem::create_directory(folder.path() / "f2.mpg");
    list.AppendPath((folder.path() / "f3.mpg<<0:00:01:000-0:00:02:000>>").string());
    view.Fill(list);
    EXPECT_FALSE(list.RemoveMissing(2));
    EXPECT_EQ(list.Size(), 2u);
    EXPECT_EQ(view.lines.size(), 2u);

    folder.Write("f4.mpg", "x");
    list.AppendPath((folder.path() / "f4.mpg<<0:00:01:000-0:00:02:000>>").string());
    EXPECT_TRUE(list.RemoveMissing(2)) << "a segment suffix is not part of the file name";

    Playlist empty;
    empty.editorCurrent = 3;
    EXPECT_FALSE(empty.RemoveMissing(0));
    EXPECT_EQ(empty.editorCurrent, 0);
}

}  // namespace
}  // namespace felux
