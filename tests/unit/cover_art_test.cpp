// Covers in the runtime folder: named by their bytes, written once, one left at a time, links not followed.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <regex>
#include <thread>

#include "TempFolder.h"
#include "app/CoverArt.h"

namespace felux {
namespace {

using namespace std::string_literals;

const Id3v2Picture kPng{ImageFormat::Png, kFrontCover, "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR"s};
const Id3v2Picture kJpeg{ImageFormat::Jpeg, 0, "\xff\xd8\xff\xe0\0\x10JFIF\0\xff\xd9"s};

TEST(CoverArt, APictureIsWrittenOnceAndTheFolderKeepsOnlyTheNewestCover) {
    test::TempFolder folder;
    const std::string pngName = CoverFileName(kPng);
    EXPECT_TRUE(std::regex_match(pngName, std::regex("felux-cover-[0-9a-f]{16}\\.png"))) << pngName;
    EXPECT_TRUE(std::regex_match(CoverFileName(kJpeg), std::regex("felux-cover-[0-9a-f]{16}\\.jpg")));
    Id3v2Picture changed = kPng;
    changed.data.back() = 'X';
    EXPECT_NE(CoverFileName(changed), pngName);

    EXPECT_EQ(StoreCover(folder.path(), kPng), folder.path() / pngName);
    EXPECT_EQ(folder.Read(pngName), kPng.data);
    // Present with the picture's length: taken as it is, not written again.
    folder.Write(pngName, std::string(kPng.data.size(), 'k'));
    EXPECT_EQ(StoreCover(folder.path(), kPng), folder.path() / pngName);
    EXPECT_EQ(folder.Read(pngName), std::string(kPng.data.size(), 'k'));
    // A file cut short by a full disk is written anew.
    folder.Write(pngName, "short");
    StoreCover(folder.path(), kPng);
    EXPECT_EQ(folder.Read(pngName), kPng.data);

    folder.Write("KR300&K200&FELUX&B_KLNQAPP.lock", "");
    folder.Write("felux-cover-0000000000000000.jpg.tmp123456", "killed write");
    const std::optional<std::filesystem::path> jpeg = StoreCover(folder.path(), kJpeg);
    ASSERT_TRUE(jpeg);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"KR300&K200&FELUX&B_KLNQAPP.lock", CoverFileName(kJpeg)}));

    RemoveCovers(folder.path());
    EXPECT_FALSE(std::filesystem::exists(*jpeg));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "KR300&K200&FELUX&B_KLNQAPP.lock"));
    EXPECT_FALSE(StoreCover(folder.path() / "gone", kJpeg)) << "a folder that is not there";
}

TEST(CoverArt, LinksUnderCoverNamesAreRemovedNotFollowed) {
    test::TempFolder folder;
    const std::filesystem::path elsewhere = folder.Write("elsewhere", "keep me");
    std::filesystem::create_directory(folder.path() / "run");
    std::filesystem::create_symlink(elsewhere, folder.path() / "run" / CoverFileName(kJpeg));
    std::filesystem::create_symlink(folder.path() / "nothing", folder.path() / "run" / "felux-cover-a.png");
    std::filesystem::create_symlink(folder.path() / "run", folder.path() / "run" / "felux-cover-b.png");
    const std::optional<std::filesystem::path> stored = StoreCover(folder.path() / "run", kJpeg);
    ASSERT_TRUE(stored);
    EXPECT_FALSE(std::filesystem::is_symlink(*stored));
    EXPECT_EQ(folder.Read("run/" + CoverFileName(kJpeg)), kJpeg.data);
    EXPECT_EQ(folder.Read("elsewhere"), "keep me");
    EXPECT_FALSE(std::filesystem::is_symlink(folder.path() / "run" / "felux-cover-a.png")) << "a dangling link goes";
    EXPECT_FALSE(std::filesystem::is_symlink(folder.path() / "run" / "felux-cover-b.png")) << "a link to a folder goes";
}

// The cover of the file that plays, as the MPRIS service asks for it on its timer.
std::optional<std::filesystem::path> CoverWhenFound(CoverArt& covers, const std::string& file) {
    for (int i = 0; i < 500; ++i) {
        if (auto found = covers.CoverOf(file)) return found;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

TEST(CoverArt, AFlacPictureAndAnUntaggedMp3sFolderCoverAreStoredInTheRuntimeFolder) {
    test::TempFolder folder;
    std::filesystem::create_directories(folder.path() / "run");
    std::filesystem::create_directories(folder.path() / "album");
    const std::string block = "\0\0\0\x03\0\0\0\x09image/png\0\0\0\0"s + std::string(16, '\0') + "\0\0\0"s +
                              static_cast<char>(kPng.data.size()) + kPng.data;
    const std::filesystem::path flac =
        folder.Write("album/01.flac", "fLaC\x86\0\0"s + static_cast<char>(block.size()) + block);
    const std::filesystem::path mp3 = folder.Write("album/02.mp3", "\xff\xfb\x90\x64"s + std::string(400, '\0'));
    folder.Write("album/Cover.JPG", kJpeg.data);
    CoverArt covers(folder.path() / "run");
    EXPECT_EQ(CoverWhenFound(covers, flac.string()), folder.path() / "run" / CoverFileName(kPng));
    const std::optional<std::filesystem::path> jpeg = CoverWhenFound(covers, mp3.string());
    EXPECT_EQ(jpeg, folder.path() / "run" / CoverFileName(kJpeg));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "run" / CoverFileName(kPng))) << "only the newest is kept";
    EXPECT_EQ(folder.Read("album/Cover.JPG"), kJpeg.data);
}

}  // namespace
}  // namespace felux
