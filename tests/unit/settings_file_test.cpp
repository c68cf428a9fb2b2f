// Settings file: format, positional loading, the load-time corrections and safe saving.
#include <gtest/gtest.h>

#include <cmath>

#include "FakeDisplayModes.h"
#include "KeyListText.h"
#include "TempFolder.h"
#include "io/TextFile.h"
#include "io/TextLines.h"
#include "settings/SettingsFields.h"
#include "settings/SettingsFile.h"

namespace felux {
namespace {

constexpr Size kScreen{1280, 1024};

// A settings text with the given values at the given line numbers and defaults elsewhere.
std::string WithLines(std::initializer_list<std::pair<std::size_t, std::string>> values) {
    const std::string defaults = FormatSettings(PlayerSettings{}, test::KeyListText());
    std::vector<std::string> lines;
    for (std::string_view l : io::SplitLines(defaults)) lines.emplace_back(l);
    for (const auto& [index, value] : values) lines[index] = "x=" + value;
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

PlayerSettings Parsed(const std::string& text) {
    PlayerSettings s;
    ParseSettings(s, text, kScreen);
    return s;
}

TEST(SettingsFile, DefaultsAreWrittenUnderTheKeyNames) {
    const std::string text = FormatSettings(PlayerSettings{}, test::KeyListText());
    const std::vector<std::string_view> lines = io::SplitLines(text);
    ASSERT_EQ(lines.size(), 90u);
    EXPECT_EQ(lines[0], "firstLineText=");
    EXPECT_EQ(lines[13], "repeatList=1");
    EXPECT_EQ(lines[36], "syncFlags=0100111");
    EXPECT_EQ(lines[50], "fontFace=ＭＳ Ｐゴシック");
    EXPECT_EQ(lines[72], "overscanScaleX=100");
    EXPECT_EQ(lines[73], "overscanScaleY=100");
    EXPECT_EQ(lines[74], "wheelPlayIsRate=0,1,1,1,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(lines[77], "wheelPauseSteps=0,25,50,75,100,512,1000,2000,3000,5000,0,-250,-500,-750,-1000,-512,-1000,-2000,-3000,-5000");
    EXPECT_EQ(lines[84], "wheelNotchFeel=1");
    EXPECT_EQ(lines[85], "handOverFiles=1") << "a new file hands a second start's files over";
    EXPECT_EQ(lines[86], "hardwareDecoding=1");
    EXPECT_EQ(lines[87], "resumePlayback=1");
    EXPECT_EQ(lines[88], "resumeMinimumSeconds=300");
    EXPECT_EQ(lines[89], "replayGain=0") << "levelling is off until asked for";
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'));
}

TEST(SettingsFile, ChangedValuesRoundTrip) {
    PlayerSettings s;
    s.firstLineText = "first";
    s.mainWindowX = 100;
    s.videoWindowY = 300;
    s.lastMediaPath = "/home/u/ビデオ/a b.mpg";
    s.overscanScaleX = 0.98;
    s.overscanScaleY = 0.5;
    s.wheelPlaySteps[19] = -12345;
    s.wheelPauseIsRate = {0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    s.fontFace = "IPAPGothic";
    s.fontHeight = -20;
    s.lineMaskMode = 2;
    s.liveLineMaskMode = 2;
    s.handOverFiles = 1;
    s.hardwareDecoding = 0;
    s.replayGain = 2;
    const std::string text = FormatSettings(s, test::KeyListText());
    PlayerSettings back = Parsed(text);
    EXPECT_EQ(FormatSettings(back, test::KeyListText()), text);
    EXPECT_DOUBLE_EQ(back.overscanScaleX, 0.98);
    EXPECT_EQ(back.lastMediaPath, s.lastMediaPath);
    EXPECT_EQ(back.fontHeight, -20);
    EXPECT_EQ(back.handOverFiles, 1);
    EXPECT_EQ(back.hardwareDecoding, 0);
    EXPECT_EQ(back.replayGain, 2);

    // A file written before the last keys existed ends early: those keys keep their defaults.
    const std::string older = text.substr(0, text.rfind("handOverFiles="));
    back = Parsed(older);
    EXPECT_EQ(back.wheelNotchFeel, s.wheelNotchFeel);
    EXPECT_EQ(back.handOverFiles, 0) << "a file from before the key never chose the hand-over";
    EXPECT_EQ(back.hardwareDecoding, 1);
    EXPECT_EQ(back.resumePlayback, 1);
    EXPECT_EQ(back.replayGain, 0);

    // A stored choice stays as stored, 0 included.
    s.handOverFiles = 0;
    back = Parsed(FormatSettings(s, test::KeyListText()));
    EXPECT_EQ(back.handOverFiles, 0);
}

TEST(SettingsFile, OverscanPercentsStayPutOverManyRestarts) {
    // Scales whose hundredfold falls just below a whole number, and the limits.
    for (const double scale : {0.29, 0.57, 0.58, 1.0 - 0.34, 0.1, -0.75, 1.0}) {
        PlayerSettings s;
        s.overscanScaleX = scale;
        s.overscanScaleY = scale;
        const std::string first = FormatSettings(s, test::KeyListText());
        for (int restart = 0; restart < 3; ++restart) s = Parsed(FormatSettings(s, test::KeyListText()));
        EXPECT_EQ(FormatSettings(s, test::KeyListText()), first) << scale;
        EXPECT_NE(first.find("overscanScaleX=" + std::to_string(ScalePercent(scale)) + "\r\n"), std::string::npos);
        EXPECT_EQ(ScalePercent(s.overscanScaleX), static_cast<int>(std::lround(scale * 100))) << scale;
    }
}

TEST(SettingsFile, ValuesGoToFieldsByLineNumberWhateverTheNames) {
    PlayerSettings s = Parsed(WithLines({{1, "300"}, {2, "200"}}) );
    EXPECT_EQ(s.mainWindowX, 300);
    // Names swapped and misspelt: positions still decide.
    s = Parsed("a=z\r\nmainWindowY=40\r\nmainWindowX=50\r\n");
    EXPECT_EQ(s.firstLineText, "z");
    EXPECT_EQ(s.mainWindowX, 40);
    EXPECT_EQ(s.mainWindowY, 50);
    // Lines missing at the end leave the remaining fields alone.
    EXPECT_EQ(s.repeatList, 1);
    EXPECT_EQ(s.editorWindowWidth, 250);
}

TEST(SettingsFile, WindowPositionsOffTheScreenAreReplaced) {
    EXPECT_EQ(Parsed(WithLines({{1, "-1500"}, {2, "30"}})).mainWindowX, 0);  // below 1
    PlayerSettings s = Parsed(WithLines({{1, "-3000"}, {2, "30"}}));
    EXPECT_EQ(s.mainWindowX, 0);
    EXPECT_EQ(s.mainWindowY, 0);
    s = Parsed(WithLines({{1, "1276"}, {2, "30"}}));  // past W - 5
    EXPECT_EQ(s.mainWindowY, 0);
    s = Parsed(WithLines({{3, "50"}, {4, "1020"}}));  // past H - 5
    EXPECT_EQ(s.videoWindowX, 0);
    EXPECT_EQ(s.videoWindowY, 60);
    s = Parsed(WithLines({{3, "-100"}, {4, "-2000"}}));  // the video window may sit left of or above the screen
    EXPECT_EQ(s.videoWindowX, -100);
    EXPECT_EQ(s.videoWindowY, -2000);
    s = Parsed(WithLines({{16, "70000"}, {17, "64000"}}));
    EXPECT_EQ(s.editorWindowX, 70000);
    EXPECT_EQ(s.editorWindowY, 64000);
    s = Parsed(WithLines({{16, "2000"}, {17, "20"}}));
    EXPECT_EQ(s.editorWindowX, 10);
    EXPECT_EQ(s.editorWindowY, 100);
}

TEST(SettingsFile, FontAspectTablesAndSwitchesAreNormalised) {
    PlayerSettings s = Parsed(WithLines({{50, ""}, {51, "1"}, {52, "-30"}, {53, "1"}, {54, "700"}, {55, "3"}}));
    EXPECT_EQ(s.fontFace, "ＭＳ Ｐゴシック");
    EXPECT_EQ(s.fontCharSet, 128);
    EXPECT_EQ(s.fontHeight, -13);
    EXPECT_EQ(s.fontItalic, 0);
    EXPECT_EQ(s.fontWeight, 400);
    EXPECT_EQ(s.fontPosition, 0);

    EXPECT_EQ(Parsed(WithLines({{40, "off;4:3;16"}})).aspectPresets, kDefaultAspectPresets);
    EXPECT_EQ(Parsed(WithLines({{40, "off;4:3;16:"}})).aspectPresets, "off;4:3;16:");

    s.wheelPlayIsRate[7] = 1;
    ParseSettings(s, WithLines({{74, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19"}}), kScreen);
    EXPECT_EQ(s.wheelPlayIsRate[7], 1);  // 18 commas: kept
    ParseSettings(s, WithLines({{75, " 1,-2,x,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20"}}), kScreen);
    EXPECT_EQ(s.wheelPauseIsRate[0], 1);
    EXPECT_EQ(s.wheelPauseIsRate[1], -2);
    EXPECT_EQ(s.wheelPauseIsRate[2], 0);
    EXPECT_EQ(s.wheelPauseIsRate[19], 20);

    s = Parsed(WithLines({{21, "0"}, {5, "7"}, {6, "3"}}));
    EXPECT_EQ(s.searchWait, 6);
    EXPECT_EQ(s.scanLinesOn, 0);
    EXPECT_EQ(s.liveScanLinesOn, 0);
    EXPECT_EQ(s.lineMaskMode, 0);
    s = Parsed(WithLines({{6, "2"}}));
    EXPECT_EQ(s.liveLineMaskMode, 2);
}

TEST(SettingsFile, TrailingLineWithoutEqualsGivesAnEmptyValue) {
    PlayerSettings s;
    s.lastMediaPath = "/old";
    std::string text = WithLines({});
    text = text.substr(0, text.find("lastMediaPath"));
    ParseSettings(s, text + "junk", kScreen);
    EXPECT_EQ(s.lastMediaPath, "");
}

TEST(SettingsFile, ANumberLeftEmptyOrGarbledKeepsItsDefault) {
    // An empty volumeLogMax read as 0 would let the next save of the settings empty the volume memory.
    PlayerSettings s = Parsed(WithLines({{24, ""}, {13, " -"}, {5, "x1"}}));
    EXPECT_EQ(s.volumeLogMax, PlayerSettings{}.volumeLogMax);
    EXPECT_EQ(s.repeatList, PlayerSettings{}.repeatList);
    EXPECT_EQ(s.scanLinesOn, PlayerSettings{}.scanLinesOn);
    s = Parsed(WithLines({{24, "0"}, {13, " -0"}, {10, "3x"}}));
    EXPECT_EQ(s.volumeLogMax, 0);
    EXPECT_EQ(s.repeatList, 0);
    EXPECT_EQ(s.windowZoomStep, 3);
}

TEST(SettingsFile, HostileTextNeverBreaksLoading) {
    PlayerSettings s = Parsed(WithLines({{1, "99999999999999999999"}, {10, "-99999999999999999"}, {14, std::string(10000, 'v')}}));
    EXPECT_EQ(s.mainWindowX, 0);  // saturated, then off the screen
    EXPECT_EQ(s.windowZoomStep, INT_MIN);
    EXPECT_EQ(s.lastMediaPath.size(), 10000u);

    std::string garbage;
    for (int i = 0; i < 100000; ++i) garbage += static_cast<char>((i * 7919) % 256);
    s = Parsed(garbage);
    EXPECT_GE(s.searchWait, 1);

    s = Parsed("no equals here\nnor here\r\r\n=\n");
    EXPECT_EQ(s.mainWindowX, 0);
}

TEST(SettingsFile, FilesAreReadBoundedAndReplacedOnlyWithAKeyList) {
    test::TempFolder dir;
    PlayerSettings s;
    EXPECT_FALSE(SaveSettingsFile(s, dir.path()));  // no key list: nothing written
    EXPECT_FALSE(std::filesystem::exists(dir.path() / kSettingsFileName));

    dir.Write(kKeyListFileName, test::KeyListText() + "extra1=\r\nextra2\n");
    s.repeatList = 0;
    ASSERT_TRUE(SaveSettingsFile(s, dir.path()));
    const std::string written = dir.Read(kSettingsFileName);
    const auto lines = io::SplitLines(written);
    ASSERT_EQ(lines.size(), 92u);
    EXPECT_EQ(lines[90], "extra1=");
    EXPECT_EQ(lines[91], "extra2=");

    dir.Write(kKeyListFileName, "");
    EXPECT_FALSE(SaveSettingsFile(s, dir.path()));
    EXPECT_EQ(dir.Read(kSettingsFileName), written);  // an empty key list keeps the old settings

    PlayerSettings loaded;
    ASSERT_TRUE(LoadSettingsFile(loaded, dir.path(), kScreen));
    EXPECT_EQ(loaded.repeatList, 0);

    dir.Write(kSettingsFileName, WithLines({{13, "0"}}) + std::string(3 << 20, 'x'));
    PlayerSettings big;
    ASSERT_TRUE(LoadSettingsFile(big, dir.path(), kScreen));
    EXPECT_EQ(big.repeatList, 0);
}

TEST(SettingsFile, EachLineKeepsItsOwnEncoding) {
    test::TempFolder dir;
    const std::string byteFolder = (dir.path() / "\x93\xfa").string();
    std::filesystem::create_directory(byteFolder);
    PlayerSettings s;
    s.fontFace = "ＭＳ Ｐゴシック";
    s.syncSearchPath1 = "/music/caf\xe9";
    s.syncSearchPath2 = byteFolder;
    s.lastListPath = "/lists/\x93\xfa.tob";
    dir.Write(kSettingsFileName, FormatSettings(s, test::KeyListText()));

    PlayerSettings loaded;
    ASSERT_TRUE(LoadSettingsFile(loaded, dir.path(), kScreen));
    EXPECT_EQ(loaded.fontFace, "ＭＳ Ｐゴシック");
    EXPECT_TRUE(io::IsValidUtf8(loaded.syncSearchPath1));
    EXPECT_EQ(loaded.syncSearchPath2, byteFolder) << "an existing folder keeps its bytes";
    EXPECT_EQ(loaded.lastListPath, "/lists/日.tob") << "a name that exists nowhere is decoded";
}

TEST(SettingsFile, AVanishedFullScreenModeSwitchesTheModeChangeOff) {
    test::FakeDisplayModes modes;
    PlayerSettings s;
    s.fullScreenModeNumber = 1;
    s.fullScreenWidth = 800;
    s.fullScreenHeight = 600;
    s.fullScreenBits = 24;
    CheckFullScreenMode(s, modes);
    EXPECT_EQ(s.fullScreenModeOn, 1);
    EXPECT_EQ(s.fullScreenModeNumber, 1);
    s.fullScreenBits = 16;
    CheckFullScreenMode(s, modes);
    EXPECT_EQ(s.fullScreenModeOn, 0);
    EXPECT_EQ(s.fullScreenModeNumber, 0);
    s = PlayerSettings{};
    s.fullScreenModeNumber = 9;  // past the enumeration
    CheckFullScreenMode(s, modes);
    EXPECT_EQ(s.fullScreenModeOn, 0);
}

TEST(SettingsFile, WindowPositionsExactlyAtTheirLimitsStay) {
    PlayerSettings s = Parsed(WithLines({{1, "1275"}, {2, "1019"}, {3, "-2000"}, {4, "1019"}}));
    EXPECT_EQ(s.mainWindowX, 1275);
    EXPECT_EQ(s.mainWindowY, 1019);
    EXPECT_EQ(s.videoWindowX, -2000);
    EXPECT_EQ(s.videoWindowY, 1019);
    s = Parsed(WithLines({{3, "-2001"}, {4, "1019"}}));
    EXPECT_EQ(s.videoWindowX, 0);
    EXPECT_EQ(s.videoWindowY, 60);
}

}  // namespace
}  // namespace felux
