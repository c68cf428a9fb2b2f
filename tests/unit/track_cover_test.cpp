// Covers read from FLAC, Ogg and MP4 files and from a track's folder: the front cover first, lies and cut data refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "TempFolder.h"
#include "engine/ByteSource.h"
#include "engine/FlacPicture.h"
#include "engine/FolderCover.h"
#include "engine/Mp4Cover.h"
#include "engine/OggPicture.h"
#include "engine/PictureBlock.h"
#include "engine/TrackCover.h"

namespace felux {
namespace {

using namespace std::string_literals;

const std::string kPngBytes = "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR"s;
const std::string kJpegBytes = "\xff\xd8\xff\xe0\0\x10JFIF\0\xff\xd9"s;

std::string Be(std::uint64_t value, int bytes) {
    std::string out;
    for (int i = bytes; i-- > 0;) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    return out;
}

std::string Le32(std::uint32_t value) {
    std::string out;
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    return out;
}

std::string PictureBlock(std::uint32_t type, const std::string& mime, const std::string& data) {
    return Be(type, 4) + Be(mime.size(), 4) + mime + Be(5, 4) + "front" + std::string(16, '\0') +
           Be(data.size(), 4) + data;
}

std::string FlacBlock(unsigned type, const std::string& content, bool last) {
    return static_cast<char>(type | (last ? 0x80 : 0)) + Be(content.size(), 3) + content;
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

std::string OpusTags(const std::vector<std::string>& fields) {
    std::string out = "OpusTags" + Le32(6) + "felux!" + Le32(static_cast<std::uint32_t>(fields.size()));
    for (const std::string& f : fields) out += Le32(static_cast<std::uint32_t>(f.size())) + f;
    return out;
}

// One Ogg page holding `data` whole; `ends` false when its last packet goes on in the next page.
std::string OggPage(std::uint32_t serial, const std::string& data, bool ends) {
    std::string lacing;
    std::size_t left = data.size();
    while (left >= 255) {
        lacing.push_back('\xff');
        left -= 255;
    }
    if (ends) lacing.push_back(static_cast<char>(left));
    return "OggS\0\0"s + std::string(8, '\0') + Le32(serial) + Le32(0) + Le32(0) +
           static_cast<char>(lacing.size()) + lacing + data;
}

std::string Atom(const std::string& type, const std::string& content) {
    return Be(content.size() + 8, 4) + type + content;
}

std::string M4a(const std::string& covrContent, bool fullMeta = true) {
    const std::string ilst = Atom("ilst", Atom("\xa9nam", Atom("data", Be(1, 4) + Be(0, 4) + "Song")) +
                                              Atom("covr", covrContent));
    const std::string hdlr = Atom("hdlr", std::string(8, '\0') + "mdir" + std::string(12, '\0'));
    const std::string meta = Atom("meta", (fullMeta ? Be(0, 4) : "") + hdlr + ilst);
    return Atom("ftyp", "M4A \0\0\0\0"s) + Atom("mdat", std::string(300, 'a')) +
           Atom("moov", Atom("mvhd", std::string(100, '\0')) + Atom("udta", meta));
}

std::string CovrData(unsigned type, const std::string& bytes) { return Atom("data", Be(type, 4) + Be(0, 4) + bytes); }

TEST(PictureBlock, TakesAJpegOrPngThatIsWhatItSaysAndLiesWhollyWithin) {
    const auto png = ParsePictureBlock(PictureBlock(3, "image/png", kPngBytes));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->format, ImageFormat::Png);
    EXPECT_EQ(png->type, kFrontCover);
    EXPECT_EQ(png->data, kPngBytes);
    EXPECT_TRUE(ParsePictureBlock(PictureBlock(0, "", kJpegBytes))) << "no type said: the bytes tell";
    EXPECT_FALSE(ParsePictureBlock(PictureBlock(3, "image/jpeg", kPngBytes))) << "a PNG said to be a JPEG";
    EXPECT_FALSE(ParsePictureBlock(PictureBlock(3, "image/gif", "GIF89a"))) << "neither JPEG nor PNG";
    EXPECT_FALSE(ParsePictureBlock(PictureBlock(3, "-->", "http://example.com/c.png"))) << "a link";
    const std::string whole = PictureBlock(3, "image/png", kPngBytes);
    EXPECT_FALSE(ParsePictureBlock(whole.substr(0, whole.size() - 1))) << "cut one byte short";
    std::string lying = whole;
    lying.replace(4, 4, Be(0xFFFFFFF0u, 4));
    EXPECT_FALSE(ParsePictureBlock(lying)) << "a MIME length past the end";
}

TEST(PictureBlock, APictureAtTheCapIsTakenAndOneByteMoreIsNot) {
    std::string data = kJpegBytes;
    data.resize(kId3v2PictureCap, 'x');
    EXPECT_TRUE(ParsePictureBlock(PictureBlock(3, "image/jpeg", data)));
    data.push_back('x');
    EXPECT_FALSE(ParsePictureBlock(PictureBlock(3, "image/jpeg", data)));
}

TEST(FlacPicture, TheFrontCoverWinsOverAnEarlierPicture) {
    const std::string flac = "fLaC" + FlacBlock(0, std::string(34, '\0'), false) +
                             FlacBlock(6, PictureBlock(4, "image/jpeg", kJpegBytes), false) +
                             FlacBlock(6, PictureBlock(3, "image/png", kPngBytes), true) + "\xff\xf8 audio";
    const auto picture = ReadFlacPicture(MemorySource(flac));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->data, kPngBytes);
    // The front cover's block cut short: the back cover is what there is.
    const auto cut = ReadFlacPicture(MemorySource(std::string_view(flac).substr(0, flac.size() - 20)));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->data, kJpegBytes);
    // After an ID3v2 tag, as some encoders write it.
    const std::string id3 = "ID3\x03\0\0\0\0\0\x05"s + std::string(5, '\0');
    EXPECT_TRUE(ReadFlacPicture(MemorySource(id3 + flac)));
    EXPECT_FALSE(ReadFlacPicture(MemorySource("OggS" + flac.substr(4))));
}

