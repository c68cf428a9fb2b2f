// The player around the settings dialog: opening from CONFIG, keys paused while it is up, OK and Cancel.
#include <gtest/gtest.h>

#include <algorithm>

#include "PlayerHarness.h"
#include "platform/Keys.h"
#include "settings/SettingsFile.h"

namespace felux {
namespace {

using test::PlayerHarness;

class SettingsDialogPlayerTest : public ::testing::Test {
protected:
    test::TestPlayer& Playing() {
        test::TestPlayer& p = h.Start({h.AddMedia("clip.mpg")}, true);
        h.TickUntilStarted();
        p.state.layout.appActive = true;
        return p;
    }
    void PressConfig(test::TestPlayer& p) {
        p.Command(PlayerCommand::Settings);
        h.Tick();
    }
    // A key typed while the lockout is over, as into a field of the dialog.
    void Type(test::TestPlayer& p, char key) {
        p.keyboard.Gate().Clear();
        h.keys.Press(vk::Char(key));
        h.keys.Release(vk::Char(key));
    }
    PlayerSettings Saved() {
        PlayerSettings saved;
        LoadSettingsFile(saved, h.folder.path(), {1280, 1024});
        return saved;
    }
    bool Logged(const std::string& line) {
        return std::find(h.windows.log.begin(), h.windows.log.end(), line) != h.windows.log.end();
    }
    PlayerHarness h;
};

TEST_F(SettingsDialogPlayerTest, ConfigOpensOneDialogKeysWaitAndCancelChangesNothing) {
    test::TestPlayer& p = Playing();
    const std::string fileBefore = h.folder.Read(kSettingsFileName);
    const int scanLines = p.settings.scanLinesOn;

    PressConfig(p);
    ASSERT_EQ(h.settingsDialogs.shown.size(), 1u);
    EXPECT_EQ(h.settingsDialogs.shown[0].values.aspectPresetIndex, p.settings.aspectPresetIndex);
    EXPECT_TRUE(p.state.ModalDialogUp());
    EXPECT_TRUE(Logged("Place Main 0,0 407x50 shown normal"));
    PressConfig(p);
    EXPECT_EQ(h.settingsDialogs.shown.size(), 1u);

    // "S" typed into the dialog toggles no scan lines, not while it is up (even with the editor
    // open, which reports no dialog of its own) and not afterwards.
    p.state.editor.open = true;
    Type(p, 'S');
    h.Tick(3);
    p.state.editor.open = false;
    EXPECT_EQ(p.settings.scanLinesOn, scanLines);
    EXPECT_TRUE(h.engine.playing);

    SettingsForm changed = h.settingsDialogs.shown[0];
    changed.values.aspectPresetIndex = 5;
    p.settingsBridge.Closed(std::nullopt);
    h.Tick(3);
    EXPECT_FALSE(p.state.ModalDialogUp());
    EXPECT_FALSE(p.settingsBridge.IsOpen());
    EXPECT_EQ(p.settings.scanLinesOn, scanLines);
    EXPECT_EQ(p.settings.aspectPresetIndex, 0);
    EXPECT_EQ(h.folder.Read(kSettingsFileName), fileBefore);

    // A late answer after the dialog has gone changes nothing either.
    p.settingsBridge.Closed(changed);
    EXPECT_EQ(p.settings.aspectPresetIndex, 0);

    // Keys work again once it is closed.
    Type(p, 'S');
    h.Tick();
    EXPECT_NE(p.settings.scanLinesOn, scanLines);
}

TEST_F(SettingsDialogPlayerTest, NoDialogWhileAWheelSeekRuns) {
    test::TestPlayer& p = Playing();
    p.Command(PlayerCommand::WheelNotchForward);
    h.Tick();
    ASSERT_NE(p.wheel.Step(), 0);
    PressConfig(p);
    EXPECT_TRUE(h.settingsDialogs.shown.empty());
    EXPECT_FALSE(p.state.ModalDialogUp());
}

TEST_F(SettingsDialogPlayerTest, OkSavesAtOnceAndTakesEffect) {
    test::TestPlayer& p = Playing();
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{0, 60, 320, 240}));
    PressConfig(p);
    SettingsForm form = h.settingsDialogs.shown.at(0);
    form.values.aspectPresetIndex = 5;  // "640*480"
    SetCheck(form, FormCheck::TopmostAll, true);
    PressVolumeLogButton(form, VolumeLogButton::Reset);
    PressVolumeLogButton(form, VolumeLogButton::Add);

    p.settingsBridge.Closed(form);
    EXPECT_FALSE(p.state.ModalDialogUp());
    const PlayerSettings saved = Saved();
    EXPECT_EQ(saved.aspectPresetIndex, 5);
    EXPECT_EQ(saved.topmostMode, 1);
    EXPECT_EQ(h.folder.Read(VolumeLog::kFileName), "clip\r\n" + FormatVolumeLine(p.View().VolumeLevel()) + "\r\n");
    EXPECT_TRUE(Logged("Place Main 0,0 407x50 shown topmost"));

    h.Tick(12);
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{0, 60, 640, 480}));
}

}  // namespace
}  // namespace felux
