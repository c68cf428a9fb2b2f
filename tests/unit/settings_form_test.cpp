// The settings dialogs' members: copying in and out, volume-log commands, range checks, the mode list and flags.
#include <gtest/gtest.h>

#include "FakeDisplayModes.h"
#include "settings/SettingsForm.h"
#include "settings/SpecialSettingsForm.h"

namespace felux {
namespace {

std::vector<std::string> Names(const VolumeLog& log) {
    std::vector<std::string> names;
    for (const VolumeRecord& r : log.Records()) names.push_back(r.name);
    return names;
}

TEST(SettingsForm, ShowsInvertedAndTopmostFieldsAndCopiesBackOnlyWhatItEdits) {
    PlayerSettings s;
    s.noPlayOnStart = 1;
    s.wheelSeekOff = 0;
    s.keepMissingFiles = 1;
    s.topmostMode = 2;
    s.searchSpeedPlayFF = 99999;  // out of range in the file: no field of this dialog could fix it
    s.overscanScaleX = 0.98;
    SettingsForm form = OpenSettingsForm(s, 40);
    EXPECT_FALSE(form.Checked(FormCheck::PlayOnStart));
    EXPECT_TRUE(form.Checked(FormCheck::UseWheelSeek));
    EXPECT_FALSE(form.Checked(FormCheck::RemoveMissing));
    EXPECT_TRUE(form.Checked(FormCheck::TopmostPanel));
    EXPECT_EQ(form.values.searchSpeedPlayFF, 30000);
    EXPECT_EQ(form.overscanText, " X = 102%  Y = 100%");
    EXPECT_EQ(form.levelAtOpen, 40);

    // "常に手前に表示" while "本体のみ常に手前に表示" is checked takes its place.
    SetCheck(form, FormCheck::TopmostAll, true);
    EXPECT_FALSE(form.Checked(FormCheck::TopmostPanel));
    SetCheck(form, FormCheck::PlayOnStart, true);
    SetCheck(form, FormCheck::RemoveMissing, true);
    form.wheelPlayText = "0,1,2,3,4,5,6,7,8,9,0,-1,-2,-3,-4,-5,-6,-7,-8,-90%";

    s.mainWindowX = 77;  // moved while the dialog was up: not the dialog's to change
    ApplySettingsForm(form, s);
    EXPECT_EQ(s.topmostMode, 1);
    EXPECT_EQ(s.noPlayOnStart, 0);
    EXPECT_EQ(s.keepMissingFiles, 0);
    EXPECT_EQ(s.wheelSeekOff, 0);
    EXPECT_EQ(s.searchSpeedPlayFF, 30000);
    EXPECT_EQ(s.wheelPlaySteps[19], -90);
    EXPECT_EQ(s.wheelPlayIsRate[19], 1);
    EXPECT_EQ(s.mainWindowX, 77);

    SetCheck(form, FormCheck::TopmostAll, false);
    ApplySettingsForm(form, s);
    EXPECT_EQ(s.topmostMode, 0);
}

TEST(SettingsForm, HandEditedNumbersTheDialogLeftAloneSurviveOk) {
    PlayerSettings s;
    s.wheelPlayIsRate[3] = 2;   // a jump, as far as the wheel goes
    s.wheelPauseIsRate[5] = 2;
    s.maximizeOnPlay = 2;       // shown checked
    s.topmostMode = 3;          // shows neither box
    SettingsForm form = OpenSettingsForm(s, 0);
    ApplySettingsForm(form, s);
    EXPECT_EQ(s.wheelPlayIsRate[3], 2);
    EXPECT_EQ(s.wheelPauseIsRate[5], 2);
    EXPECT_EQ(s.maximizeOnPlay, 2);
    EXPECT_EQ(s.topmostMode, 3);

    // What the user changes takes the dialog's value.
    form.wheelPauseText = "0,25%,50%,75%,100%,512%,1000,2000,3000,5000,0,-250,-500,-750,-1000,-512,-1000,-2000,"
                          "-3000,-5000";
    SetCheck(form, FormCheck::MaximizeOnPlay, false);
    SetCheck(form, FormCheck::TopmostPanel, true);
    ApplySettingsForm(form, s);
    EXPECT_EQ(s.wheelPauseIsRate[5], 1);
    EXPECT_EQ(s.wheelPlayIsRate[3], 2);
    EXPECT_EQ(s.maximizeOnPlay, 0);
    EXPECT_EQ(s.topmostMode, 2);
}

TEST(SettingsForm, VolumeLogButtonsDecideWhatOkDoesToTheLog) {
    const VolumeLogOptions options{true, false, 500};
    const CurrentFile current{"song", true, 0};
    auto logOf = [&](std::initializer_list<const char*> names) {
        VolumeLog log;
        for (const char* n : names) log.Register(options, {n, true, 0}, 10);
        return log;  // newest first: the reverse of `names`
    };
    auto commandAfter = [](std::initializer_list<VolumeLogButton> presses) {
        SettingsForm form;
        for (VolumeLogButton b : presses) PressVolumeLogButton(form, b);
        return form.volumeLogCommand;
    };

    // "初期化" then "追加": emptied, then the open file added with the level at opening.
    VolumeLog log = logOf({"a", "song", "b"});
    ApplyVolumeLogCommand(log, commandAfter({VolumeLogButton::Reset, VolumeLogButton::Add}), options, current, 31);
    EXPECT_EQ(Names(log), std::vector<std::string>{"song"});
    EXPECT_EQ(log.Records()[0].volumeLine, "1:7fff7fff");
    EXPECT_TRUE(log.RecordPresent());

    // "追加" then "初期化": the later button wins, nothing is added.
    log = logOf({"a", "song"});
    ApplyVolumeLogCommand(log, commandAfter({VolumeLogButton::Add, VolumeLogButton::Reset}), options, current, 31);
    EXPECT_TRUE(log.Records().empty());

    // "削除" after "追加" removes the file's record only.
    log = logOf({"a", "song", "b"});
    ApplyVolumeLogCommand(log, commandAfter({VolumeLogButton::Add, VolumeLogButton::Remove}), options, current, 31);
    EXPECT_EQ(Names(log), (std::vector<std::string>{"b", "a"}));
    EXPECT_FALSE(log.RecordPresent());

    // No button: unchanged unless auto-update is on, then the file moves to the top.
    log = logOf({"song", "a"});
    ApplyVolumeLogCommand(log, 0, options, current, 31);
    EXPECT_EQ(Names(log), (std::vector<std::string>{"a", "song"}));
    ApplyVolumeLogCommand(log, 0, {true, true, 500}, current, 31);
    EXPECT_EQ(Names(log), (std::vector<std::string>{"song", "a"}));

    // Nothing opened since start-up: "追加" adds nothing, but the trim still applies.
    log = logOf({"a", "b", "c"});
    ApplyVolumeLogCommand(log, 1, {true, false, 2}, {"song", false, 0}, 31);
    EXPECT_EQ(Names(log), (std::vector<std::string>{"c", "b"}));

    // A maximum of exactly the record count keeps them all; 0 empties the log.
    log = logOf({"a", "b"});
    ApplyVolumeLogCommand(log, 0, {true, false, 2}, current, 31);
    EXPECT_EQ(log.Records().size(), 2u);
    ApplyVolumeLogCommand(log, 0, {true, false, 0}, current, 31);
    EXPECT_TRUE(log.Records().empty());
}

TEST(SettingsForm, TypedEditsAreReadInOrderWithTheirLimitsInclusive) {
    SettingsForm form = OpenSettingsForm(PlayerSettings{}, 62);
    EXPECT_FALSE(ReadFormEdits(form, {"10000", "50", "4", "-3"}));
    EXPECT_EQ(form.values.volumeLogMax, 10000);
    EXPECT_EQ(form.values.searchWait, 50);
    EXPECT_EQ(form.values.fontPosition, 4);
    EXPECT_EQ(form.values.secondaryMonitorFix, -3);
    EXPECT_FALSE(ReadFormEdits(form, {" 0 ", "1", "0", "+7"}));
    EXPECT_EQ(form.values.volumeLogMax, 0);
    EXPECT_EQ(form.values.secondaryMonitorFix, 7);

    // Two bad fields: the first in order is the one reported.
    auto fault = ReadFormEdits(form, {"10001", "0", "4", "1"});
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->field, FormEdit::VolumeLogMax);
    EXPECT_EQ(fault->message, "0 から 10000 までの整数を入力してください。");
    fault = ReadFormEdits(form, {"5", "0", "5", "1"});
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->field, FormEdit::SearchWait);
    fault = ReadFormEdits(form, {"5", "6", "5", "1"});
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->field, FormEdit::FontPosition);
    for (const char* bad : {"", "1x", "x", "2147483648", "+-1", "1 2"}) {
        fault = ReadFormEdits(form, {"5", "6", "2", bad});
        ASSERT_TRUE(fault) << bad;
        EXPECT_EQ(fault->field, FormEdit::SecondaryMonitorFix);
        EXPECT_EQ(fault->message, "整数を入力してください。");
    }
    EXPECT_FALSE(ReadFormEdits(form, {"5", "6", "2", "-2147483648"}));
}

