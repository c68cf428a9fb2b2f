// The aspect preset list and the picture sizes its entries give.
#include <gtest/gtest.h>

#include <string>

#include "settings/PlayerSettings.h"
#include "video/PictureSize.h"

namespace felux {
namespace {

constexpr VideoSize kDvd{720, 480};

TEST(PictureSize, ListSplitsIntoTenEntriesAndJoinsBack) {
    const AspectPresetList defaults = SplitAspectPresets(kDefaultAspectPresets);
    EXPECT_EQ(defaults[0], "off");
    EXPECT_EQ(defaults[2], "16:9");
    EXPECT_EQ(defaults[7], "720*480");
    EXPECT_EQ(defaults[9], "off");
    EXPECT_EQ(JoinAspectPresets(defaults), kDefaultAspectPresets);

    const AspectPresetList shortList = SplitAspectPresets("4:3;;320*240");
    EXPECT_EQ(shortList[0], "4:3");
    EXPECT_EQ(shortList[1], "");
    EXPECT_EQ(shortList[2], "320*240") << "a last entry without ';' still counts";
    EXPECT_EQ(shortList[9], "");

    EXPECT_EQ(SplitAspectPresets("0;1;2;3;4;5;6;7;8;9;10;11;")[9], "9") << "entries past ten are ignored";

    AspectPresetList withSeparator = defaults;
    withSeparator[0] = "4:3;16:9";
    EXPECT_EQ(SplitAspectPresets(JoinAspectPresets(withSeparator))[1], "4:3") << "';' cannot shift entries";
}

TEST(PictureSize, ListIsReadFromItsFirst256Characters) {
    // 252 + 1 + 3 characters: the list ends right after "4:3".
    const std::string list = std::string(252, 'x') + ";4:3;16:9;";
    const AspectPresetList entries = SplitAspectPresets(list);
    EXPECT_EQ(entries[0].size(), 252u);
    EXPECT_EQ(entries[1], "4:3");
    EXPECT_EQ(entries[2], "") << "characters past 256 are not read";
    EXPECT_EQ(SplitAspectPresets(std::string(100000, 'x'))[0].size(), kAspectPresetsReadLimit);
}

TEST(PictureSize, EntriesAreRatiosSizesOrNative) {
    AspectPreset p = ParseAspectPreset("16:9");
    EXPECT_EQ(p.form, PresetForm::Ratio);
    EXPECT_EQ(p.first, 16);
    EXPECT_EQ(p.second, 9);
    p = ParseAspectPreset("320*240");
    EXPECT_EQ(p.form, PresetForm::Size);
    EXPECT_EQ(p.first, 320);
    EXPECT_EQ(p.second, 240);
    p = ParseAspectPreset(" 4 :3x");
    EXPECT_EQ(p.form, PresetForm::Ratio);
    EXPECT_EQ(p.first, 4) << "numbers are read like atoi";
    EXPECT_EQ(p.second, 3);
    p = ParseAspectPreset("x*y");
    EXPECT_EQ(p.form, PresetForm::Size);
    EXPECT_EQ(p.first, 0);
    EXPECT_EQ(ParseAspectPreset("off").form, PresetForm::Native);
    EXPECT_EQ(ParseAspectPreset("abc").form, PresetForm::Native);
    EXPECT_EQ(ParseAspectPreset("").form, PresetForm::Native);
}

TEST(PictureSize, RatiosKeepTheNativeHeightAsAMultiple) {
    const std::string list = kDefaultAspectPresets;
    auto size = [&](int index, VideoSize native) {
        const VideoSize s = PresetPictureSize(list, index, native);
        return std::pair{s.width, s.height};
    };
    EXPECT_EQ(size(0, kDvd), (std::pair{720, 480}));
    EXPECT_EQ(size(1, kDvd), (std::pair{640, 480}));
    EXPECT_EQ(size(2, kDvd), (std::pair{848, 477}));
    EXPECT_EQ(size(2, {352, 240}), (std::pair{416, 234}));
    EXPECT_EQ(size(3, kDvd), (std::pair{320, 240}));
    EXPECT_EQ(size(3, {0, 0}), (std::pair{320, 240})) << "a fixed size needs no native size";
}

TEST(PictureSize, UnusableEntriesGiveTheNativeSize) {
    const std::string list = "off;4:3;16:9;320*240;4:0;4:;0*0;-4:3;99999*2;5*-1;";
    auto size = [&](int index, VideoSize native) {
        const VideoSize s = PresetPictureSize(list, index, native);
        return std::pair{s.width, s.height};
    };
    EXPECT_EQ(size(4, kDvd), (std::pair{720, 480})) << "a zero divisor";
    EXPECT_EQ(size(5, kDvd), (std::pair{720, 480})) << "a missing divisor";
    EXPECT_EQ(size(6, kDvd), (std::pair{720, 480})) << "a zero size would divide by zero when fitting";
    EXPECT_EQ(size(7, kDvd), (std::pair{720, 480})) << "a negative width";
    EXPECT_EQ(size(9, kDvd), (std::pair{720, 480}));
    EXPECT_EQ(size(2, {720, 8}), (std::pair{720, 8})) << "fewer lines than the divisor";
    EXPECT_EQ(size(8, kDvd), (std::pair{kMaxPictureSide, 2})) << "huge sides are limited";
    EXPECT_EQ(size(10, kDvd), (std::pair{720, 480}));
    EXPECT_EQ(size(-1, kDvd), (std::pair{720, 480}));
    EXPECT_EQ(size(3, kDvd), (std::pair{320, 240}));
    const VideoSize s = PresetPictureSize("2147483647:1;", 0, {720, 480});
    EXPECT_EQ(s.width, kMaxPictureSide) << "no overflow";
}

}  // namespace
}  // namespace felux
