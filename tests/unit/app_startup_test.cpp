// Command-line joining, list detection and the choice of the data folder.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "app/DataFolder.h"
#include "playlist/CommandLine.h"
#include "playlist/ListFile.h"

namespace felux {
namespace {

TEST(CommandLine, ArgumentsJoinWithSingleBlanksAndListsAreKnownByExtension) {
    EXPECT_EQ(JoinArguments({}), "");
    EXPECT_EQ(JoinArguments({"/v/a", "b", "c.mpg"}), "/v/a b c.mpg");
    EXPECT_EQ(JoinArguments({"", "x"}), " x");
    EXPECT_TRUE(IsListPath("/l/list.M3U"));
    EXPECT_TRUE(IsListPath("/l/list.tob"));
    EXPECT_TRUE(IsListPath("/l/a b.ToB"));
    EXPECT_FALSE(IsListPath("/l/list.m3u8"));
    EXPECT_FALSE(IsListPath("/l/tob"));
    EXPECT_FALSE(IsListPath("/l.tob/clip.mpg"));
}

TEST(CommandLine, ARelativePathIsTakenAgainstTheWorkingFolder) {
    EXPECT_EQ(CommandLinePath({"clip.mpg"}, "/home/u"), "/home/u/clip.mpg");
    EXPECT_EQ(CommandLinePath({"my", "clip.mpg"}, "/home/u/"), "/home/u/my clip.mpg");
    EXPECT_EQ(CommandLinePath({"./sub/clip.mpg"}, "/w"), "/w/sub/clip.mpg");
    EXPECT_EQ(CommandLinePath({".//./../clip.mpg"}, "/w"), "/w/../clip.mpg");
    EXPECT_EQ(CommandLinePath({"./"}, "/w"), "/w/");
    EXPECT_EQ(CommandLinePath({"/abs/clip.mpg"}, "/w"), "/abs/clip.mpg");
    EXPECT_EQ(CommandLinePath({}, "/w"), "");
    EXPECT_EQ(CommandLinePath({"clip.mpg"}, ""), "clip.mpg") << "no working folder: left as given";
}

TEST(CommandLine, SeveralExistingPathsStaySeveralUnlessTheirJoinExists) {
    test::TempFolder dir;
    const std::string w = dir.path().string();
    dir.Write("a.mp4", "m");
    dir.Write("b.mp4", "m");
    EXPECT_EQ(CommandLinePaths({"a.mp4", "./b.mp4"}, w), (std::vector<std::string>{w + "/a.mp4", w + "/b.mp4"}));
    // One argument is taken whole, whether it exists or not.
    EXPECT_EQ(CommandLinePaths({"gone.mp4"}, w), std::vector<std::string>{w + "/gone.mp4"});
    // One missing word: an old unquoted path, joined as always.
    EXPECT_EQ(CommandLinePaths({"a.mp4", "gone.mp4"}, w), std::vector<std::string>{w + "/a.mp4 gone.mp4"});
    // A file named by the join wins over the words that also exist.
    dir.Write("a.mp4 b.mp4", "m");
    EXPECT_EQ(CommandLinePaths({"a.mp4", "b.mp4"}, w), std::vector<std::string>{w + "/a.mp4 b.mp4"});
    EXPECT_EQ(CommandLinePaths({}, w), std::vector<std::string>{});
}

TEST(CommandLine, StreamsAndEmptyArgumentsAreNeverJoinedIntoOneName) {
    test::TempFolder dir;
    const std::string w = dir.path().string();
    dir.Write("a.mp4", "m");
    EXPECT_EQ(CommandLinePaths({"http://h/x.mp4", "https://h/y.mp4"}, w),
              (std::vector<std::string>{"http://h/x.mp4", "https://h/y.mp4"}));
    EXPECT_EQ(CommandLinePaths({"http://h/x.mp4", ""}, w), std::vector<std::string>{"http://h/x.mp4"});
    EXPECT_EQ(CommandLinePaths({"", "a.mp4", ""}, w), std::vector<std::string>{w + "/a.mp4"});
    // A stream beside a missing word is still the old joined path, as any missing word makes it.
    EXPECT_EQ(CommandLinePaths({"http://h/x.mp4", "gone"}, w), std::vector<std::string>{"http://h/x.mp4 gone"});
}

TEST(DataFolder, ChosenInOrderAndGivenTheBundledKeyList) {
    test::TempFolder dir;
    const auto home = dir.path() / "home";
    const auto exe = dir.path() / "bin";
    std::filesystem::create_directories(exe);

    auto folder = ResolveDataFolder({home.string(), exe, "/nonexistent-xdg", "/nonexistent-home", "names"});
    ASSERT_TRUE(folder);
    EXPECT_EQ(*folder, home);
    EXPECT_EQ(dir.Read("home/KR02.sys"), "names");

    dir.Write("home/KR02.sys", "edited");  // an edited key list is never replaced
    ResolveDataFolder({home.string(), exe, std::nullopt, std::nullopt, "names"});
    EXPECT_EQ(dir.Read("home/KR02.sys"), "edited");
    // An older bundled list, one key short, gains the new key; a list cut inside a line does not.
    dir.Write("home/KR02.sys", "a=\nb=\n");
    ResolveDataFolder({home.string(), exe, std::nullopt, std::nullopt, "a=\nb=\nc=\n"});
    EXPECT_EQ(dir.Read("home/KR02.sys"), "a=\nb=\nc=\n");
    dir.Write("home/KR02.sys", "a=\nb");
    ResolveDataFolder({home.string(), exe, std::nullopt, std::nullopt, "a=\nb=\nc=\n"});
    EXPECT_EQ(dir.Read("home/KR02.sys"), "a=\nb");

    folder = ResolveDataFolder({std::nullopt, exe, (dir.path() / "xdg").string(), std::nullopt, "names"});
    EXPECT_EQ(*folder, dir.path() / "xdg" / "felux");
    EXPECT_EQ(dir.Read("xdg/felux/KR02.sys"), "names");

    dir.Write("bin/KR02.sys", "portable");
    folder = ResolveDataFolder({"", exe, (dir.path() / "xdg").string(), std::nullopt, "names"});
    EXPECT_EQ(*folder, exe);

    folder = ResolveDataFolder({std::nullopt, dir.path() / "none", std::nullopt, home.string(), ""});
    EXPECT_EQ(*folder, home / ".config" / "felux");
    EXPECT_FALSE(std::filesystem::exists(home / ".config" / "felux" / "KR02.sys"));  // nothing to copy

    EXPECT_FALSE(ResolveDataFolder({std::nullopt, {}, std::nullopt, std::nullopt, "names"}));
}

}  // namespace
}  // namespace felux
