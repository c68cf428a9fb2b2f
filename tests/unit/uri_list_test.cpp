// A drop's text/uri-list gives local files by the command line's rules, within its bounds.
#include <gtest/gtest.h>

#include "app/UriList.h"

namespace felux {
namespace {

using namespace std::string_literals;
using Paths = std::vector<std::string>;

TEST(UriList, TakesLocalFilesByteForByteAndLeavesOutTheRest) {
    const std::string list =
        "# a comment, then CRLF lines\r\n"
        "file:///v/caf%E9%20x.mpg\r\n"
        "\r\n"
        "  file://localhost/v/b.mpg \t\r\n"
        "file:///v/a%00/junk\r\n"
        "file://server/v/c.mpg\r\n"
        "http://example.org/d.mpg\n"
        "file:///v/raw\0nul.mpg\n"
        "FILE:///v/%E3%83%93.mp4\n"
        "file:///v/last.mpg"s;
    EXPECT_EQ(UriListPaths(list), (Paths{"/v/caf\xE9 x.mpg", "/v/b.mpg", "/v/ビ.mp4", "/v/last.mpg"}));
    EXPECT_EQ(UriListPaths(""), Paths{});
    EXPECT_EQ(UriListPaths("#file:///v/a.mpg\r\n\0"s), Paths{});
}

TEST(UriList, ReadsOnlyWholeLinesWithinItsBounds) {
    // Exactly at the byte bound, a last line without its line end is whole.
    const std::string tail = "file:///v/last";
    const std::string padding = "#" + std::string(kUriListMaxBytes - tail.size() - 2, 'x') + "\n";
    EXPECT_EQ(UriListPaths(padding + tail), Paths{"/v/last"});
    EXPECT_EQ(UriListPaths(padding + tail + "X"), Paths{}) << "cut by the bound: another file's name";
    const std::string ended = padding + tail.substr(0, tail.size() - 1) + "\n";
    EXPECT_EQ(UriListPaths(ended + "file:///v/next"), Paths{"/v/las"}) << "its line end is the bound's last byte";

    std::string many;
    for (std::size_t i = 0; i <= kUriListMaxPaths; ++i) many += "file:///v/" + std::to_string(i) + "\n";
    const Paths paths = UriListPaths(many);
    ASSERT_EQ(paths.size(), kUriListMaxPaths);
    EXPECT_EQ(paths.back(), "/v/" + std::to_string(kUriListMaxPaths - 1));
}

}  // namespace
}  // namespace felux
