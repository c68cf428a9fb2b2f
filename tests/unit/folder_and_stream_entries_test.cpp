// Folders named on the command line or handed over are scanned as drops; stream URLs are entries that never go missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "PlayerHarness.h"
#include "app/HandOver.h"
#include "playlist/ListFile.h"

namespace felux {
namespace {

using test::PlayerHarness;

std::vector<std::string> Paths(const Playlist& list) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < list.Size(); ++i) out.push_back(list.PathAt(i));
    return out;
}

class FolderAndStreamTest : public ::testing::Test {
protected:
    // A folder of the harness's own with media files in it (and something the scan passes over).
    std::string MakeFolder(const std::string& name, const std::vector<std::string>& files) {
        std::filesystem::create_directories(h.folder.path() / name);
        for (const std::string& f : files) h.AddMedia(name + "/" + f);
        h.folder.Write(name + "/notes.txt", "not media");
        return (h.folder.path() / name).string();
    }
    void TickUntilScanned() {
        for (int i = 0; i < 50 && h.player->drop.Running(); ++i) h.Tick();
    }
    PlayerHarness h;
};

TEST_F(FolderAndStreamTest, AFolderFromTheCommandLineOrAHandOverIsScannedInNaturalOrder) {
    const std::string films = MakeFolder("films", {"d 10.mpg", "d 9.mpg", "D 1.mpg", "d 100.mpg"});
    std::filesystem::create_directories(h.folder.path() / "films/sub");
    const std::string inner = h.AddMedia("films/sub/x.mpg");
    const std::string loose = h.AddMedia("loose.mpg");
    h.folder.Write(std::string(kCurrentListName), loose + "\r\n");

    test::TestPlayer& p = h.Start({}, true, {}, {films});
    TickUntilScanned();
    h.TickUntilStarted();
    // Not the one dead entry of old, and not the saved current list either.
    EXPECT_EQ(Paths(p.View().List()), (std::vector<std::string>{films + "/D 1.mpg", films + "/d 9.mpg", films + "/d 10.mpg",
                                                           films + "/d 100.mpg", inner}));
    EXPECT_EQ(p.View().File().path, films + "/D 1.mpg");

    // Handed over while the current file plays: appended, sorted, and its first plays. A second
    // hand-over that comes while the first is being scanned waits for it.
    const std::string more = MakeFolder("more", {"e 2.mpg", "e 11.mpg"});
    EXPECT_EQ(ReceiveHandedFiles(p, {more}, true), 0u);
    EXPECT_EQ(ReceiveHandedFiles(p, {"http://127.0.0.1:9/s.mp4", loose, more + "/"}, false), 0u);
    TickUntilScanned();
    h.TickUntilStarted();
    ASSERT_EQ(p.View().List().Size(), 11u);
    EXPECT_EQ(p.View().List().PathAt(5), more + "/e 2.mpg");
    EXPECT_EQ(p.View().List().PathAt(6), more + "/e 11.mpg");
    EXPECT_EQ(p.View().File().path, more + "/e 2.mpg");
    // The second, sorted by path as a drop is: the loose file, the folder again, the stream as given.
    EXPECT_EQ(p.View().List().PathAt(7), loose);
    EXPECT_EQ(p.View().List().PathAt(8), more + "/e 2.mpg");
    EXPECT_EQ(p.View().List().PathAt(9), more + "/e 11.mpg");
    EXPECT_EQ(p.View().List().PathAt(10), "http://127.0.0.1:9/s.mp4");
    EXPECT_EQ(p.View().List().currentIndex, 5) << "the second hand-over did not ask to play";

    // Plain files still join at once, in the order given.
    EXPECT_EQ(ReceiveHandedFiles(p, {loose, inner}, false), 2u);
    EXPECT_EQ(p.View().List().PathAt(12), inner);
}

TEST_F(FolderAndStreamTest, AFolderWithPlayOnStartOffListsWithoutPlaying) {
    const std::string films = MakeFolder("films", {"b.mpg", "a.mpg"});
    test::TestPlayer& p = h.Start({}, false, {}, {films});
    TickUntilScanned();
    h.Tick(5);
    EXPECT_EQ(Paths(p.View().List()), (std::vector<std::string>{films + "/a.mpg", films + "/b.mpg"}));
    EXPECT_TRUE(p.View().File().path.empty());
}

TEST_F(FolderAndStreamTest, AStreamStaysInTheListAndNothingOnDiskIsLookedUpForIt) {
    const std::string url = "http://127.0.0.1:9/a.mp4";
    h.engine.files[url] = {};
    const std::string missing = (h.folder.path() / "gone.mpg").string();
    // A companion-sound search would find this file beside a path named like the stream.
    test::TestPlayer& p = h.Start({missing, url, "https://127.0.0.1:9/dead.mp4"}, false, [](PlayerSettings& s) {
        s.keepMissingFiles = 0;
        s.syncFlags = "1100111";
    });
    p.Command(PlayerCommand::PlaySelected);
    h.Tick();
    h.TickUntilStarted();
    EXPECT_EQ(Paths(p.View().List()), (std::vector<std::string>{url, "https://127.0.0.1:9/dead.mp4"}))
        << "only the missing file goes";
    EXPECT_EQ(p.View().File().path, url);
    EXPECT_FALSE(h.engine.companion) << "no companion sound for a stream";
    EXPECT_TRUE(h.engine.playing);

    // The one that does not answer fails to open and stays, like a file that will not render.
    p.playlist.currentIndex = 1;
    p.Command(PlayerCommand::PlaySelected);
    h.Tick(3);
    EXPECT_EQ(p.View().List().Size(), 2u);
    EXPECT_NE(std::find(h.engine.log.begin(), h.engine.log.end(), "Render https://127.0.0.1:9/dead.mp4"),
              h.engine.log.end()) << "handed to the engine as written";
}

}  // namespace
}  // namespace felux
