// Options, file:// URLs and the files a command line names.
#include <gtest/gtest.h>

#include "app/CommandLineOptions.h"

namespace felux {
namespace {

using Action = CommandLineRequest::Action;

TEST(CommandLineOptions, OptionsOnlyBeforeTheFirstFileAndUnknownOnesAreErrors) {
    EXPECT_EQ(ParseCommandLine({"--help"}).action, Action::Help);
    EXPECT_EQ(ParseCommandLine({"-v", "-h"}).action, Action::Help);  // help wins whatever the order
    EXPECT_EQ(ParseCommandLine({"--version"}).action, Action::Version);

    const CommandLineRequest bad = ParseCommandLine({"--fullscreen", "a.mpg"});
    EXPECT_EQ(bad.action, Action::Error);
    EXPECT_NE(bad.error.find("'--fullscreen'"), std::string::npos);
    EXPECT_NE(bad.error.find("--help"), std::string::npos);

    // An unquoted path whose later words begin with "-" reaches the player word for word.
    CommandLineRequest r = ParseCommandLine({"/v/My", "Clip", "-x", "--help.mpg"});
    EXPECT_EQ(r.action, Action::Run);
    EXPECT_EQ(r.plainArgs, (std::vector<std::string>{"/v/My", "Clip", "-x", "--help.mpg"}));
    EXPECT_EQ(r.path, "");
    r = ParseCommandLine({"--", "-odd.mpg"});
    EXPECT_EQ(r.action, Action::Run);
    EXPECT_EQ(r.plainArgs, std::vector<std::string>{"-odd.mpg"});
    EXPECT_EQ(ParseCommandLine({"-"}).plainArgs, std::vector<std::string>{"-"});  // a lone dash is a name
    EXPECT_TRUE(ParseCommandLine({}).plainArgs.empty());
}

TEST(CommandLineOptions, FileUrlsDecodeToLocalPathsAndOthersAreRefused) {
    EXPECT_EQ(FileUrlToPath("file:///home/u/a%20b.mpg"), "/home/u/a b.mpg");
    EXPECT_EQ(FileUrlToPath("FILE://localhost/x/%E3%83%93%E3%83%87%E3%82%AA.mp4"), "/x/ビデオ.mp4");
    EXPECT_EQ(FileUrlToPath("file:///a%2"), "/a%2");       // an escape cut short stays as text
    EXPECT_EQ(FileUrlToPath("file:///a%zz"), "/a%zz");
    EXPECT_EQ(FileUrlToPath("file:///a%25b"), "/a%b");
    EXPECT_EQ(FileUrlToPath("file:///a.mpg#t=10"), "/a.mpg");
    EXPECT_FALSE(FileUrlToPath("file:///a%00b"));
    EXPECT_FALSE(FileUrlToPath(std::string_view("file:///a\0b", 11)));
    EXPECT_FALSE(FileUrlToPath("file://server/share/a.mpg"));
    EXPECT_FALSE(FileUrlToPath("file://"));
    EXPECT_FALSE(FileUrlToPath("http://host/a.mpg"));
    EXPECT_FALSE(FileUrlToPath("/plain/path"));

    // Each URL is one file: the first plays, the rest follow it in the list.
    CommandLineRequest r = ParseCommandLine({"file:///v/a%20b.mpg", "file:///v/c.mp3"});
    EXPECT_EQ(r.action, Action::Run);
    EXPECT_EQ(r.path, "/v/a b.mpg");
    EXPECT_EQ(r.morePaths, std::vector<std::string>{"/v/c.mp3"});
    r = ParseCommandLine({"file:///v/a.mpg", "https://x/y"});
    EXPECT_EQ(r.action, Action::Error);
    EXPECT_NE(r.error.find("https://x/y"), std::string::npos);
}

TEST(CommandLineOptions, UsageNamesTheDataFolderAndTheEnvironment) {
    const std::string usage = UsageText("/home/u/.config/felux");
    for (const char* word : {"--help", "--version", "/home/u/.config/felux", "FELUX_HOME", "FELUX_VO", "FELUX_AO"})
        EXPECT_NE(usage.find(word), std::string::npos) << word;
    EXPECT_EQ(VersionText("1.2"), "felux 1.2\n");
}

}  // namespace
}  // namespace felux
