// List files: reading .tob and .m3u in any line-end style and encoding, writing KR01.tob and saved lists.
#include <gtest/gtest.h>

#include "FakeEditorView.h"
#include "TempFolder.h"
#include "io/TextFile.h"
#include "playlist/ListFile.h"

namespace felux {
namespace {

class ListFileTest : public ::testing::Test {
protected:
    std::vector<std::string> Paths() const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < list.Size(); ++i) out.push_back(list.PathAt(i));
        return out;
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < list.Size(); ++i) out.push_back(list.TitleAt(i));
        return out;
    }
    std::string Dir() const { return folder.path().string(); }

    test::TempFolder folder;
    Playlist list;
};

TEST_F(ListFileTest, ClassifiesAbsoluteTitleDrivelessAndRelativeLines) {
    std::filesystem::create_directory(folder.path() / "bare");
    const auto file = folder.Write("x.tob",
                                   "/a/b.mpg\r\n*My title\r\n\\c\\d.avi\r\ne\\f.wav\r\n\r\n"
                                   "C:\\win\\g.mpg\r\n" + Dir() + "/bare\r\n../up.mp3\r\n");
    EXPECT_TRUE(LoadListFile(list, file));
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/a/b.mpg", "/c/d.avi", Dir() + "/e/f.wav", "C:\\win\\g.mpg",
                                                 Dir() + "/../up.mp3"}));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"*My title", "", "", "", ""}));
}

TEST_F(ListFileTest, StreamsStayAsWrittenAndOtherAddressesAreLeftOut) {
    for (const char* name : {"s.tob", "s.m3u"}) {
        list.Clear();
        const auto file = folder.Write(name,
                                       "http://127.0.0.1:8000/a.mp4\r\n*Radio\r\nHTTPS://localhost/live\r\n"
                                       "rtsp://cam/live.sdp\r\nftp://h/b.mp4\r\nhttp:///nohost.mp4\r\nfile:///v/c%20d.mpg\r\n");
        EXPECT_TRUE(LoadListFile(list, file));
        const bool m3u = std::string(name).ends_with(".m3u");
        std::vector<std::string> expected = {"http://127.0.0.1:8000/a.mp4", "HTTPS://localhost/live"};
        // An m3u's file:// address names a file; a .tob never held such lines.
        if (m3u) expected.push_back("/v/c d.mpg");
        EXPECT_EQ(Paths(), expected) << name;
        EXPECT_EQ(list.TitleAt(0), "*Radio");
    }
    // Saved with paths relative to the list's folder, a stream is written as it is.
    ASSERT_TRUE(SaveListFile(list, folder.path() / "out.tob", 2));
    list.Clear();
    EXPECT_TRUE(LoadListFile(list, folder.path() / "out.tob"));
    EXPECT_EQ(Paths(), (std::vector<std::string>{"http://127.0.0.1:8000/a.mp4", "HTTPS://localhost/live", "/v/c d.mpg"}));
}

TEST_F(ListFileTest, AppendsTitlesToTheExistingListAndReportsWhatWasTaken) {
    EXPECT_FALSE(LoadListFile(list, folder.Write("t.tob", "*orphan title\r\nfolder\r\n")))
        << "a title with nothing to name, and a line without a dot, take nothing";
    EXPECT_EQ(list.Size(), 0u);

    list.AppendPath("/old.mpg");
    EXPECT_TRUE(LoadListFile(list, folder.Write("u.tob", "*late title\r\n")));
    EXPECT_EQ(list.Size(), 1u);
    EXPECT_EQ(list.TitleAt(0), "*late title");

    EXPECT_TRUE(LoadListFile(list, folder.Write("v.tob", "/new.mpg\r\n*first\r\n*second\r\n")));
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/old.mpg", "/new.mpg"}));
    EXPECT_EQ(list.TitleAt(1), "*second");

    EXPECT_FALSE(LoadListFile(list, folder.path() / "missing.tob"));
    EXPECT_FALSE(LoadListFile(list, folder.path()));
}

TEST_F(ListFileTest, AllLineEndStylesKeepEveryCharacter) {
    const auto file = folder.Write("mixed.tob", "/a/one.mpg\n/a/two.mpg\r/a/three.mpg\r\n/a/four.mpg");
    EXPECT_TRUE(LoadListFile(list, file));
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/a/one.mpg", "/a/two.mpg", "/a/three.mpg", "/a/four.mpg"}));
}

