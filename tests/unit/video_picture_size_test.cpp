// The aspect preset list and the picture sizes its entries give.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "settings/PlayerSettings.h"
#include "video/PictureSize.h"

namespace felux {
namespace {

std::pair<int, int> Picture(std::string_view list, int index, VideoSize native = {720, 480}) {
    const VideoSize s = PresetPictureSize(list, index, native);
    return {s.width, s.height};
}

TEST(PictureSize, ListSplitsIntoTenBoundedEntriesAndJoinsBack) {
    const AspectPresetList defaults = SplitAspectPresets(kDefaultAspectPresets);
    EXPECT_EQ(defaults[2], "16:9");
    EXPECT_EQ(defaults[9], "off");
    EXPECT_EQ(JoinAspectPresets(defaults), kDefaultAspectPresets);

    const AspectPresetList shortList = SplitAspectPresets("4:3;;320*240");
    EXPECT_EQ(shortList[1], "");
    EXPECT_EQ(shortList[2], "320*240") << "a last entry without ';' still counts";
    EXPECT_EQ(shortList[9], "");
    EXPECT_EQ(SplitAspectPresets("0;1;2;3;4;5;6;7;8;9;10;11;")[9], "9") << "entries past ten are ignored";

    AspectPresetList withSeparator = defaults;
    withSeparator[0] = "4:3;16:9";
    EXPECT_EQ(SplitAspectPresets(JoinAspectPresets(withSeparator))[1], "4:3") << "';' cannot shift entries";

    // 252 + 1 + 3 characters: the read ends right after "4:3".
    const AspectPresetList cut = SplitAspectPresets(std::string(252, 'x') + ";4:3;16:9;");
    EXPECT_EQ(cut[1], "4:3");
    EXPECT_EQ(cut[2], "") << "characters past 256 are not read";
}

TEST(PictureSize, EntriesAreRatiosSizesOrNative) {
    const AspectPreset ratio = ParseAspectPreset(" 4 :3x");
    EXPECT_EQ(ratio.form, PresetForm::Ratio);
    EXPECT_EQ(ratio.first, 4) << "numbers are read like atoi";
    EXPECT_EQ(ratio.second, 3);
    const AspectPreset size = ParseAspectPreset("x*240");
    EXPECT_EQ(size.form, PresetForm::Size);
    EXPECT_EQ(size.first, 0);
    EXPECT_EQ(size.second, 240);
    EXPECT_EQ(ParseAspectPreset("off").form, PresetForm::Native);
    EXPECT_EQ(ParseAspectPreset("").form, PresetForm::Native);
}

TEST(PictureSize, PresetsGiveRatioFixedOrNativeSizes) {
    EXPECT_EQ(Picture(kDefaultAspectPresets, 0), (std::pair{720, 480}));
    EXPECT_EQ(Picture(kDefaultAspectPresets, 1), (std::pair{640, 480}));
    EXPECT_EQ(Picture(kDefaultAspectPresets, 2), (std::pair{848, 477})) << "480 / 9 = 53 lines per unit";
    EXPECT_EQ(Picture(kDefaultAspectPresets, 2, {352, 240}), (std::pair{416, 234}));
    EXPECT_EQ(Picture(kDefaultAspectPresets, 3), (std::pair{320, 240}));
    EXPECT_EQ(Picture(kDefaultAspectPresets, 3, {0, 0}), (std::pair{320, 240})) << "a size needs no native size";
}

TEST(PictureSize, UnusableEntriesGiveTheNativeSize) {
    const std::string list = "4:0;4:;0*0;-4:3;5*-1;16:9;99999*2;2147483647:1;";
    EXPECT_EQ(Picture(list, 0), (std::pair{720, 480})) << "a zero divisor";
    EXPECT_EQ(Picture(list, 1), (std::pair{720, 480})) << "a missing divisor";
    EXPECT_EQ(Picture(list, 2), (std::pair{720, 480})) << "a zero size would divide by zero when fitting";
    EXPECT_EQ(Picture(list, 3), (std::pair{720, 480}));
    EXPECT_EQ(Picture(list, 4), (std::pair{720, 480}));
    EXPECT_EQ(Picture(list, 5, {720, 8}), (std::pair{720, 8})) << "fewer lines than the divisor";
    EXPECT_EQ(Picture(list, 6), (std::pair{kMaxPictureSide, 2})) << "huge sides are limited";
    EXPECT_EQ(Picture(list, 7).first, kMaxPictureSide) << "without overflow";
    EXPECT_EQ(Picture(list, 10), (std::pair{720, 480}));
    EXPECT_EQ(Picture(list, -1), (std::pair{720, 480}));
}

}  // namespace
}  // namespace felux