TEST(SpecialSettingsForm, ModeListDropsRepeatsOfTheModeBeforeAndKeepsTheFirstNumber) {
    test::FakeDisplayModes modes;
    modes.modes = {{1920, 1080, 24}, {1920, 1080, 24}, {1920, 1080, 24}, {1280, 1024, 24},
                   {1920, 1080, 24}, {1280, 1024, 16}};
    const std::vector<DisplayModeItem> items = ListDisplayModes(modes);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, " 1920X 1080 ( 24bit)");
    EXPECT_EQ(items[0].number, 0);
    EXPECT_EQ(items[1].number, 3);
    // Only neighbours count as repeats.
    EXPECT_EQ(items[2].number, 4);
    EXPECT_EQ(items[3].text, " 1280X 1024 ( 16bit)");
    EXPECT_EQ(items[3].number, 5);

    modes.modes.clear();
    EXPECT_TRUE(ListDisplayModes(modes).empty());
}

TEST(SpecialSettingsForm, RememberedModeTakesTheSizeTheSystemReportsNow) {
    test::FakeDisplayModes modes;
    modes.modes = {{1280, 1024, 24}, {800, 600, 24}};
    PlayerSettings s;
    s.fullScreenModeNumber = 1;
    s.fullScreenWidth = 640;
    s.fullScreenHeight = 480;
    s.fullScreenBits = 16;
    SpecialSettingsForm form = OpenSpecialForm(s, modes);
    EXPECT_EQ(form.mode.width, 800);
    EXPECT_EQ(form.mode.bits, 24);
    // A number past the list keeps what was remembered.
    s.fullScreenModeNumber = 2;
    form = OpenSpecialForm(s, modes);
    EXPECT_EQ(form.modeNumber, 2);
    EXPECT_EQ(form.mode.width, 640);
    SelectDisplayMode(form, 0, modes);
    CloseSpecialForm(form, s);
    EXPECT_EQ(s.fullScreenModeNumber, 0);
    EXPECT_EQ(s.fullScreenWidth, 1280);
    EXPECT_EQ(s.fullScreenHeight, 1024);
}

