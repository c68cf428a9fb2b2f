// Volume level conversions and the start-up volume taken from and given back to the system.
#include <gtest/gtest.h>

#include <cmath>

#include "FakeSystemVolume.h"
#include "engine/Volume.h"

namespace felux {
namespace {

TEST(Volume, LevelsFollowTheDecibelScaleOntoTheEnginesCubicCurve) {
    EXPECT_DOUBLE_EQ(LevelToEngineVolume(62), kEngineVolumeFull);
    EXPECT_DOUBLE_EQ(LevelToEngineVolume(63), kEngineVolumeFull) << "above full is full";
    EXPECT_DOUBLE_EQ(LevelToEngineVolume(0), 0.0) << "silence is exactly 0, not the curve's -37.2 dB";
    EXPECT_DOUBLE_EQ(LevelToEngineVolume(-1), 0.0);
    // Level 1 is -36.6 dB, the quietest sound; each level is 0.6 dB: amplitude 10^(dB/20), cube-rooted.
    EXPECT_NEAR(LevelToEngineVolume(1), 100.0 * std::cbrt(std::pow(10.0, -36.6 / 20.0)), 1e-9);
    EXPECT_NEAR(LevelToEngineVolume(61), 100.0 * std::cbrt(std::pow(10.0, -0.6 / 20.0)), 1e-9);
    double previous = 0.0;
    for (int level = 1; level <= kVolumeFull; ++level) {
        const double v = LevelToEngineVolume(level);
        EXPECT_GT(v, previous) << level;
        previous = v;
    }
}

TEST(Volume, LevelsConvertToBothScalesAndReadBack) {
    EXPECT_EQ(LevelToWaveOut(62), 0xFFFFFFFFu);
    EXPECT_EQ(LevelToWaveOut(31), 0x7FFF7FFFu);
    EXPECT_EQ(LevelToWaveOut(0), 0u);
    EXPECT_EQ(LevelToWaveOut(99), 0xFFFFFFFFu) << "out-of-range levels are clamped";
    EXPECT_EQ(LevelToWaveOut(-5), 0u);
    for (int level = 0; level <= 62; ++level) {
        EXPECT_EQ(WaveOutToLevel(LevelToWaveOut(level)), level);
        EXPECT_EQ(ParseVolumeLine(FormatVolumeLine(level)), level);
    }
    EXPECT_EQ(WaveOutChannelToLevel(0xFFFF), 62);
    EXPECT_EQ(WaveOutChannelToLevel(31 * 1057), 31);
}

TEST(Volume, VolumeLinesUseLowerCaseHexAndTolerateDamage) {
    EXPECT_EQ(FormatVolumeLine(62), "1:ffffffff");
    EXPECT_EQ(FormatVolumeLine(31), "1:7fff7fff");
    EXPECT_EQ(FormatVolumeLine(0), "1:00000000");
    EXPECT_EQ(ParseVolumeLine("1:fffe0000"), 61);
    EXPECT_EQ(ParseVolumeLine("1:7fffzzzz"), 30) << "unknown characters count as 0";
    EXPECT_EQ(ParseVolumeLine("1:7f"), 30) << "missing characters are zero digits, read no further";
    EXPECT_EQ(ParseVolumeLine(""), 0);
}

TEST(Volume, StartupVolumeComesFromTheSavedLevelOrTheSystem) {
    test::FakeSystemVolume system;
    system.value = LevelToWaveOut(40);

    StartupVolume s = TakeStartupVolume(system, false, true, 20);
    EXPECT_EQ(s.level, 20);
    EXPECT_FALSE(s.waveOutAtStart);
    EXPECT_EQ(TakeStartupVolume(system, false, true, 500).level, 62) << "a damaged saved level is clamped";

    s = TakeStartupVolume(system, false, false, 20);
    EXPECT_EQ(s.level, 40) << "a level the player set reads back unchanged at the next start";
    EXPECT_EQ(system.sets, 0);

    system.value = 0x2000FFFFu;  // right channel quieter than left: the right word decides
    s = TakeStartupVolume(system, true, false, 20);
    EXPECT_EQ(s.level, 0x2000 / 1057);
    EXPECT_EQ(s.waveOutAtStart, 0x2000FFFFu);
    EXPECT_EQ(TakeStartupVolume(system, true, true, 20).level, 20);

    system.value = 0;
    RestoreStartupVolume(system, false, s);
    EXPECT_EQ(system.value, 0u);
    RestoreStartupVolume(system, true, s);
    EXPECT_EQ(system.value, 0x2000FFFFu);

    // Restore switched on only after start-up: nothing was read, so the system is left alone.
    system.value = 0x12341234u;
    RestoreStartupVolume(system, true, StartupVolume{20, std::nullopt});
    EXPECT_EQ(system.value, 0x12341234u);

    // No output has reported a level yet: the saved level stands in and nothing is written,
    // neither now nor at exit.
    system.value = std::nullopt;
    const int setsBefore = system.sets;
    for (const bool restore : {false, true}) {
        for (const bool directShow : {false, true}) {
            s = TakeStartupVolume(system, restore, directShow, 20);
            EXPECT_EQ(s.level, 20);
            EXPECT_FALSE(s.waveOutAtStart);
            RestoreStartupVolume(system, restore, s);
        }
    }
    EXPECT_EQ(system.value, std::nullopt);
    EXPECT_EQ(system.sets, setsBefore);

    ApplyToWaveOut(system, 31);
    EXPECT_EQ(system.value, 0x7FFF7FFFu);
}

}  // namespace
}  // namespace felux
