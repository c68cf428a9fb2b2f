// The declared media types: the desktop file names the same MIME types as the table the scan and MPRIS use.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "playlist/MediaFileTypes.h"

namespace felux {
namespace {

TEST(MediaFileTypes, TheDesktopFileDeclaresExactlyTheTable) {
    std::ifstream in(FELUX_SOURCE_DIR "/resources/io.github.felux.Felux.desktop");
    ASSERT_TRUE(in);
    std::multiset<std::string> desktop;
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with("MimeType=")) continue;
        std::istringstream types(line.substr(9));
        for (std::string t; std::getline(types, t, ';');)
            if (!t.empty()) desktop.insert(t);
    }
    const std::multiset<std::string> table(kDeclaredMimeTypes.begin(), kDeclaredMimeTypes.end());
    EXPECT_EQ(desktop, table);
    EXPECT_EQ(std::set<std::string>(table.begin(), table.end()).size(), table.size()) << "a MIME type twice";
    for (const char* ext : {"mp4", ".MKV", "Flac", "m2ts"}) EXPECT_TRUE(IsMediaExtension(ext)) << ext;
    for (const char* ext : {"", ".", "m3u", "tob", "mp", "mp44", "txt"}) EXPECT_FALSE(IsMediaExtension(ext)) << ext;
}

TEST(MediaFileTypes, SoundOnlyAreTheAudioTypes) {
    for (const char* ext : {"mp3", ".FLAC", "opus", "mka", "wav"}) EXPECT_TRUE(IsAudioExtension(ext)) << ext;
    for (const char* ext : {"", ".", "mp4", "mkv", "ogv", "webm", "m3u", "mp"})
        EXPECT_FALSE(IsAudioExtension(ext)) << ext;
    for (const char* ext : {"jpg", ".JPEG", "png", "bmp"}) EXPECT_TRUE(IsPictureExtension(ext)) << ext;
    for (const char* ext : {"", ".", "jp", "jpgx", "mp4", "mp3"}) EXPECT_FALSE(IsPictureExtension(ext)) << ext;
}

}  // namespace
}  // namespace felux