TEST(FlacPicture, BlocksAfterTheLastAndLengthsPastTheEndAreNotRead) {
    const std::string picture = FlacBlock(6, PictureBlock(3, "image/png", kPngBytes), true);
    EXPECT_FALSE(ReadFlacPicture(MemorySource("fLaC" + FlacBlock(0, std::string(34, '\0'), true) + picture)));
    EXPECT_FALSE(ReadFlacPicture(MemorySource("fLaC\x06\xff\xff\xff" + PictureBlock(3, "image/png", kPngBytes))));
}

TEST(OggPicture, APictureCommentSplitAcrossPagesIsGatheredFromItsOwnStream) {
    const std::string tags = OpusTags({"TITLE=Song", "metadata_block_picture=" +
                                                         Base64(PictureBlock(3, "image/png", kPngBytes + std::string(600, 'p')))});
    ASSERT_GT(tags.size(), 510u);
    const std::string ogg = OggPage(7, "OpusHead" + std::string(11, '\1'), true) + OggPage(7, tags.substr(0, 255), false) +
                            OggPage(9, "another stream", true) + OggPage(7, tags.substr(255, 255), false) +
                            OggPage(7, tags.substr(510), true) + OggPage(7, "audio", true);
    const auto picture = ReadOggPicture(MemorySource(ogg));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->format, ImageFormat::Png);
    EXPECT_EQ(picture->data, kPngBytes + std::string(600, 'p'));
    // The stream ends within the picture's comment: nothing, and nothing read past the end.
    EXPECT_FALSE(ReadOggPicture(MemorySource(std::string_view(ogg).substr(0, ogg.size() / 2))));
}

TEST(OggPicture, CommentsTakeTheFrontCoverAndRefuseBrokenOnes) {
    const std::string back = "METADATA_BLOCK_PICTURE=" + Base64(PictureBlock(4, "image/jpeg", kJpegBytes));
    const std::string front = "METADATA_BLOCK_PICTURE=" + Base64(PictureBlock(3, "image/png", kPngBytes));
    const std::string lie = "METADATA_BLOCK_PICTURE=" + Base64(PictureBlock(3, "image/png", kJpegBytes));
    EXPECT_EQ(ParseOggComments(OpusTags({back, front}))->data, kPngBytes);
    EXPECT_EQ(ParseOggComments(OpusTags({lie, back}))->data, kJpegBytes);
    EXPECT_FALSE(ParseOggComments(OpusTags({"METADATA_BLOCK_PICTURE=not*base64"})));
    const std::string vorbis = "\x03vorbis" + OpusTags({front}).substr(8) + "\x01";
    EXPECT_TRUE(ParseOggComments(vorbis));
    // A comment whose length runs past the packet ends the reading, and a count past the fields too.
    std::string past = OpusTags({front});
    past.replace(8 + 4 + 6 + 4, 4, Le32(static_cast<std::uint32_t>(past.size())));
    EXPECT_FALSE(ParseOggComments(past));
    std::string many = OpusTags({front});
    many.replace(8 + 4 + 6, 4, Le32(0xFFFFFFFFu));
    EXPECT_TRUE(ParseOggComments(many));
    EXPECT_EQ(DecodeBase64("TWFu"), "Man");
    EXPECT_EQ(DecodeBase64("TWE="), "Ma");
    EXPECT_FALSE(DecodeBase64("TWFuT"));
}

