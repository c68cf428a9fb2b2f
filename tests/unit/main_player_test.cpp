// The main window's start-up, tick, layout countdown and exit sequence, seen from the ports and the files.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "KeyListText.h"
#include "PlayerHarness.h"
#include "engine/Volume.h"
#include "input/KeyLatch.h"
#include "io/TextLines.h"
#include "platform/Keys.h"
#include "player/Player.h"
#include "playlist/ListFile.h"
#include "settings/SettingsFields.h"
#include "settings/SettingsFile.h"

namespace felux {
namespace {

constexpr MediaTime kMs = std::chrono::milliseconds(1);

std::vector<std::string> Only(const std::vector<std::string>& log, std::initializer_list<const char*> prefixes) {
    std::vector<std::string> out;
    for (const std::string& entry : log)
        if (std::any_of(prefixes.begin(), prefixes.end(), [&](const char* p) { return entry.rfind(p, 0) == 0; }))
            out.push_back(entry);
    return out;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Whether a tap of N (volume down) after this many ticks without keys is taken. A tap the
// lockout holds back keeps it from counting down on that tick.
bool TakesAKeyAfter(test::PlayerHarness& r, int idleTicks) {
    r.Tick(idleTicks);
    const int level = r.player->View().VolumeLevel();
    r.keys.Press(vk::Char('N'));
    r.keys.Release(vk::Char('N'));
    r.Tick();
    return r.player->View().VolumeLevel() != level;
}

TEST(MainPlayerTest, StartUpWritesOrReadsTheSettingsAndPlacesTheWindows) {
    {
        test::PlayerHarness r;
        Player& p = r.Construct();
        EXPECT_EQ(io::SplitLines(r.folder.Read(kSettingsFileName)).size(), 90u);
        EXPECT_TRUE(r.engine.hardwareDecoding) << "a new settings file decodes on the graphics chip";
        EXPECT_EQ(r.engine.replayGain, ReplayGain::Off);
        EXPECT_EQ(r.engine.log, std::vector<std::string>{"Create"});
        // Each window's place, in whatever order the windows are placed.
        std::vector<std::string> placed = r.windows.log;
        std::ranges::sort(placed);
        EXPECT_EQ(placed, (std::vector<std::string>{"Place Main 0,0 407x50 shown", "Place Panel 0,0 407x50 shown",
                                                    "Place Video 0,60 0x0 shown", "Resize Picture 0x0"}));
        // The keys wait out the first seven ticks.
        p.OnActivated(true);
        EXPECT_FALSE(TakesAKeyAfter(r, 6));
        EXPECT_TRUE(TakesAKeyAfter(r, 1));
    }
    test::PlayerHarness r;
    PlayerSettings s;
    s.mainWindowX = 120;
    s.videoWindowY = 33;
    s.hardwareDecoding = 0;
    s.replayGain = 2;
    r.folder.Write(kSettingsFileName, FormatSettings(s, test::KeyListText()));
    Player& p = r.Construct();
    EXPECT_EQ(p.View().Settings().mainWindowX, 120);
    EXPECT_FALSE(r.engine.hardwareDecoding) << "the stored choice reaches the engine before any file opens";
    EXPECT_EQ(r.engine.replayGain, ReplayGain::Album);
    EXPECT_EQ(r.windows.rects[WindowId::Main], (Rect{120, 0, 407, 50}));
    EXPECT_EQ(r.windows.rects[WindowId::Panel], (Rect{120, 0, 407, 50}));
    EXPECT_EQ(r.windows.rects[WindowId::Video], (Rect{0, 33, 0, 0}));
}

TEST(MainPlayerTest, FirstTickLoadsTheSavedStateShapesTheWindowsAndOpensTheFirstEntry) {
    test::PlayerHarness r;
    const std::string a = r.AddMedia("a.mpg");
    const std::string b = r.AddMedia("b.mpg");
    r.folder.Write("KR01.tob", a + "\r\n" + b + "\r\n");
    r.folder.Write("data.vol", "a\r\n1:7fff7fff\r\n");
    PlayerSettings s;
    s.savedVolume = 30;
    s.topmostMode = 2;
    r.folder.Write(kSettingsFileName, FormatSettings(s, test::KeyListText()));
    Player& p = r.Construct();
    r.ClearRecords();
    p.Tick();

    EXPECT_EQ(p.View().List().Count(), 2);
    EXPECT_EQ(r.Rendered(), std::vector<std::string>{a});
    EXPECT_FALSE(r.engine.playing) << "it starts once laid out";
    // The log was read before the entry opened: its level for "a" beats the level saved at exit.
    EXPECT_EQ(p.View().VolumeLevel(), 31);
    EXPECT_EQ(r.windows.titles[WindowId::Main], " ◎ FELUX");
    EXPECT_FALSE(Only(r.windows.log, {"Invalidate Main"}).empty()) << "the skin is loaded and drawn";
    // The second topmost mode brings the window that holds the panel to the top, once.
    EXPECT_EQ(Only(r.windows.log, {"Place Main", "Place Panel", "Raise Main"}),
              (std::vector<std::string>{"Place Main 0,0 407x50 shown normal", "Place Panel 0,0 407x50 shown normal",
                                        "Place Main 0,0 407x50 shown normal", "Raise Main"}));

    // Both windows get the panel's outline, row by row, the ends exact.
    const std::vector<Rect>& spans = r.windows.regions[WindowId::Main];
    EXPECT_EQ(r.windows.regions[WindowId::Panel], spans);
    auto covered = [&](int x, int y) {
        return std::any_of(spans.begin(), spans.end(), [&](const Rect& q) {
            return x >= q.x && x < q.x + q.width && y >= q.y && y < q.y + q.height;
        });
    };
    EXPECT_FALSE(covered(0, 0));
    EXPECT_TRUE(covered(1, 0));
    EXPECT_TRUE(covered(404, 0));
    EXPECT_FALSE(covered(405, 0));
    EXPECT_TRUE(covered(0, 1));
    EXPECT_TRUE(covered(405, 44));
    EXPECT_FALSE(covered(406, 44));
    EXPECT_FALSE(covered(0, 45));
    EXPECT_TRUE(covered(404, 45));
    EXPECT_FALSE(covered(405, 45));
    for (int y : {46, 47}) {
        EXPECT_FALSE(covered(21, y));
        EXPECT_TRUE(covered(22, y));
        EXPECT_TRUE(covered(86, y));
        EXPECT_FALSE(covered(87, y));
        EXPECT_FALSE(covered(318, y));
        EXPECT_TRUE(covered(319, y));
        EXPECT_TRUE(covered(383, y));
        EXPECT_FALSE(covered(384, y));
    }
    EXPECT_FALSE(covered(100, 48));

    r.Tick(3);
    EXPECT_TRUE(r.engine.playing);
    EXPECT_DOUBLE_EQ(r.engine.volume, LevelToEngineVolume(31));
}

TEST(MainPlayerTest, CommandLineChoosesBetweenFileListAndSavedList) {
    const std::string saved = "/saved/x.mpg\r\n";
    {
        test::PlayerHarness r;
        r.folder.Write("KR01.tob", saved);
        Player& p = r.Construct({"/v/my", "clip.mpg"});
        p.Tick();
        ASSERT_EQ(p.View().List().Size(), 1u);
        EXPECT_EQ(p.View().List().PathAt(0), "/v/my clip.mpg");
        EXPECT_EQ(p.View().List().TitleAt(0), "");
    }
    {
        test::PlayerHarness r;
        r.folder.Write("KR01.tob", saved);
        const auto list = r.folder.Write("L.M3U", "#EXTM3U\r\n/v/a.mp3\r\n");
        Player& p = r.Construct({list.string()});
        p.Tick();
        ASSERT_EQ(p.View().List().Count(), 1);
        EXPECT_EQ(p.View().List().PathAt(0), "/v/a.mp3");
    }
    {
        // Several files and a list among them: each in order, the list by its entries.
        test::PlayerHarness r;
        r.folder.Write("KR01.tob", saved);
        const std::string a = r.folder.Write("a.mp4", "m").string();
        const std::string list = r.folder.Write("l.tob", "/v/x.mpg\r\n*Title\r\n").string();
        Player& p = r.Construct({a, list, a});
        p.Tick();
        ASSERT_EQ(p.View().List().Count(), 3);
        EXPECT_EQ(p.View().List().PathAt(0), a);
        EXPECT_EQ(p.View().List().PathAt(1), "/v/x.mpg");
        EXPECT_EQ(p.View().List().TitleAt(1), "*Title");
        EXPECT_EQ(p.View().List().PathAt(2), a);
        EXPECT_EQ(p.View().List().currentIndex, 0);
    }
    {
        test::PlayerHarness r;
        r.folder.Write("KR01.tob", saved);
        Player& p = r.Construct();
        p.Tick();
        ASSERT_EQ(p.View().List().Count(), 1);
        EXPECT_EQ(p.View().List().PathAt(0), "/saved/x.mpg");
    }
    test::PlayerHarness r;
    Player& p = r.Construct();
    p.Tick();
    EXPECT_EQ(p.View().List().Count(), 0);
    EXPECT_EQ(p.View().List().currentIndex, 0);
    EXPECT_EQ(r.folder.Read("KR01.tob"), "");
}

TEST(MainPlayerTest, KeysAndFileEndsTakeEffectOnTheTickTheyArrive) {
    test::PlayerHarness r;
    const std::string a = r.AddMedia("a.mpg");
    const std::string b = r.AddMedia("b.mpg");
    const std::string c = r.AddMedia("c.mpg");
    Player& p = r.ReadyForKeys({a, b, c});

    r.TickWith(vk::Right);
    EXPECT_EQ(r.Rendered(), std::vector<std::string>{b});
    EXPECT_EQ(p.View().List().currentIndex, 1);

    r.WaitForKeys();
    r.engine.completed = true;
    r.Tick();
    EXPECT_EQ(r.Rendered(), std::vector<std::string>{c});

    // A key and a file end in the same tick: both are carried out, the key first (back to b),
    // then the end (on to c). The other way round a would have opened first.
    r.WaitForKeys();
    r.engine.completed = true;
    r.TickWith(vk::Left);
    EXPECT_EQ(r.Rendered(), (std::vector<std::string>{b, c}));
    EXPECT_EQ(p.View().List().currentIndex, 2);

    // A modal dialog holds the keys; once it is gone they work again (c wraps round to a).
    r.WaitForKeys();
    p.Command(PlayerCommand::Settings);
    r.Tick();
    ASSERT_EQ(r.settingsDialogs.shown.size(), 1u);
    r.TickWith(vk::Right);
    EXPECT_TRUE(r.Rendered().empty());
    p.Command(CloseSettings{});
    r.TickWith(vk::Right);
    EXPECT_EQ(r.Rendered(), std::vector<std::string>{a});

    // The end of the list: the keys wait ten ticks (with a next file its start's wait follows).
    test::PlayerHarness last;
    PlayerSettings once;
    once.repeatList = 0;
    last.WriteSettings(once);
    last.ReadyForKeys({last.AddMedia("a.mpg")});
    last.engine.completed = true;
    last.Tick();
    EXPECT_FALSE(TakesAKeyAfter(last, 9));
    EXPECT_TRUE(TakesAKeyAfter(last, 1));
    EXPECT_FALSE(last.player->View().MediaOpen()) << "the list stopped";
}

TEST(MainPlayerTest, APanelFrameIsPaintedOnlyWhenThePanelChanges) {
    test::PlayerHarness r;
    Player& p = r.Started();
    r.Tick(2);
    EXPECT_TRUE(r.windows.log.empty()) << "an idle player asks for no paint";

    // A change is composed once and asked for on every tick until it has been painted.
    p.Command(PlayerCommand::RepeatToggle);
    p.Tick();
    const std::vector<std::string> asked = Only(r.windows.log, {"Invalidate Main"});
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0], "Invalidate Main") << "only the part that changed";
    p.Tick();
    EXPECT_EQ(Only(r.windows.log, {"Invalidate Main"}), (std::vector<std::string>{asked[0], asked[0]}));
    p.OnPanelPainted();
    r.windows.log.clear();
    r.Tick(2);
    EXPECT_TRUE(r.windows.log.empty());
}

TEST(MainPlayerTest, ASegmentEndMovesOnToTheNextEntryOnTheFollowingTick) {
    test::PlayerHarness r;
    const std::string a = r.AddMedia("a.mpg");
    const std::string b = r.AddMedia("b.mpg");
    Player& p = r.ReadyForKeys({a + "<<0:00:10:000-0:00:20:500>>", b});
    ASSERT_EQ(r.engine.position, 10'001 * kMs) << "the segment starts just after its start";

    r.engine.position = 20'499 * kMs;
    r.Tick(2);
    EXPECT_TRUE(r.Rendered().empty());
    r.engine.position = 20'500 * kMs;  // exactly its end
    r.Tick();
    EXPECT_TRUE(r.Rendered().empty()) << "the end is carried out by the next tick's commands";
    r.Tick();
    EXPECT_EQ(r.Rendered(), std::vector<std::string>{b});
    EXPECT_EQ(p.View().List().currentIndex, 1);
}

// The first tick opens the file and its size starts a countdown of ten ticks; the layout comes
// when it reaches eight, and the tick after that one still does no normal work.
TEST(MainPlayerTest, TheLayoutCountdownHoldsTheTickThenLaysOutAndStartsPlayback) {
    for (const int monitorFix : {1, 0}) {
        SCOPED_TRACE(monitorFix);
        test::PlayerHarness r;
        const std::string a = r.AddMedia("a.mpg");
        const std::string b = r.AddMedia("b.mpg");
        PlayerSettings s;
        s.secondaryMonitorFix = monitorFix;
        r.WriteSettings(s);
        r.Construct({a, b});
        r.Tick();
        ASSERT_EQ(r.Rendered(), std::vector<std::string>{a});
        r.ClearRecords();
        // Held back while the countdown runs: a file end, the panel's frames.
        r.engine.completed = true;

        r.Tick();  // 9
        EXPECT_TRUE(r.windows.log.empty());
        EXPECT_TRUE(r.engine.log.empty());

        r.Tick();  // 8: the layout
        EXPECT_EQ(r.windows.log.front(), "Resize Main 407x50");
        EXPECT_EQ(r.windows.rects[WindowId::Video].width, 320);
        EXPECT_EQ(r.windows.rects[WindowId::Video].height, 240);
        EXPECT_EQ(r.engine.playing, monitorFix == 1) << "with the fix playback starts with the layout";
        EXPECT_TRUE(Only(r.windows.log, {"Invalidate Main"}).empty());
        r.ClearRecords();

        r.Tick();  // 1 -> 0
        EXPECT_TRUE(r.windows.log.empty());
        EXPECT_TRUE(r.engine.log.empty());

        // The first normal tick: without the fix playback starts, before the file end is taken.
        r.Tick();
        const std::vector<std::string> expected =
            monitorFix == 1 ? std::vector<std::string>{"Render " + b} : std::vector<std::string>{"Run", "Render " + b};
        EXPECT_EQ(Only(r.engine.log, {"Run", "Render"}), expected);
        EXPECT_FALSE(Only(r.windows.log, {"Invalidate Main"}).empty());
    }
}

TEST(MainPlayerTest, TheQuitChordEndsThePlayerAtTheEndOfThatTick) {
    test::PlayerHarness r;
    r.systemVolume.value = 0x12345678u;
    Player& p = r.Started([](PlayerSettings& s) { s.restoreVolumeOnExit = 1; });
    r.systemVolume.value = 0;
    const std::string list = r.folder.Write("in.tob", "/m/a.mpg\r\n*Title\r\n/m/b.mpg\r\n*x\r\n").string();
    p.Command(HandInFiles{{list}, false});
    // Where the user dragged the video window is saved, not where a window manager left it.
    p.VideoInputRecord().OnUserMove(70, 80);
    r.windows.rects[WindowId::Video] = {0, 0, 320, 240};
    p.Command(PlayerCommand::RepeatToggle);  // the panel changes on the quitting tick
    // Taken on the tick after the first, while the keys are still locked out after the start
    // and the player is not active.
    r.keys.Press(vk::Control);
    r.keys.Press(vk::Alt);
    r.keys.Press(vk::Char('Q'));
    p.Tick();

    EXPECT_TRUE(p.Ended());
    EXPECT_EQ(Only(r.windows.log, {"Invalidate Main"}).size(), 1u) << "the tick's own work is done first";
    EXPECT_EQ(r.systemVolume.value, 0x12345678u);
    EXPECT_EQ(r.folder.Read("KR01.tob"), "/m/a.mpg\r\n*Title\r\n/m/b.mpg\r\n");
    EXPECT_TRUE(Contains(r.folder.Read(kSettingsFileName), "videoWindowX=70\r\nvideoWindowY=80\r\n"));
    EXPECT_TRUE(std::filesystem::exists(r.folder.path() / "data.vol"));

    r.ClearRecords();
    const int volumeSets = r.systemVolume.sets;
    r.Tick(2);
    EXPECT_TRUE(r.windows.log.empty());
    EXPECT_TRUE(r.engine.log.empty());
    EXPECT_EQ(r.systemVolume.sets, volumeSets);
}

// A display mode switched for full screen: saving the files leaves it and the held button alone,
// the exit puts it back once and lets the button go. The full-screen window is no window place.
TEST(MainPlayerTest, TheExitPutsBackTheDisplayModeThatFullScreenSwitched) {
    test::PlayerHarness r;
    Player& p = r.Start({r.AddMedia("a.mpg")}, true, [](PlayerSettings& s) {
        s.fullScreenModeOn = 1;
        s.fullScreenModeNumber = 1;
    });
    r.TickUntilStarted();
    p.Command(PlayerCommand::FullScreenToggle);
    r.Tick();
    ASSERT_TRUE(p.View().FullScreen());
    ASSERT_EQ(r.modes.switched, 1);
    r.windows.rects[WindowId::Video] = {70, 80, 320, 240};
    r.keys.Press(vk::LButton);

    EXPECT_TRUE(p.SaveFiles());
    EXPECT_EQ(r.modes.restores, 0);
    EXPECT_TRUE(r.keys.Down(vk::LButton));

    p.RequestExit();
    p.Tick();
    ASSERT_TRUE(p.Ended());
    EXPECT_EQ(r.modes.restores, 1);
    EXPECT_FALSE(r.keys.Down(vk::LButton)) << "no button stays pressed after a mode switch";
    EXPECT_TRUE(Contains(r.folder.Read(kSettingsFileName), "videoWindowX=0\r\n"));
    r.Tick(2);
    EXPECT_EQ(r.modes.restores, 1);
}

// UP held starts a forward wheel seek and DOWN held brings it back to play, whether the panel
// shows, the player is minimised or only the video window shows. In video-only mode the video
// window's own wheel seeks as well.
TEST(MainPlayerTest, AHeldArrowSeeksInEveryWindowMode) {
    for (const WindowMode mode : {WindowMode::Normal, WindowMode::Minimised, WindowMode::VideoOnly}) {
        SCOPED_TRACE(static_cast<int>(mode));
        test::PlayerHarness r;
        Player& p = r.ReadyForKeys({r.AddMedia("a.mpg")});
        if (mode == WindowMode::Minimised) p.Command(PlayerCommand::Minimise);
        if (mode == WindowMode::VideoOnly) p.Command(PlayerCommand::VideoOnly);
        ASSERT_EQ(p.View().Mode(), mode);
        const auto hold = [&](int key, int ticks) {
            r.keys.Press(key);
            r.Tick(ticks);
            r.keys.Release(key);
            r.TickUntilSettled();
        };

        hold(vk::Up, 3);  // the first notch comes two ticks after the press
        EXPECT_EQ(p.View().WheelStep(), 1);
        r.Tick(p.View().Settings().searchWait + 1);
        EXPECT_FALSE(r.engine.playing);
        ASSERT_FALSE(r.engine.seeks.empty()) << "the step searches forward";
        EXPECT_GT(r.engine.seeks.back(), MediaTime{});

        hold(vk::Down, 3);
        EXPECT_EQ(p.View().WheelStep(), 0);
        EXPECT_TRUE(r.engine.playing);

        if (mode != WindowMode::VideoOnly) continue;
        p.VideoInputRecord().OnMouseWheel(120);
        r.Tick();
        EXPECT_EQ(p.View().WheelStep(), 1);
        p.VideoInputRecord().OnMouseWheel(-120);
        r.Tick();
        EXPECT_EQ(p.View().WheelStep(), 0);
        EXPECT_TRUE(r.engine.playing);
    }
}

// Q alone resets the overscan; the Q of the quit chord only quits, whether the chord comes in one
// tick or CTRL and Q come a tick before ALT. The exit saves the overscan the user chose.
TEST(MainPlayerTest, TheQuitChordLeavesTheOverscanAsTheUserSetIt) {
    for (const bool altLast : {false, true}) {
        SCOPED_TRACE(altLast ? "ALT a tick after CTRL and Q" : "the whole chord in one tick");
        test::PlayerHarness r;
        Player& p = r.ReadyForKeys({r.AddMedia("a.mpg")});
        r.keys.Press(vk::Shift);
        r.TickWith(vk::Char('3'));  // overscan preset [3]: 4 % off each side
        r.keys.Release(vk::Shift);
        ASSERT_EQ(p.View().Settings().overscanPreset, 2);
        ASSERT_DOUBLE_EQ(p.View().Settings().overscanScaleX, 0.96);
        r.WaitForKeys();

        r.keys.Press(vk::Control);
        if (!altLast) r.keys.Press(vk::Alt);
        r.keys.Press(vk::Char('Q'));
        r.Tick();
        if (altLast) {
            EXPECT_FALSE(p.Ended());
            r.keys.Press(vk::Alt);
            for (int i = 0; i < 30 && !p.Ended(); ++i) r.Tick();
        }

        ASSERT_TRUE(p.Ended());
        EXPECT_EQ(p.View().Settings().overscanPreset, 2);
        EXPECT_DOUBLE_EQ(p.View().Settings().overscanScaleX, 0.96);
        EXPECT_DOUBLE_EQ(p.View().Settings().overscanScaleY, 0.96);
        const std::string saved = r.folder.Read(kSettingsFileName);
        EXPECT_TRUE(Contains(saved, "overscanPreset=2\r\n")) << saved;
        EXPECT_TRUE(Contains(saved, "overscanScaleX=96\r\noverscanScaleY=96\r\n")) << saved;
    }
    // A chord given up after CTRL and Q leaves nothing behind; Q on its own still resets.
    test::PlayerHarness r;
    PlayerSettings s;
    s.overscanPreset = 2;
    s.overscanScaleX = s.overscanScaleY = 0.96;
    r.WriteSettings(s);
    Player& p = r.ReadyForKeys({r.AddMedia("a.mpg")});
    ASSERT_EQ(p.View().Settings().overscanPreset, 2);
    r.keys.Press(vk::Control);
    r.TickWith(vk::Char('Q'));
    r.keys.Release(vk::Control);
    r.Tick(10);
    EXPECT_EQ(p.View().Settings().overscanPreset, 2);
    EXPECT_DOUBLE_EQ(p.View().Settings().overscanScaleX, 0.96);
    r.TickWith(vk::Char('Q'));
    EXPECT_EQ(p.View().Settings().overscanPreset, 0);
    EXPECT_DOUBLE_EQ(p.View().Settings().overscanScaleX, 1.0);
    EXPECT_FALSE(p.Ended());
}

TEST(MainPlayerTest, ExitKeepsTheSavedVolumeTheZoomAndTheVolumeLog) {
    test::PlayerHarness r;
    PlayerSettings s;
    s.savedVolume = 30;
    s.windowZoomStep = 6;
    s.fullScreenZoomStep = 0;
    r.folder.Write(kSettingsFileName, FormatSettings(s, test::KeyListText()));
    r.folder.Write("data.vol", "clip.mpg\r\n1:7fff7fff\r\n");
    Player& p = r.Started();
    EXPECT_EQ(p.View().VolumeLevel(), 30);
    // The zoom lives in the layout; the file gets it back as it stands at the exit, limits included.
    p.Command(PlayerCommand::ZoomOut);
    p.RequestExit();
    p.Tick();
    const std::string saved = r.folder.Read(kSettingsFileName);
    EXPECT_TRUE(Contains(saved, "savedVolume=30\r\n"));
    EXPECT_TRUE(Contains(saved, "windowZoomStep=5\r\nfullScreenZoomStep=0\r\n"));
    EXPECT_EQ(r.folder.Read("data.vol"), "clip.mpg\r\n1:7fff7fff\r\n");
}

TEST(MainPlayerTest, ExitWithAnEmptyPlaylistKeepsTheSavedList) {
    test::PlayerHarness r;
    r.folder.Write("KR01.tob", "");
    Player& p = r.Started();
    r.folder.Write("KR01.tob", "/kept.mpg\r\n");
    p.RequestExit();
    p.Tick();
    EXPECT_TRUE(p.Ended());
    EXPECT_EQ(r.folder.Read("KR01.tob"), "/kept.mpg\r\n");
}

TEST(MainPlayerTest, SavingFilesKeepsThePlayerRunningAndTouchesNoDesktop) {
    test::PlayerHarness r;
    const std::string a = r.AddMedia("a.mpg");
    Player& p = r.Started([](PlayerSettings& s) { s.restoreVolumeOnExit = 1; });
    p.Command(HandInFiles{{a, "/m/b.mpg"}, true});  // a plays, so it is in the history
    r.Tick();
    r.TickUntilStarted();
    p.Command(SetVolume{42});
    p.VideoInputRecord().OnUserMove(70, 80);
    r.keys.Press(vk::LButton);
    r.ClearRecords();
    r.modes.enumerations = 0;
    const int volumeSets = r.systemVolume.sets;
    EXPECT_TRUE(p.SaveFiles());
    EXPECT_EQ(r.folder.Read("KR01.tob"), a + "\r\n/m/b.mpg\r\n");
    EXPECT_EQ(r.folder.Read("HIS.tob"), a + "\r\n");
    const std::string cfg = r.folder.Read(kSettingsFileName);
    EXPECT_TRUE(Contains(cfg, "videoWindowX=70\r\nvideoWindowY=80\r\n"));
    EXPECT_TRUE(Contains(cfg, "savedVolume=42\r\n"));
    // Safe with the display gone: no window, display mode, volume device, engine or key.
    EXPECT_TRUE(r.windows.log.empty());
    EXPECT_TRUE(r.engine.log.empty());
    EXPECT_EQ(r.modes.enumerations, 0);
    EXPECT_EQ(r.systemVolume.sets, volumeSets);
    EXPECT_TRUE(r.keys.Down(vk::LButton));
    EXPECT_TRUE(r.reports.empty());
    p.Tick();
    EXPECT_FALSE(p.Ended());
    // Without the key list the settings cannot be written: false, told once, the others written.
    std::filesystem::remove(r.folder.path() / kKeyListFileName);
    p.Command(HandInFiles{{"/m/c.mpg"}, false});
    EXPECT_FALSE(p.SaveFiles());
    EXPECT_EQ(r.folder.Read("KR01.tob"), a + "\r\n/m/b.mpg\r\n/m/c.mpg\r\n");
    ASSERT_EQ(r.reports.size(), 1u);
    EXPECT_TRUE(Contains(r.reports[0], kSettingsFileName));
}

TEST(MainPlayerTest, AnExitAskedForBeforeTheFirstTickEndsThePlayerThere) {
    test::PlayerHarness r;
    r.folder.Write("KR01.tob", "/m/a.mpg\r\n/m/b.mpg\r\n");
    Player& p = r.Construct();
    p.RequestExit();
    p.Tick();
    EXPECT_TRUE(p.Ended());
    EXPECT_EQ(r.folder.Read("KR01.tob"), "/m/a.mpg\r\n/m/b.mpg\r\n");
    EXPECT_TRUE(std::filesystem::exists(r.folder.path() / "HIS.tob"));
}

// Entries deleted in the editor and the editor closed before the next tick: the close brings the
// current entry back into the list, which no tick would do once the editor is gone.
TEST(MainPlayerTest, EditorCloseMessageClampsTheCurrentIndex) {
    test::PlayerHarness r;
    std::vector<std::string> entries;
    for (const char* name : {"a.mpg", "b.mpg", "c.mpg", "d.mpg", "e.mpg"}) entries.push_back(r.AddMedia(name));
    Player& p = r.Start(entries);
    p.Command(HandInFiles{{r.AddMedia("f.mpg")}, true});
    r.Tick();
    r.TickUntilStarted();
    p.Command(PlayerCommand::EditorToggle);
    r.Tick();
    ASSERT_TRUE(r.editorWindow.open);
    ASSERT_EQ(p.View().List().currentIndex, 5);

    r.editorWindow.view.Select({2, 3, 4, 5});
    p.Command(EditorCommand{EditorAction::Delete});
    p.OnEditorClosed();
    EXPECT_FALSE(r.editorWindow.open);
    EXPECT_EQ(p.View().List().Count(), 2);
    EXPECT_EQ(p.View().List().currentIndex, 1);

    p.Command(PlayerCommand::EditorToggle);
    r.Tick();
    p.Command(EditorCommand{EditorAction::New});
    p.OnEditorClosed();
    EXPECT_EQ(p.View().List().Count(), 0);
    EXPECT_EQ(p.View().List().currentIndex, 0);
}

}  // namespace
}  // namespace felux
