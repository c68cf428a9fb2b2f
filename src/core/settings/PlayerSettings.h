// The persistent options record: one line each in the settings file, by line position.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace felux {

// Overscan scales are stored as whole percents; this is the one place that rounds them, so a
// scale such as 0.29 (28.999... x 100) neither drifts at each save nor differs from the keys'.
// Saturated at the int limits: a scale computed from a damaged preset may be far out of range.
inline int ScalePercent(double scale) {
    const double percent = scale * 100.0;
    if (std::isnan(percent)) return 100;
    return static_cast<int>(std::lround(std::clamp(percent, -2147483648.0, 2147483647.0)));
}
inline double PercentScale(int percent) { return percent / 100.0; }

using WheelTable = std::array<int, 20>;

inline constexpr const char* kDefaultFontFace = "ＭＳ Ｐゴシック";
inline constexpr const char* kDefaultAspectPresets =
    "off;4:3;16:9;320*240;352*240;640*480;704*480;720*480;off;off;";

struct PlayerSettings {
    std::string firstLineText;
    int mainWindowX = 0;
    int mainWindowY = 0;
    int videoWindowX = 0;
    int videoWindowY = 60;  // under the panel, where the position check also puts it
    int scanLinesOn = 1;
    int lineMaskMode = 0;
    int scanLinePattern = 1;
    int lineMaskTop = 3;
    int lineMaskBottom = 3;
    int windowZoomStep = 2;
    int fullScreenZoomStep = 5;
    int shufflePlay = 0;
    int repeatList = 1;
    std::string lastMediaPath;
    std::string lastListPath;
    int editorWindowX = 10;
    int editorWindowY = 10;
    int editorWindowWidth = 250;
    int editorWindowHeight = 350;
    int aspectPresetIndex = 0;
    int searchWait = 6;  // ticks between search steps, less one
    int volumeLogEnabled = 1;
    int volumeLogAutoUpdate = 0;
    int volumeLogMax = 500;
    int searchSpeedPlayRew = 4500;  // milliseconds
    int searchSpeedPlayFF = 4500;
    int searchSpeedPauseRew = 450;
    int searchSpeedPauseFF = 450;
    int fullScreenModeOn = 1;
    int fullScreenWidth = 0;
    int fullScreenHeight = 0;
    int fullScreenBits = 0;
    int fullScreenModeNumber = 0;
    std::string syncSearchPath1;
    std::string syncSearchPath2;
    std::string syncFlags = "0100111";
    int wheelVariableSpeed = 0;
    int powerManagementOff = 0;
    int hideCursorInFullScreen = 1;
    std::string aspectPresets = kDefaultAspectPresets;
    int topmostMode = 0;
    int noPlayOnStart = 0;
    int maximizeOnPlay = 0;
    int restoreVolumeOnExit = 0;
    int listPathMode = 0;
    int mouseVolume = 1;
    int lyricsBelowVideo = 0;
    int lyricsOnMainPanel = 0;
    int lyricsPanelShown = 0;
    std::string fontFace = kDefaultFontFace;
    int fontCharSet = 128;
    int fontHeight = -13;
    int fontItalic = 0;
    int fontWeight = 400;
    int fontPosition = 0;
    int lineMaskLeft = 0;
    int lineMaskRight = 0;
    int reshuffleOnWrap = 0;
    int lineMaskTopPercent = 1;
    int lineMaskBottomPercent = 1;
    int lineMaskLeftPercent = 1;
    int lineMaskRightPercent = 1;
    int overscanPreset = 0;
    int overscanX2 = 2;
    int overscanX3 = 4;
    int overscanX4 = 8;
    int overscanX5 = 2;
    int overscanY2 = 2;
    int overscanY3 = 4;
    int overscanY4 = 8;
    int overscanY5 = 0;
    double overscanScaleX = 1.0;  // stored as percent, truncated
    double overscanScaleY = 1.0;
    WheelTable wheelPlayIsRate{0, 1, 1, 1, 1};
    WheelTable wheelPauseIsRate{0, 1, 1, 1, 1};
    WheelTable wheelPlaySteps{0,      110,    125,    150,    200,    7000,   10000,
                              13000,  16000,  20000,  0,      -1100,  -1250,  -1500,
                              -2000,  -7000,  -10000, -13000, -16000, -20000};
    WheelTable wheelPauseSteps{0,    25,    50,    75,    100,   512,   1000,
                               2000, 3000,  5000,  0,     -250,  -500,  -750,
                               -1000, -512, -1000, -2000, -3000, -5000};
    int wheelFrameStepWhenPaused = 0;
    int secondaryMonitorFix = 1;
    int wheelSeekOff = 0;
    int keepMissingFiles = 1;
    int savedVolume = 62;  // level 0..62
    int useDirectShowVolume = 1;
    int wheelNotchFeel = 1;
    int handOverFiles = 1;  // 1: a second start gives its files to the running player; 0: it drops them
    int hardwareDecoding = 1;  // 1: decode on the graphics chip where the engine deems it safe
    int resumePlayback = 1;         // 1: a long file reopens where it was left
    int resumeMinimumSeconds = 300;  // the length from which a file counts as long
    int replayGain = 0;  // loudness levelling by ReplayGain tags: 0 off, 1 track, 2 album

    // Live mirrors kept outside the file; set from the file on load.
    int liveScanLinesOn = 1;
    int liveLineMaskMode = 0;
};

inline constexpr int kSettingsFieldCount = 90;

}  // namespace felux