TEST(Mp4Cover, TheCovrAtomGivesItsFirstPictureThatIsWhatItSays) {
    const auto jpeg = ReadMp4Cover(MemorySource(M4a(CovrData(13, kJpegBytes) + CovrData(14, kPngBytes))));
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(jpeg->format, ImageFormat::Jpeg);
    EXPECT_EQ(jpeg->data, kJpegBytes);
    const auto png = ReadMp4Cover(MemorySource(M4a(CovrData(14, kJpegBytes) + CovrData(14, kPngBytes), false)));
    ASSERT_TRUE(png) << "a JPEG said to be a PNG is passed over; a QuickTime meta has no version";
    EXPECT_EQ(png->data, kPngBytes);
    EXPECT_FALSE(ReadMp4Cover(MemorySource(M4a(CovrData(27, "BM....")))));
    const std::string whole = M4a(CovrData(13, kJpegBytes));
    EXPECT_FALSE(ReadMp4Cover(MemorySource(std::string_view(whole).substr(0, whole.size() - 1))))
        << "the moov atom cut short";
}

TEST(Mp4Cover, A100MegabyteCoverIsPassedOverUnread) {
    constexpr std::uint64_t kHuge = 100u << 20;
    std::string file = M4a(Be(kHuge + 16, 4) + "data" + Be(13, 4) + Be(0, 4) + kJpegBytes);
    // Every size on the way to the picture grows by what the picture claims beyond its bytes.
    const std::uint64_t extra = kHuge - kJpegBytes.size();
    for (const std::string type : {"moov", "udta", "meta", "ilst", "covr"}) {
        const std::size_t at = file.find(type) - 4;
        file.replace(at, 4, Be(ReadBigEndian(file, at, 4) + extra, 4));
    }
    std::size_t largest = 0;
    const ByteSource source{file.size() + extra, [&](std::uint64_t at, std::size_t count) {
                                largest = std::max(largest, count);
                                return at >= file.size() ? std::string() : file.substr(at, count);
                            }};
    EXPECT_FALSE(ReadMp4Cover(source));
    EXPECT_LT(largest, 64u);
}

TEST(FolderCover, NamesRankCoverFolderFrontAlbumInAnyCase) {
    EXPECT_EQ(FolderCoverRank("cover.JPG"), 0);
    EXPECT_EQ(FolderCoverRank("Folder.jpeg"), 1);
    EXPECT_EQ(FolderCoverRank("FRONT.png"), 2);
    EXPECT_EQ(FolderCoverRank("album.Png"), 3);
    for (const char* other : {"cover.gif", "cover", "covers.jpg", "my cover.jpg", ".jpg", "cover.jpg.part"})
        EXPECT_FALSE(FolderCoverRank(other)) << other;
}

TEST(FolderCover, AnUntaggedTrackTakesItsFolderCoverUnlessThePictureLiesOrIsTooLarge) {
    test::TempFolder folder;
    const std::filesystem::path mp3 = folder.Write("01 Song.mp3", "\xff\xfb\x90\x64" + std::string(400, '\0'));
    EXPECT_FALSE(ReadTrackCover(mp3));
    folder.Write("album.png", kPngBytes);
    folder.Write("cover.JPG", kJpegBytes);
    auto picture = ReadTrackCover(mp3);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->data, kJpegBytes);
    folder.Write("cover.JPG", kPngBytes);  // a PNG named as a JPEG
    picture = ReadTrackCover(mp3);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->format, ImageFormat::Png);
    EXPECT_EQ(picture->data, kPngBytes) << "album.png, the next";
    folder.Write("cover.JPG", kJpegBytes);
    std::filesystem::resize_file(folder.path() / "cover.JPG", kId3v2PictureCap + 1);
    EXPECT_EQ(ReadTrackCover(mp3)->format, ImageFormat::Png) << "too large: the next";
    // A track's own picture comes before the folder's.
    const std::filesystem::path flac = folder.Write(
        "02 Song.flac", "fLaC" + FlacBlock(6, PictureBlock(3, "image/jpeg", kJpegBytes), true));
    EXPECT_EQ(ReadTrackCover(flac)->format, ImageFormat::Jpeg);
    const std::filesystem::path m4a = folder.Write("03 Song.m4a", M4a(CovrData(13, kJpegBytes)));
    EXPECT_EQ(ReadTrackCover(m4a)->format, ImageFormat::Jpeg);
}

}  // namespace
}  // namespace felux
