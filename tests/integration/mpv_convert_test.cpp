// Conversions between the player's units and mpv's: volume curve, source rectangle, wave-out, time.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "mpv/MpvConvert.h"

namespace felux::mpv {
namespace {

TEST(MpvConvert, ThePictureIsSizedAsShownTurnedAndWithItsPixelShape) {
    auto expect = [](VideoSize got, int width, int height) {
        EXPECT_EQ(got.width, width);
        EXPECT_EQ(got.height, height);
    };
    expect(DisplayedSize({1920, 1080}, 0, 1.0), 1920, 1080);
    // Phones store portrait clips sideways and say how to turn them, either way round.
    expect(DisplayedSize({1920, 1080}, 90, 1.0), 1080, 1920);
    expect(DisplayedSize({1920, 1080}, 270, 1.0), 1080, 1920);
    expect(DisplayedSize({1920, 1080}, -90, 1.0), 1080, 1920);
    expect(DisplayedSize({1920, 1080}, 180, 1.0), 1920, 1080);
    expect(DisplayedSize({1920, 1080}, 450, 1.0), 1080, 1920);
    // Anamorphic pixels widen (or heighten) the picture, before it is turned.
    expect(DisplayedSize({720, 576}, 0, 64.0 / 45.0), 1024, 576);
    expect(DisplayedSize({64, 48}, 0, 0.5), 64, 96);
    expect(DisplayedSize({64, 48}, 90, 2.0), 48, 128);
    // A shape that is no number is square; a result no screen could hold is unknown.
    expect(DisplayedSize({64, 48}, 0, std::nan("")), 64, 48);
    expect(DisplayedSize({64, 48}, 0, 0.0), 64, 48);
    expect(DisplayedSize({64, 48}, 0, -2.0), 64, 48);
    expect(DisplayedSize({1'000'000, 48}, 0, 1.0), 1'000'000, 48);
    expect(DisplayedSize({1'000'000, 48}, 0, 1.5), 0, 0);
    expect(DisplayedSize({64, 48}, 0, std::numeric_limits<double>::infinity()), 64, 48);
}

TEST(MpvConvert, SourceRectangleBecomesScaleAndPanThatFillTheWindow) {
    const VideoSize native{64, 48};
    auto expect = [](PanScale got, PanScale want) {
        EXPECT_NEAR(got.scaleX, want.scaleX, 1e-9);
        EXPECT_NEAR(got.scaleY, want.scaleY, 1e-9);
        EXPECT_NEAR(got.panX, want.panX, 1e-9);
        EXPECT_NEAR(got.panY, want.panY, 1e-9);
    };
    expect(PanScaleForSourceRect(native, std::nullopt), {1, 1, 0, 0});
    expect(PanScaleForSourceRect(native, SourceRect{0, 0, 64, 48}), {1, 1, 0, 0});
    // A centred part is a pure zoom.
    expect(PanScaleForSourceRect(native, SourceRect{16, 12, 32, 24}), {2, 2, 0, 0});
    // Corners: the picture, twice the window, starts half a window left / right of it.
    expect(PanScaleForSourceRect(native, SourceRect{0, 0, 32, 24}), {2, 2, 0.25, 0.25});
    expect(PanScaleForSourceRect(native, SourceRect{32, 24, 32, 24}), {2, 2, -0.25, -0.25});
    // The overscan rectangle of 0.98 on 640 x 480.
    const auto overscan = PanScaleForSourceRect({640, 480}, SourceRect{6, 4, 627, 470});
    EXPECT_NEAR(overscan.scaleX, 640.0 / 627.0, 1e-9);
    EXPECT_NEAR(overscan.panX, (13.0 / 2.0 - 6.0) / 640.0, 1e-9);
}

TEST(MpvConvert, SourceRectangleOutsideThePictureIsClippedOrIgnored) {
    const VideoSize native{64, 48};
    const auto clipped = PanScaleForSourceRect(native, SourceRect{-10, -10, 74, 58});
    EXPECT_DOUBLE_EQ(clipped.scaleX, 1.0);
    EXPECT_DOUBLE_EQ(clipped.panY, 0.0);
    for (const SourceRect r : {SourceRect{0, 0, 0, 48}, SourceRect{0, 0, 64, -5}, SourceRect{64, 0, 10, 48},
                               SourceRect{INT_MAX, INT_MAX, INT_MAX, INT_MAX}, SourceRect{INT_MIN, 0, INT_MAX, 48}}) {
        const auto ps = PanScaleForSourceRect(native, r);
        EXPECT_TRUE(std::isfinite(ps.scaleX) && std::isfinite(ps.panX) && std::isfinite(ps.panY));
        EXPECT_GE(ps.scaleX, 1.0);
        EXPECT_LE(std::fabs(ps.panX), 3.0);
    }
    const auto unknown = PanScaleForSourceRect({0, 0}, SourceRect{0, 0, 10, 10});
    EXPECT_DOUBLE_EQ(unknown.scaleX, 1.0) << "no native size, no zoom";
}

TEST(MpvConvert, WaveOutMapsOntoOneOutputLevel) {
    EXPECT_DOUBLE_EQ(WaveOutToAoVolume(0xFFFFFFFFu), 100.0);
    EXPECT_DOUBLE_EQ(WaveOutToAoVolume(0), 0.0);
    EXPECT_DOUBLE_EQ(WaveOutToAoVolume(0x0000FFFFu), 50.0) << "left and right are averaged";
    EXPECT_EQ(AoVolumeToWaveOut(100.0), 0xFFFFFFFFu);
    EXPECT_EQ(AoVolumeToWaveOut(0.0), 0u);
    EXPECT_EQ(AoVolumeToWaveOut(250.0), 0xFFFFFFFFu);
    EXPECT_EQ(AoVolumeToWaveOut(-3.0), 0u);
    EXPECT_EQ(AoVolumeToWaveOut(std::nan("")), 0u);
    for (std::uint32_t word = 0; word <= 0xFFFF; word += 1057) {
        const std::uint32_t value = (word << 16) | word;
        EXPECT_EQ(AoVolumeToWaveOut(WaveOutToAoVolume(value)), value);
    }
}

TEST(MpvConvert, SecondsBecomeMediaTimeSafely) {
    EXPECT_EQ(SecondsToTime(0.0), MediaTime{});
    EXPECT_EQ(SecondsToTime(1.5), MediaTime(1'500'000));
    EXPECT_EQ(SecondsToTime(0.04), MediaTime(40'000));
    EXPECT_EQ(SecondsToTime(-0.5), MediaTime(-500'000));
    EXPECT_EQ(SecondsToTime(0.0000014), MediaTime(1)) << "rounded to the nearest microsecond";
    EXPECT_EQ(SecondsToTime(0.0000016), MediaTime(2));
    EXPECT_EQ(SecondsToTime(std::nan("")), MediaTime{});
    EXPECT_EQ(SecondsToTime(std::numeric_limits<double>::infinity()), MediaTime{});
    EXPECT_EQ(SecondsToTime(1e300), MediaTime::max());
    EXPECT_EQ(SecondsToTime(-1e300), MediaTime::min());
    // Just short of 2^63 microseconds a value is kept; from 9.2e18 on it saturates.
    EXPECT_GT(SecondsToTime(9.1e12), MediaTime(9'000'000'000'000'000'000));
    EXPECT_LT(SecondsToTime(9.1e12), MediaTime::max());
    EXPECT_EQ(SecondsToTime(9.2e12), MediaTime::max());
    EXPECT_EQ(SecondsToTime(-9.2e12), MediaTime::min());
    EXPECT_DOUBLE_EQ(TimeToSeconds(MediaTime(12'345'678)), 12.345678);
    EXPECT_DOUBLE_EQ(TimeToSeconds(MediaTime::max()), 9.223372036854775807e12);
}

}  // namespace
}  // namespace felux::mpv
