// Data files stay sound: names holding line breaks, links, permissions and temporaries of killed saves.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>

#include "PlayerHarness.h"
#include "TempFolder.h"
#include "app/DataFolder.h"
#include "engine/VolumeLog.h"
#include "io/TextFile.h"
#include "playlist/History.h"
#include "playlist/ListFile.h"

namespace felux {
namespace {

TEST(SavedFileSafety, ANameWithALineBreakNeverBecomesTwoLines) {
    test::TempFolder dir;
    Playlist list;
    list.Append("/m/a.mpg", "*first\ntitle");
    list.AppendPath("/m/evil\n/etc/passwd.mpg");
    list.AppendPath("/m/cr\r.mpg");
    list.Append("/m/b.mpg", "*bee");
    WriteCurrentList(list, dir.path() / "KR01.tob");
    EXPECT_EQ(dir.Read("KR01.tob"), "/m/a.mpg\r\n*first title\r\n/m/b.mpg\r\n*bee\r\n");
    SaveListFile(list, dir.path() / "saved.m3u", 0);
    EXPECT_EQ(dir.Read("saved.m3u"), "/m/a.mpg\r\n/m/b.mpg\r\n");

    History history;
    history.AddToHistory("/m/old.mpg");
    history.AddToHistory("/m/x\n/m/y.mpg");
    history.AddToHistory("/m/new.mpg");
    history.SaveHistory(dir.path() / "HIS.tob");
    EXPECT_EQ(dir.Read("HIS.tob"), "/m/new.mpg\r\n/m/old.mpg\r\n");

    // Records are name and volume line pairs: a split name would pair every later name with a
    // volume line that is not its own.
    VolumeLog log;
    for (const char* name : {"first", "two\nlines", "last"}) log.Register({}, {name, true, 0}, 10);
    ASSERT_TRUE(log.Save(dir.path()));
    VolumeLog back;
    back.Load(dir.path());
    ASSERT_EQ(back.Records().size(), 2u);
    EXPECT_EQ(back.Records()[0].name, "last");
    EXPECT_EQ(back.Records()[1].name, "first");
    EXPECT_EQ(back.Records()[1].volumeLine, back.Records()[0].volumeLine);
}

TEST(SavedFileSafety, ALineWithANulNamesNoFile) {
    // Cut at the NUL, the name would open a different file.
    test::TempFolder dir;
    using namespace std::string_literals;
    Playlist list;
    ASSERT_TRUE(LoadListFile(list, dir.Write("odd.m3u", "/a\0b.mpg\n/c.mpg\n"s)));
    ASSERT_EQ(list.Size(), 1u);
    EXPECT_EQ(list.PathAt(0), "/c.mpg");
    History history;
    history.LoadHistory(dir.Write("HIS.tob", "/x\0y.mpg\r\n/z.mpg\r\n"s));
    EXPECT_EQ(history.Entries(), std::vector<std::string>{"/z.mpg"});
}

TEST(SavedFileSafety, ASaveThroughALinkReplacesItsTargetAndKeepsThePermissions) {
    test::TempFolder dir;
    std::filesystem::create_directories(dir.path() / "real");
    const auto target = dir.Write("real/KR02.CFG", "old");
    ::chmod(target.c_str(), 0600);
    std::filesystem::create_directories(dir.path() / "data");
    // A relative link, and a link to that link.
    std::filesystem::create_symlink("../real/KR02.CFG", dir.path() / "data/KR02.CFG");
    std::filesystem::create_symlink("KR02.CFG", dir.path() / "data/alias");

    ASSERT_TRUE(io::WriteFileAtomic(dir.path() / "data/alias", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "data/alias"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "data/KR02.CFG"));
    EXPECT_EQ(dir.Read("real/KR02.CFG"), "new");
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);

    // A dangling link gets its target made; a loop of links fails without touching anything.
    std::filesystem::create_symlink("gone.vol", dir.path() / "data/data.vol");
    ASSERT_TRUE(io::WriteFileAtomic(dir.path() / "data/data.vol", "v"));
    EXPECT_EQ(dir.Read("data/gone.vol"), "v");
    std::filesystem::create_symlink("loop2", dir.path() / "data/loop1");
    std::filesystem::create_symlink("loop1", dir.path() / "data/loop2");
    EXPECT_FALSE(io::WriteFileAtomic(dir.path() / "data/loop1", "x"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "data/loop1"));
}

TEST(SavedFileSafety, TemporariesOfKilledSavesAreClearedAtStart) {
    test::TempFolder dir;
    std::filesystem::create_directories(dir.path() / "home");
    for (const char* name : {"KR01.tob.tmp123456", "HIS.tob.tmp0", "data.vol.tmp42", "data.pos.tmp9", "KR02.CFG.tmp7",
                             "KR01.tob.tmp1234567", "KR01.tob.tmpx", "KR01.tob.tmp", "movie.tmp12", "KR01.tob"})
        dir.Write("home/" + std::string(name), "x");
    const auto folder = ResolveDataFolder({(dir.path() / "home").string(), {}, std::nullopt, std::nullopt, "keys"});
    ASSERT_TRUE(folder);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(*folder)) left.push_back(entry.path().filename());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"KR01.tob", "KR01.tob.tmp", "KR01.tob.tmp1234567", "KR01.tob.tmpx",
                                              "KR02.sys", "movie.tmp12"}));
}

TEST(SavedFileSafety, SavesThatFailAtExitKeepTheOldFilesAndAreToldOnce) {
    test::PlayerHarness h;
    const std::string clip = h.AddMedia("clip.mpg");
    // A folder in a file's place: nothing can be renamed over it, as on a full or read-only disk.
    std::filesystem::create_directories(h.folder.path() / "HIS.tob/x");
    std::filesystem::create_directories(h.folder.path() / "data.vol/x");
    Player& p = h.Start({clip}, true);
    h.TickUntilStarted();
    h.folder.Write("KR01.tob", "/old/list.mpg\r\n");
    p.RequestExit();
    h.Tick();
    ASSERT_TRUE(p.Ended());
    const auto told = std::count_if(h.reports.begin(), h.reports.end(),
                                    [](const std::string& r) { return r.find("could not save") != std::string::npos; });
    EXPECT_EQ(told, 1);
    EXPECT_NE(h.reports.back().find("HIS.tob, data.vol in "), std::string::npos) << h.reports.back();
    EXPECT_EQ(h.reports.back().back(), '\n');
    EXPECT_TRUE(std::filesystem::is_directory(h.folder.path() / "HIS.tob/x"));
    EXPECT_NE(h.folder.Read("KR01.tob"), "/old/list.mpg\r\n") << "what can be saved still is";
    for (const auto& entry : std::filesystem::directory_iterator(h.folder.path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace felux
