// Covers in files as ffmpeg writes them: FLAC and M4A attached pictures, and an Opus picture comment over several pages.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "TempFolder.h"
#include "engine/TrackCover.h"

namespace felux {
namespace {

void Ffmpeg(const std::string& command) {
    ASSERT_EQ(std::system(("ffmpeg -hide_banner -loglevel error -y " + command).c_str()), 0)
        << "ffmpeg (scripts/install-deps.sh): " << command;
}

std::string Base64(const std::string& bytes) {
    static const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t n = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
        if (i + 1 < bytes.size()) n |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
        if (i + 2 < bytes.size()) n |= static_cast<unsigned char>(bytes[i + 2]);
        out += alphabet[n >> 18 & 63];
        out += alphabet[n >> 12 & 63];
        out += i + 1 < bytes.size() ? alphabet[n >> 6 & 63] : '=';
        out += i + 2 < bytes.size() ? alphabet[n & 63] : '=';
    }
    return out;
}

std::string Be32(std::size_t value) {
    std::string out;
    for (int i = 4; i-- > 0;) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    return out;
}

TEST(CoverFormats, FfmpegFilesGiveTheirOwnPictureWhateverTheFolderHolds) {
    test::TempFolder folder;
    const std::string dir = folder.path().string() + "/";
    // Noise does not compress: the Opus comment runs over several 64 KiB pages.
    Ffmpeg("-f lavfi -i 'nullsrc=s=256x256,geq=r=random(1)*255:g=random(2)*255:b=128' -frames:v 1 '" + dir + "art.png'");
    Ffmpeg("-f lavfi -i color=blue:s=32x32 -frames:v 1 '" + dir + "cover.jpg'");
    Ffmpeg("-f lavfi -i sine=duration=1 '" + dir + "plain.flac'");
    Ffmpeg("-i '" + dir + "plain.flac' -i '" + dir + "art.png' -map 0 -map 1 -c copy -disposition:v attached_pic '" +
        dir + "a.flac'");
    Ffmpeg("-f lavfi -i sine=duration=1 -c:a aac '" + dir + "plain.m4a'");
    Ffmpeg("-i '" + dir + "plain.m4a' -i '" + dir + "art.png' -map 0 -map 1 -c:a copy -c:v png -disposition:v "
        "attached_pic '" + dir + "a.m4a'");
    Ffmpeg("-f lavfi -i sine=duration=1 -c:a libopus '" + dir + "plain.opus'");
    const std::string png = folder.Read("art.png");
    ASSERT_GT(png.size(), 70'000u);
    const std::string block = Be32(3) + Be32(9) + "image/png" + Be32(0) + std::string(16, '\0') + Be32(png.size()) + png;
    std::string encoded = Base64(block);
    for (std::size_t at = 0; (at = encoded.find('=', at)) != std::string::npos; at += 2) encoded.insert(at, "\\");
    folder.Write("tags.txt", ";FFMETADATA1\ntitle=Song\nMETADATA_BLOCK_PICTURE=" + encoded + "\n");
    Ffmpeg("-i '" + dir + "plain.opus' -i '" + dir + "tags.txt' -map_metadata 1 -c copy '" + dir + "a.opus'");

    for (const char* name : {"a.flac", "a.m4a", "a.opus"}) {
        SCOPED_TRACE(name);
        const std::optional<Id3v2Picture> cover = ReadTrackCover(folder.path() / name);
        ASSERT_TRUE(cover);
        EXPECT_EQ(cover->format, ImageFormat::Png);
        EXPECT_EQ(cover->data, png);
    }
    for (const char* name : {"plain.flac", "plain.m4a", "plain.opus"}) {
        const std::optional<Id3v2Picture> cover = ReadTrackCover(folder.path() / name);
        ASSERT_TRUE(cover) << name;
        EXPECT_EQ(cover->format, ImageFormat::Jpeg) << name << ": the folder's cover.jpg";
    }
}

}  // namespace
}  // namespace felux
