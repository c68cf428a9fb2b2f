// Dropped items scanned into the playlist: extension table, breadth-first order, list files, bad trees.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "TempFolder.h"
#include "playlist/FolderScan.h"

namespace felux {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Scan(const std::vector<std::string>& items, std::size_t budget = 1000,
                              bool* listLoaded = nullptr) {
    Playlist list;
    DropScan scan;
    scan.Start(items);
    for (int guard = 0; !scan.Step(list, budget); ++guard)
        if (guard > 100000) ADD_FAILURE() << "scan never ends";
    if (listLoaded) *listLoaded = scan.ListLoaded();
    std::vector<std::string> out;
    for (std::size_t i = 0; i < list.Size(); ++i) out.push_back(list.PathAt(i));
    return out;
}

// The names of a folder in the order the file system lists them.
std::vector<std::string> Listed(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    return names;
}

TEST(FolderScan, ExtensionTableTakesFourteenExtensionsInAnyCase) {
    for (const char* name : {"a.mpg", "a.AVI", "a.mov", "a.Mp3", "a.rmp", "a.dat", "a.asf", "a.wav", "a.MPEG", "a.ra",
                             "a.wma", "x.tar.mpg"})
        EXPECT_EQ(ClassifyScannedFile(name), ScannedFile::Entry) << name;
    for (const char* name : {"a.jpg", "a.JPEG", "a.bmp"}) EXPECT_EQ(ClassifyScannedFile(name), ScannedFile::Picture) << name;
    for (const char* name : {"a.txt", "a.tob", "a.M3U", "mpg", "a.mpg.part", "a.", ""})
        EXPECT_EQ(ClassifyScannedFile(name), ScannedFile::Skip) << name;
    // The switches decide: "every other extension" and list files when turned on.
    EXPECT_EQ(ClassifyScannedFile("a.txt", "0000000000010000000"), ScannedFile::Entry);
    EXPECT_EQ(ClassifyScannedFile("a.TOB", "0000000000000001000"), ScannedFile::ListFile);
    EXPECT_EQ(ClassifyScannedFile("a.mpg", "0111111111100000111"), ScannedFile::Skip);
    EXPECT_EQ(ClassifyScannedFile("a.jpg", "1111111111100000011"), ScannedFile::Skip);
}

TEST(FolderScan, FolderFilesComeBeforeSubfoldersLevelByLevel) {
    test::TempFolder t;
    const fs::path root = t.path() / "drop";
    fs::create_directories(root / "s" / "deep");
    fs::create_directories(root / "t");
    t.Write("drop/a.mpg", "m");
    t.Write("drop/b.txt", "m");
    t.Write("drop/c.JPEG", "m");
    t.Write("drop/x.tob", "/elsewhere.mpg\r\n");
    t.Write("drop/s/d.mp3", "m");
    t.Write("drop/s/deep/e.wav", "m");
    t.Write("drop/t/f.avi", "m");

    std::vector<std::string> expect;
    for (const std::string& n : Listed(root))
        if (n == "a.mpg") expect.push_back((root / n).string());
    for (const std::string& n : Listed(root)) {
        if (n == "s") expect.push_back((root / "s" / "d.mp3").string());
        if (n == "t") expect.push_back((root / "t" / "f.avi").string());
    }
    expect.push_back((root / "s" / "deep" / "e.wav").string());

    bool listLoaded = true;
    // A trailing "/" on the dropped folder changes nothing; one entry per step gives the same result.
    EXPECT_EQ(Scan({root.string() + "/"}, 1000, &listLoaded), expect);
    EXPECT_FALSE(listLoaded);
    EXPECT_EQ(Scan({root.string()}, 1), expect);
}

TEST(FolderScan, SingleItemsAndEmptyFolders) {
    test::TempFolder t;
    const std::string text = t.Write("notes.txt", "hello").string();
    const std::string list = t.Write("L.M3U", "/m/one.mpg\r\n/m/two.mpg\r\n").string();
    const fs::path empty = t.path() / "empty";
    fs::create_directory(empty);
    const fs::path onlyLists = t.path() / "lists";
    fs::create_directory(onlyLists);
    t.Write("lists/a.tob", "/m/x.mpg\r\n");

    bool listLoaded = false;
    // A file of any extension is an entry; a dropped list is loaded; an empty folder is an entry itself;
    // a folder holding only skipped files adds nothing. Items are taken in the order given.
    EXPECT_EQ(Scan({text, list, empty.string(), onlyLists.string()}, 1000, &listLoaded),
              (std::vector<std::string>{text, "/m/one.mpg", "/m/two.mpg", empty.string()}));
    EXPECT_TRUE(listLoaded);
    EXPECT_EQ(Scan({(t.path() / "missing.mpg").string()}), std::vector<std::string>{(t.path() / "missing.mpg").string()});
}

TEST(FolderScan, TodaysMediaTypesAreTakenUnlessHiddenOrEmpty) {
    for (const char* name : {"a.mp4", "a.M4V", "a.MKV", "a.webm", "a.Flac", "a.opus", "a.m2ts", "a.OGG", "a.aac"})
        EXPECT_EQ(ClassifyScannedFile(name), ScannedFile::Entry) << name;
    // The old switches still rule their own types, even those that are media types today.
    EXPECT_EQ(ClassifyScannedFile("a.mp4", "0000000000000000000"), ScannedFile::Entry);
    EXPECT_EQ(ClassifyScannedFile("a.MP3", "1110111111100000111"), ScannedFile::Skip);

    test::TempFolder t;
    const fs::path root = t.path() / "clips";
    fs::create_directories(root / ".cache");
    t.Write("clips/01.MP4", "m");
    t.Write("clips/.hidden.mp3", "m");
    t.Write("clips/empty.mp4", "");
    t.Write("clips/.cache/thumb.mp4", "m");
    EXPECT_EQ(Scan({root.string()}), std::vector<std::string>{(root / "01.MP4").string()});
    // A folder holding only such files adds nothing, not itself; a file dropped by name is taken.
    fs::remove(root / "01.MP4");
    EXPECT_EQ(Scan({root.string()}), std::vector<std::string>{});
    EXPECT_EQ(Scan({(root / "empty.mp4").string()}), std::vector<std::string>{(root / "empty.mp4").string()});
}

TEST(FolderScan, PicturesAreTakenOnlyFromAFolderWithoutSoundOrVideo) {
    for (const char* name : {"a.png", "a.PNG", "a.gif", "a.webp", "a.Jpe"})
        EXPECT_EQ(ClassifyScannedFile(name), ScannedFile::Picture) << name;

    test::TempFolder t;
    // An album: its cover (first or last in the listing) and a picture of its booklet are not tracks.
    const fs::path album = t.path() / "album";
    fs::create_directories(album / "scans");
    t.Write("album/0-front.png", "p");
    t.Write("album/cover.jpg", "p");
    t.Write("album/01.flac", "a");
    t.Write("album/02.flac", "a");
    t.Write("album/03.flac", "a");
    t.Write("album/zz.BMP", "p");
    t.Write("album/scans/booklet.jpg", "p");
    std::vector<std::string> found = Scan({album.string()}, 1);
    std::sort(found.begin(), found.end());
    // The subfolder of pictures only is a folder of pictures of its own.
    EXPECT_EQ(found, (std::vector<std::string>{(album / "01.flac").string(), (album / "02.flac").string(),
                                               (album / "03.flac").string(),
                                               (album / "scans" / "booklet.jpg").string()}));

    // A folder of pictures alone (an empty one passed over) lists them in listing order, before its subfolders.
    const fs::path photos = t.path() / "photos";
    fs::create_directories(photos / "later");
    t.Write("photos/b.JPG", "p");
    t.Write("photos/a.png", "p");
    t.Write("photos/empty.jpg", "");
    t.Write("photos/later/c.mp4", "v");
    std::vector<std::string> expect;
    for (const std::string& n : Listed(photos))
        if (n == "a.png" || n == "b.JPG") expect.push_back((photos / n).string());
    expect.push_back((photos / "later" / "c.mp4").string());
    EXPECT_EQ(Scan({photos.string()}, 1), expect);
    EXPECT_EQ(Scan({photos.string()}, 1000), expect);

    // A picture dropped on its own is taken, beside a dropped album as well.
    EXPECT_EQ(Scan({(album / "cover.jpg").string(), (album / "01.flac").string()}),
              (std::vector<std::string>{(album / "cover.jpg").string(), (album / "01.flac").string()}));
}

TEST(FolderScan, TenThousandPicturesComeInBoundedSteps) {
    test::TempFolder t;
    const fs::path root = t.path() / "many";
    fs::create_directory(root);
    for (int i = 0; i < 10000; ++i) t.Write("many/p" + std::to_string(i) + ".jpg", "p");
    Playlist list;
    DropScan scan;
    scan.Start({root.string()});
    int steps = 0;
    std::size_t before = 0;
    while (!scan.Step(list, 64)) {
        ASSERT_LE(list.Size() - before, 64u) << "a step appended more than its budget";
        before = list.Size();
        ASSERT_LT(++steps, 1000);
    }
    EXPECT_EQ(list.Size(), 10000u);
}

TEST(FolderScan, AFolderDroppedWithItsOwnSubfolderListsEachFileOnce) {
    test::TempFolder t;
    const fs::path root = t.path() / "top";
    fs::create_directories(root / "sub");
    t.Write("top/a.mpg", "m");
    t.Write("top/sub/b.mpg", "m");
    fs::create_directory_symlink(root / "sub", t.path() / "link");
    const std::vector<std::string> once{(root / "a.mpg").string(), (root / "sub" / "b.mpg").string()};
    EXPECT_EQ(Scan({root.string(), (root / "sub").string()}), once);
    EXPECT_EQ(Scan({root.string(), (t.path() / "link").string()}), once);
    EXPECT_EQ(Scan({(root / "sub").string(), root.string()}),
              (std::vector<std::string>{(root / "sub" / "b.mpg").string(), (root / "a.mpg").string()}));
}

TEST(FolderScan, BadTreesEndAndKeepNamesAsBytes) {
    test::TempFolder t;
    const fs::path root = t.path() / "bad";
    fs::create_directories(root / "loop");
    // Links back up the tree: each folder is listed once.
    fs::create_directory_symlink(root, root / "loop" / "up");
    fs::create_directory_symlink(root / "loop", root / "again");
    const std::string odd = (root / "caf\xE9.mpg").string();  // Latin-1, not UTF-8
    t.Write("bad/caf\xE9.mpg", "m");
    ASSERT_EQ(::mkfifo((root / "pipe.mpg").c_str(), 0600), 0);
    fs::create_directory(root / "closed");
    t.Write("bad/closed/hidden.mpg", "m");
    ::chmod((root / "closed").c_str(), 0);

    const std::vector<std::string> found = Scan({root.string()});
    ::chmod((root / "closed").c_str(), 0700);
    EXPECT_NE(std::find(found.begin(), found.end(), odd), found.end());
    // A FIFO is only named, never opened, so the scan cannot wait on it.
    EXPECT_NE(std::find(found.begin(), found.end(), (root / "pipe.mpg").string()), found.end());
    // Root reads every folder; anyone else finds nothing in the closed one.
    EXPECT_EQ(found.size(), ::geteuid() == 0 ? 3u : 2u);
}

}  // namespace
}  // namespace felux
