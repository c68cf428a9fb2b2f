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
    r = ParseCommandLine({"file://server/v/a.mpg", "https://x/y"});
    EXPECT_EQ(r.action, Action::Error);
    EXPECT_NE(r.error.find("file://server/v/a.mpg"), std::string::npos);
}

TEST(CommandLineOptions, StreamsPlayAsGivenAndOtherSchemesAreLeftOutWithANote) {
    // URL first: each argument an entry; http(s) as given, any letter case of the scheme.
    CommandLineRequest r =
        ParseCommandLine({"HTTPS://x/y", "ftp://h/a.mp4", "file:///v/a%20b.mpg", "rel name.mpg", "http://h:8/a b"});
    EXPECT_EQ(r.action, Action::Run);
    EXPECT_EQ(r.path, "HTTPS://x/y");
    EXPECT_EQ(r.morePaths, (std::vector<std::string>{"/v/a b.mpg", "rel name.mpg", "http://h:8/a b"}));
    ASSERT_EQ(r.notes.size(), 1u);
    EXPECT_NE(r.notes[0].find("'ftp://h/a.mp4'"), std::string::npos);

    // A plain name first: a path with blanks may still be unquoted; addresses of other kinds
    // and a host-less http address are left out, file:// ones decoded.
    r = ParseCommandLine({"/v/My", "Clip.mpg", "rtsp://cam/live", "http:///nohost", "file:///v/c.mp3", "http://h/s"});
    EXPECT_EQ(r.action, Action::Run);
    EXPECT_EQ(r.plainArgs, (std::vector<std::string>{"/v/My", "Clip.mpg", "/v/c.mp3", "http://h/s"}));
    EXPECT_EQ(r.notes.size(), 2u);
    // Only addresses: nothing to play, the player resumes its list.
    r = ParseCommandLine({"ftp://h/a", "smb://h/b"});
    EXPECT_EQ(r.action, Action::Run);
    EXPECT_TRUE(r.path.empty());
    EXPECT_TRUE(r.morePaths.empty());
    EXPECT_EQ(r.notes.size(), 2u);

    EXPECT_EQ(UriToEntry("https://h/a%20b.mp4"), "https://h/a%20b.mp4");
    EXPECT_EQ(UriToEntry("file:///v/a%20b.mp4"), "/v/a b.mp4");
    EXPECT_FALSE(UriToEntry("rtsp://h/a"));
    EXPECT_FALSE(UriToEntry("/v/a.mp4"));
}

TEST(CommandLineOptions, UsageNamesTheDataFolderAndTheEnvironment) {
    const std::string usage = UsageText("/home/u/.config/felux");
    for (const char* word : {"--help", "--version", "/home/u/.config/felux", "FELUX_HOME", "FELUX_VO", "FELUX_AO",
                             "FELUX_MPV_SCRIPT", "FELUX_AO_PCM_FILE"})
        EXPECT_NE(usage.find(word), std::string::npos) << word;
    EXPECT_EQ(VersionText("1.2"), "felux 1.2\n");
}

}  // namespace
}  // namespace felux