TEST_F(ListFileTest, ShiftJisAndUtf8NamesLoadAsUtf8) {
    // 日本.mpg and 動画\\曲.mp3 in CP932, relative to the list.
    const auto sjis = folder.Write("sjis.tob", "/m/\x93\xfa\x96\x7b.mpg\r\n\x93\xae\x89\xe6\\\x8b\xc8.mp3\r\n"
                                               "*\x83\x5e\x83\x43\x83\x67\x83\x8b\r\n");
    EXPECT_TRUE(LoadListFile(list, sjis));
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/m/日本.mpg", Dir() + "/動画/曲.mp3"}));
    EXPECT_EQ(list.TitleAt(1), "*タイトル");

    list.Clear();
    EXPECT_TRUE(LoadListFile(list, folder.Write("utf8.m3u", "\xEF\xBB\xBF/m/日本.mpg\n")));
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/m/日本.mpg"}));
}

TEST_F(ListFileTest, EachLineKeepsItsOwnEncodingAndExistingByteNamesStay) {
    // A Latin-1 line must not drag the UTF-8 lines into Shift-JIS; a name unpacked as
    // Shift-JIS bytes that exists on disk is that file, not its decoded spelling.
    folder.Write("\x93\xfa.mpg", "");
    // (These UTF-8 lines cannot be Shift-JIS: a line that can be both is read the way its file is.)
    const auto file = folder.Write("mixed.tob", "/m/日本語.mpg\r\n*題名だ\r\n/m/caf\xe9.mpg\r\n\x93\xfa.mpg\r\n"
                                                "/m/\x96\x7b.mpg\r\n*\x83\x5e\r\n");
    EXPECT_TRUE(LoadListFile(list, file));
    ASSERT_EQ(list.Size(), 4u);
    EXPECT_EQ(list.PathAt(0), "/m/日本語.mpg");
    EXPECT_EQ(list.TitleAt(0), "*題名だ");
    EXPECT_TRUE(io::IsValidUtf8(list.PathAt(1)));
    EXPECT_EQ(list.PathAt(2), Dir() + "/\x93\xfa.mpg");
    EXPECT_EQ(list.PathAt(3), "/m/本.mpg") << "a byte name that does not exist is decoded";
    EXPECT_EQ(list.TitleAt(3), "*タ");

    WriteCurrentList(list, folder.path() / "KR01.tob");
    list.Clear();
    EXPECT_TRUE(LoadListFile(list, folder.path() / "KR01.tob"));
    EXPECT_EQ(list.PathAt(2), Dir() + "/\x93\xfa.mpg") << "and survives the next start";
}

TEST_F(ListFileTest, EntriesWithoutADotReadBackFromTheCurrentAndSavedLists) {
    const std::filesystem::path lists = folder.path() / "lists";
    std::filesystem::create_directory(lists);
    list.AppendPath("/music/track01");
    list.AppendPath(lists.string() + "/track02");
    list.AppendPath(lists.string() + "/*star.mpg");
    WriteCurrentList(list, folder.path() / "KR01.tob");
    SaveListFile(list, lists / "x.tob", 2);
    for (const std::filesystem::path& file : {folder.path() / "KR01.tob", lists / "x.tob"}) {
        Playlist back;
        EXPECT_TRUE(LoadListFile(back, file));
        ASSERT_EQ(back.Size(), 3u) << file;
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(back.PathAt(i), list.PathAt(i)) << file;
        EXPECT_EQ(back.TitleAt(2), "") << file;
    }
}

TEST_F(ListFileTest, M3uCommentsAreSkippedAndFileUrisBecomePaths) {
    const auto file = folder.Write("play.M3U",
                                   "#EXTM3U\n#EXTINF:215,Artist - Song feat. Someone.\n/music/song.mp3\n"
                                   "#EXTINF:-1,Radio\nsub/track.ogg\n");
    EXPECT_TRUE(LoadListFile(list, file));
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/music/song.mp3", Dir() + "/sub/track.ogg"}));

    list.Clear();
    EXPECT_TRUE(LoadListFile(list, folder.Write("uri.m3u8", "#EXTM3U\r\nfile:///m/My%20Song%E6%97%A5.mp3\r\n"
                                                            "file://localhost/m/100%.mp3\r\n")));
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/m/My Song日.mp3", "/m/100%.mp3"}));

    list.Clear();
    EXPECT_TRUE(LoadListFile(list, folder.Write("hash.tob", "#1 hit.mp3\r\n")));
    EXPECT_EQ(Paths(), (std::vector<std::string>{Dir() + "/#1 hit.mp3"})) << "in a .tob, # is part of a name";
}

