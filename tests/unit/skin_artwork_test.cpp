// The compiled-in skin: the generator's output, and every area the panel renderer reads from it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "skin/DibImage.h"
#include "skin/SkinBytes.h"
#include "skin/SkinLayout.h"

namespace felux {
namespace {

using namespace skin;

class SkinArtwork : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(image.LoadFromBytes(SkinBitmapBytes())); }

    // Whether two equally sized areas of the skin hold the same pixels.
    bool Same(Rect a, Rect b) const {
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < a.width; ++x)
                if (image.PixelAt(a.x + x, a.y + y) != image.PixelAt(b.x + x, b.y + y)) return false;
        return true;
    }
    bool AllOf(Rect a, Rgb c) const {
        for (int y = a.y; y < a.y + a.height; ++y)
            for (int x = a.x; x < a.x + a.width; ++x)
                if (image.PixelAt(x, y) != c) return false;
        return true;
    }

    DibImage image;
};

bool Inside(Rect r, Rect outer) {
    return r.width > 0 && r.height > 0 && r.x >= outer.x && r.y >= outer.y && r.x + r.width <= outer.x + outer.width &&
           r.y + r.height <= outer.y + outer.height;
}
bool Overlap(Rect a, Rect b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// Each panel area the renderer overdraws, and where it takes the lit face from.
struct LitPiece {
    const char* what;
    Rect at;
    Rect from;
};
const std::vector<LitPiece>& LitPieces() {
    static const std::vector<LitPiece> pieces = {
        {"volume mode 0", kVolumeArea, Lit(kVolumeArea)},
        {"volume mode 1", kVolumeArea, SecondLit(kVolumeArea)},
        {"shuffle", kShuffleLabel, Lit(kShuffleLabel)},
        {"repeat", kRepeatLabel, Lit(kRepeatLabel)},
        {"dimmed logo", kLogoArea, Lit(kLogoArea)},
        {"centre tick", kSpeedCentreTick, Lit(kSpeedCentreTick)},
        {"play held", kPlayButton, Lit(kPlayButton)},
        {"play while stopped", kPlayButton, SecondLit(kPlayButton)},
        {"stop held", kStopArea, Lit(kStopArea)},
        {"still held", kStillArea, Lit(kStillArea)},
        {"paused", kStillArea, SecondLit(kStillArea)},
        {"still tick", kSpeedStillMark, Lit(kSpeedStillMark)},
        {"slower mark", kSpeedSlowMark, Lit(kSpeedSlowMark)},
        {"faster steps", {kSpeedFastX, kSpeedScaleY, 18, 3}, Lit({kSpeedFastX, kSpeedScaleY, 18, 3})},
        {"slower steps", {325, kSpeedScaleY, 18, 3}, Lit({325, kSpeedScaleY, 18, 3})},
        {"back held", kBackButton, Lit(kBackButton)},
        {"next held", kNextButton, Lit(kNextButton)},
        {"config held", kConfigButton, Lit(kConfigButton)},
        {"progress", kProgressTrack, Lit(kProgressTrack)},
        {"zoom minus held", kZoomPair, SecondLit(kZoomPair)},
        {"zoom plus held", kZoomPair, Lit(kZoomPair)},
        {"full held", kFullArea, Lit(kFullArea)},
        {"scan lines", kScanLineBox, Lit(kScanLineBox)},
        {"line mask 1", kLineMaskBox, Lit(kLineMaskBox)},
        {"line mask 2", kLineMaskSecondMarkAt, kLineMaskSecondMark},
        {"power held", kPowerButton, Lit(kPowerButton)},
        {"zoom read-out dot", kZoomDot, Lit(kZoomDot)},
    };
    return pieces;
}

TEST_F(SkinArtwork, CompiledSkinIsTheGeneratorsOutput) {
#ifdef FELUX_SKIN_TOOL
    test::TempFolder dir;
    for (const int scale : {1, 2}) {
        const auto out = dir.path() / "skin.bmp";
        const std::string command = std::string("\"") + FELUX_SKIN_TOOL + "\" \"" + out.string() + "\"" +
                                    (scale == 2 ? " 2" : "");
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const std::string fresh = dir.Read("skin.bmp");
        const std::span<const unsigned char> compiled = SkinBitmapBytes(scale);
        ASSERT_EQ(fresh.size(), compiled.size()) << "run the felux_skin_update target and commit resources/skin*.bmp";
        EXPECT_TRUE(std::equal(compiled.begin(), compiled.end(), reinterpret_cast<const unsigned char*>(fresh.data())))
            << "run the felux_skin_update target and commit resources/skin*.bmp, scale " << scale;
    }
#else
    GTEST_SKIP() << "built without the skin tool";
#endif
    EXPECT_EQ(image.Width(), kSkinWidth);
    EXPECT_EQ(image.Height(), kSkinHeight);
    EXPECT_EQ(SkinBitmapBytes().size(), 54u + 1920u * 400u) << "24 bits, no colour table";
    EXPECT_EQ(SkinBitmapBytes(2).size(), 54u + 3840u * 800u) << "the same drawing at 2x";
}

TEST_F(SkinArtwork, EveryAreaLiesInsideTheSkinAndPiecesDoNotOverlap) {
    const Rect skinRect{0, 0, kSkinWidth, kSkinHeight};
    for (const LitPiece& p : LitPieces()) {
        EXPECT_TRUE(Inside(p.at, kRestingPanel)) << p.what;
        EXPECT_TRUE(Inside(p.from, skinRect)) << p.what;
    }
    const std::vector<Rect> loose = {
        {kCellsX, kLargeCellsY, kCellPitch * kLargeCellCount, kLargeCellHeight},
        {kCellsX, kSmallCellsY, kCellPitch * kSmallCellCount, kSmallCellHeight},
        kVolumeKnob, kLineMaskSecondMark, kDarkStrip, kLightStrip, kOrangeStrip,
        kWideOrangeStrip, kWideDarkStrip, kWideLightStrip, kVolumeFlash,
        kRestingPanel, Lit(kRestingPanel), SecondLit(kTransport), SecondLit(kVolumeArea), SecondLit(kZoomPair),
    };
    for (std::size_t i = 0; i < loose.size(); ++i) {
        EXPECT_TRUE(Inside(loose[i], skinRect)) << i;
        for (std::size_t j = i + 1; j < loose.size(); ++j) EXPECT_FALSE(Overlap(loose[i], loose[j])) << i << " " << j;
    }
    const std::vector<Rect> controls = {kLogoHit,       kConfigButton, kPowerButton,  kRepeatLabel, kShuffleLabel,
                                        kProgressHit,   kVolumeBar,    kZoomMinusHit, kZoomPlusHit, kFullHit,
                                        kFileUpperHit,  kStopHit,      kStillHit,     kBackButton,  kPlayButton,
                                        kNextButton,    kScanLineBox,  kLineMaskBox,  kMinimiseBox, kDisplayUpperHalf,
                                        kDisplayLowerHalf};
    for (const Rect& c : controls) EXPECT_TRUE(Inside(c, {0, 0, 406, kPanelBodyRows})) << c.x << "," << c.y;
}

TEST_F(SkinArtwork, LitFacesDifferFromTheRestingPanelAtEveryControl) {
    for (const LitPiece& p : LitPieces()) EXPECT_FALSE(Same(p.at, p.from)) << p.what;
    EXPECT_FALSE(Same(Lit(kVolumeArea), SecondLit(kVolumeArea))) << "the two volume modes look different";
    EXPECT_FALSE(Same(Lit(kPlayButton), SecondLit(kPlayButton))) << "held and ready PLAY look different";
    EXPECT_FALSE(Same(Lit(kLineMaskSecondMarkAt), kLineMaskSecondMark)) << "the two line mask states";
    EXPECT_FALSE(Same(Lit(kZoomPair), SecondLit(kZoomPair)));
    // Pieces drawn over each other meet cleanly: the scan-line face's last row
    // is the line-mask face's first.
    EXPECT_TRUE(Same({324, 29, 49, 1}, {324, 129, 49, 1}));
    // The lit copy changes nothing the renderer does not draw from it: the
    // display's text band and the speed labels stay as they rest.
    EXPECT_TRUE(Same({139, 16, 63, 13}, Lit({139, 16, 63, 13})));
    EXPECT_TRUE(Same({70, 18, 56, 11}, Lit({70, 18, 56, 11})));
}

TEST_F(SkinArtwork, StripsAndTheDisplayGroundHaveTheNamedColours) {
    EXPECT_TRUE(AllOf(kDarkStrip, kDarkColour));
    EXPECT_TRUE(AllOf(kLightStrip, kLightColour));
    EXPECT_TRUE(AllOf(kOrangeStrip, kOrangeColour));
    EXPECT_TRUE(AllOf(kWideDarkStrip, kDarkColour));
    EXPECT_TRUE(AllOf(kWideLightStrip, kLightColour));
    EXPECT_TRUE(AllOf(kWideOrangeStrip, kOrangeColour));
    const Rgb d = kDarkColour, l = kLightColour, o = kOrangeColour;
    EXPECT_LT(d.r + d.g + d.b, 150) << "dark";
    EXPECT_GT(l.r + l.g + l.b, 450) << "light";
    EXPECT_TRUE(o.r > 200 && o.g > 100 && o.g < 180 && o.b < 80) << "orange";

    // Digits and composited text land on a plain ground: the read-outs, the
    // lyric line and the title band show the dark strip's colour.
    EXPECT_TRUE(AllOf({kTimeReadoutX, kTimeReadoutY, 8 * kReadoutPitch, kLargeCellHeight}, kDarkColour));
    EXPECT_TRUE(AllOf({kSmallReadoutX, kSmallReadoutY, 7 * kReadoutPitch, kSmallCellHeight}, kDarkColour));
    EXPECT_TRUE(AllOf({kLyricTop.x, kLyricTop.y, kLyricTop.width, 11}, kDarkColour));
    EXPECT_TRUE(AllOf({70, kTitleBand.y, 134, kTitleBand.height}, kDarkColour));
}

TEST_F(SkinArtwork, DigitCellsAreDistinctOnTheDisplayGround) {
    for (const bool large : {true, false}) {
        const int count = large ? kLargeCellCount : kSmallCellCount;
        for (int i = 0; i < count; ++i) {
            const Rect a = large ? LargeCell(i) : SmallCell(i);
            EXPECT_FALSE(AllOf(a, kDarkColour)) << "cell " << i << " has ink";
            EXPECT_EQ(image.PixelAt(a.x, a.y), kDarkColour) << "cell " << i << " ground";
            for (int j = i + 1; j < count; ++j)
                EXPECT_FALSE(Same(a, large ? LargeCell(j) : SmallCell(j))) << (large ? "large " : "small ") << i << "/" << j;
        }
    }
}

TEST_F(SkinArtwork, KeyColoursAppearOnlyWhereTheyAreLeftOut) {
    const Rgb white{255, 255, 255}, black{0, 0, 0};
    int flashWhite = 0, flashInk = 0;
    for (int y = 0; y < kSkinHeight; ++y)
        for (int x = 0; x < kSkinWidth; ++x) {
            const Rgb c = *image.PixelAt(x, y);
            const bool inFlash = Inside({x, y, 1, 1}, kVolumeFlash);
            ASSERT_NE(c, black) << x << "," << y;
            if (inFlash)
                (c == white ? flashWhite : flashInk)++;
            else
                ASSERT_NE(c, white) << x << "," << y;
        }
    EXPECT_GT(flashWhite, 0) << "the flash leaves the ground alone";
    EXPECT_GT(flashInk, 0);
}

}  // namespace
}  // namespace felux