TEST(SpecialSettingsForm, FlagsAndFoldersComeBackNormalised) {
    test::FakeDisplayModes modes;
    PlayerSettings s;
    s.syncFlags = "0100111";
    SpecialSettingsForm form = OpenSpecialForm(s, modes);
    std::string checked;
    for (int i = 0; i < kSyncFlagCount; ++i) checked += form.Flag(i) ? '1' : '0';
    EXPECT_EQ(checked, "0100111");

    EXPECT_EQ(NormaliseSyncFlags("1x1"), "1010000");
    EXPECT_EQ(NormaliseSyncFlags("2111111tail"), "0111111tail");
    EXPECT_EQ(NormaliseSyncFlags(std::string(80, '1')).size(), kSyncFlagsReadLimit);

    SetSyncFlag(form, 0, true);
    SetSyncFlag(form, 6, false);
    SetSyncFlag(form, 7, true);  // no such switch
    form.path1 = "/music/wav";
    form.path2 = "";
    CloseSpecialForm(form, s);
    EXPECT_EQ(s.syncFlags, "1100110");
    EXPECT_EQ(s.syncSearchPath1, "/music/wav/");
    EXPECT_EQ(s.syncSearchPath2, "");
    form.path1 = "/music/";
    CloseSpecialForm(form, s);
    EXPECT_EQ(s.syncSearchPath1, "/music/");
}

}  // namespace
}  // namespace felux