TEST_F(ListFileTest, EmptyBinaryLongAndHugeFilesAreSafe) {
    EXPECT_FALSE(LoadListFile(list, folder.Write("empty.tob", "")));

    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i * 7 % 256);
    LoadListFile(list, folder.Write("binary.tob", binary));
    list.Clear();

    const std::string longName = "/" + std::string(1000, 'n') + ".mpg";
    EXPECT_TRUE(LoadListFile(list, folder.Write("long.tob", longName + "\r\n")));
    EXPECT_EQ(Paths(), (std::vector<std::string>{longName}));
    list.Clear();

    // 1,200,000 short lines: only the first 1,000,000 are taken.
    std::string many;
    for (int i = 0; i < 1'200'000; ++i) many += "/a.b\n";
    EXPECT_TRUE(LoadListFile(list, folder.Write("many.tob", many)));
    EXPECT_EQ(list.Size(), 1'000'000u);
    list.Clear();

    // Over 64 MiB: the part within the bound is taken, ending at a whole line.
    const std::string line = "/" + std::string(1020, 'z') + ".mp\r\n";
    std::string huge;
    while (huge.size() <= (std::size_t{64} << 20)) huge += line;
    EXPECT_TRUE(LoadListFile(list, folder.Write("huge.tob", huge)));
    EXPECT_EQ(list.Size(), (std::size_t{64} << 20) / line.size());
    EXPECT_EQ(list.PathAt(list.Size() - 1), line.substr(0, line.size() - 2));
}

TEST_F(ListFileTest, LoadingWithAnEditorAddsNumberedLines) {
    FakeEditorView view;
    list.AppendPath("/x/first.mpg");
    list.AttachView(&view);
    view.Fill(list);
    LoadListFile(list, folder.Write("e.tob", "/y/second.mpg\r\n*t\r\n/z/third.mp3\r\n"));
    EXPECT_EQ(view.lines, (std::vector<std::string>{">0001 first.mpg", " 0002 second.mpg", " 0003 third.mp3"}));
}

TEST_F(ListFileTest, CurrentListIsWrittenWithLongTitlesAndEmptyOnlyWhenTheUserEmptiedIt) {
    // Found empty (its file unreadable, say): the file stays as it was.
    const auto file = folder.Write("KR01.tob", "/previous.mpg\r\n");
    list.AppendPath("/gone.mpg");
    list.RemoveAt(0);
    WriteCurrentList(list, file);
    EXPECT_EQ(folder.Read("KR01.tob"), "/previous.mpg\r\n");
    // Emptied by the user, as the editor leaves it: the next start shows an empty list.
    list.currentRemoved = true;
    EXPECT_TRUE(WriteCurrentList(list, file));
    EXPECT_EQ(folder.Read("KR01.tob"), "");
    list.currentRemoved = false;

    list.Append("/a/b.mpg<<0:00:01:000-0:00:02:000>>", "*ab");
    list.Append("/a/c.mpg", "*a");
    list.Append("/a/日本.mpg", "");
    WriteCurrentList(list, file);
    EXPECT_EQ(folder.Read("KR01.tob"), "/a/b.mpg<<0:00:01:000-0:00:02:000>>\r\n*ab\r\n/a/c.mpg\r\n/a/日本.mpg\r\n");

    Playlist back;
    EXPECT_TRUE(LoadListFile(back, file));
    ASSERT_EQ(back.Size(), 3u);
    EXPECT_EQ(back.PathAt(0), list.PathAt(0));
    EXPECT_EQ(back.TitleAt(0), "*ab");
    EXPECT_EQ(back.PathAt(2), "/a/日本.mpg");
}

TEST_F(ListFileTest, SavedListsRoundTripInEveryPathMode) {
    const std::filesystem::path lists = folder.path() / "lists";
    std::filesystem::create_directory(lists);
    list.Append(lists.string() + "/sub/a.mpg", "*not written");
    list.AppendPath(lists.string() + "2/b.mpg");
    list.AppendPath(folder.path().string() + "/LISTS/c.mpg");
    list.AppendPath("/elsewhere/d.mp3");

    SaveListFile(list, lists / "x.m3u", 2);
    EXPECT_EQ(folder.Read("lists/x.m3u"), "sub/a.mpg\r\n" + list.PathAt(1) + "\r\n" + list.PathAt(2) +
                                              "\r\n/elsewhere/d.mp3\r\n");
    for (int mode : {0, 1, 2}) {
        SaveListFile(list, lists / "x.tob", mode);
        Playlist back;
        EXPECT_TRUE(LoadListFile(back, lists / "x.tob"));
        ASSERT_EQ(back.Size(), 4u) << "mode " << mode;
        for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(back.PathAt(i), list.PathAt(i)) << "mode " << mode;
        EXPECT_EQ(back.TitleAt(0), "");
    }
    SaveListFile(Playlist{}, lists / "x.tob", 0);
    EXPECT_EQ(folder.Read("lists/x.tob"), "");
}

}  // namespace
}  // namespace felux
