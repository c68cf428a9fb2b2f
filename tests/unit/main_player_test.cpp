// The main window's start-up, tick order, layout countdown and exit sequence, against fakes.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeDisplayModes.h"
#include "FakeMediaEngine.h"
#include "FakeSystemVolume.h"
#include "FakeWindowSystem.h"
#include "KeyListText.h"
#include "TempFolder.h"
#include "input/KeyLatch.h"
#include "io/TextLines.h"
#include "platform/Keys.h"
#include "player/MainPlayerDlg.h"
#include "settings/SettingsFields.h"
#include "settings/SettingsFile.h"

namespace felux {
namespace {

// Records the calls into subsystems so that their order can be checked.
class TracingPlayer : public MainPlayerDlg {
public:
    using MainPlayerDlg::MainPlayerDlg;
    std::vector<std::string> calls;
    int graphEvent = 0;
    int panelButton = 0;
    bool segmentEnds = false;
    bool panelChanged = true;

protected:
    void CreateGraph() override { calls.push_back("CreateGraph"); }
    void Shuffle() override { calls.push_back("Shuffle"); }
    void CloseMedia() override { calls.push_back("CloseMedia"); }
    void OpenCurrent() override { calls.push_back("OpenCurrent"); }
    void StartPlayback() override {
        calls.push_back("StartPlayback");
        state.startState = 0;
    }
    void Next() override { calls.push_back("Next"); }
    bool CheckSegment() override {
        calls.push_back("CheckSegment");
        return segmentEnds;
    }
    void CheckABRepeat() override { calls.push_back("CheckABRepeat"); }
    int PollGraphEvent() override {
        calls.push_back("PollGraphEvent");
        return std::exchange(graphEvent, 0);
    }
    void SetVideoWindowPosition() override { calls.push_back("SetVideoWindowPosition"); }
    void RunPendingCommands() override { calls.push_back("RunPendingCommands"); }
    void ApplyVideoLayout() override { calls.push_back("ApplyVideoLayout"); }
    void HandlePanelMouse() override { calls.push_back("HandlePanelMouse"); }
    int PanelQuery(int q) override { return q == 7 ? panelButton : 0; }
    std::optional<Rect> DrawPanel() override {
        calls.push_back("DrawPanel");
        if (!panelChanged) return std::nullopt;
        return Rect{3, 4, 5, 6};
    }
    void CreateImages() override { calls.push_back("CreateImages"); }
    void LoadVolumeLog() override {
        calls.push_back("LoadVolumeLog");
        MainPlayerDlg::LoadVolumeLog();
    }
    bool SaveVolumeLog() override {
        calls.push_back("SaveVolumeLog");
        return MainPlayerDlg::SaveVolumeLog();
    }
    void ApplyStartupVolume() override {
        calls.push_back("ApplyStartupVolume");
        MainPlayerDlg::ApplyStartupVolume();
    }
    void RestoreStartupVolume() override { calls.push_back("RestoreStartupVolume"); }
    void ReleaseMouseButtons() override { calls.push_back("ReleaseMouseButtons"); }
    bool LoadList(const std::filesystem::path& file) override {
        calls.push_back("LoadList " + file.filename().string());
        return MainPlayerDlg::LoadList(file);
    }
    void PollKeyboard() override {
        calls.push_back("PollKeyboard");
        MainPlayerDlg::PollKeyboard();
    }
};

class MainPlayerTest : public ::testing::Test {
protected:
    MainPlayerTest() { dir.Write(kKeyListFileName, test::KeyListText()); }

    TracingPlayer& Start(std::vector<std::string> args = {}) {
        player = std::make_unique<TracingPlayer>(PlayerPorts{windows, keys, modes, media, systemVolume, {}}, dir.path(),
                                                 std::move(args));
        player->OnInitDialog();
        return *player;
    }
    // Runs the first tick and forgets what it called.
    TracingPlayer& Started(std::vector<std::string> args = {}) {
        Start(std::move(args));
        player->settings.noPlayOnStart = 1;
        player->OnTimer();
        player->OnPaint();
        player->calls.clear();
        windows.log.clear();
        return *player;
    }

    test::TempFolder dir;
    test::FakeWindowSystem windows;
    KeyLatch keys;
    test::FakeDisplayModes modes;
    test::FakeMediaEngine media;
    test::FakeSystemVolume systemVolume;
    std::unique_ptr<TracingPlayer> player;
};

std::vector<std::string> Only(const std::vector<std::string>& calls, std::initializer_list<const char*> names) {
    std::vector<std::string> out;
    for (const std::string& c : calls)
        if (std::any_of(names.begin(), names.end(), [&](const char* n) { return c.rfind(n, 0) == 0; }))
            out.push_back(c);
    return out;
}

TEST_F(MainPlayerTest, InitialisationCreatesSettingsAndPlacesWindows) {
    std::filesystem::remove(dir.path() / kSettingsFileName);
    TracingPlayer& p = Start();
    EXPECT_EQ(p.state.keyWaitTicks, 7);
    EXPECT_EQ(io::SplitLines(dir.Read(kSettingsFileName)).size(), 86u);
    EXPECT_EQ(p.calls, std::vector<std::string>{"CreateGraph"});
    EXPECT_EQ(windows.log, (std::vector<std::string>{"Place Video 0,60 0x0 shown", "Resize Picture 0x0",
                                                     "Place Main 0,0 407x50 shown", "Place Panel 0,0 407x50 shown"}));
}

TEST_F(MainPlayerTest, InitialisationLoadsExistingSettings) {
    PlayerSettings s;
    s.mainWindowX = 120;
    s.videoWindowY = 33;
    dir.Write(kSettingsFileName, FormatSettings(s, test::KeyListText()));
    TracingPlayer& p = Start();
    EXPECT_EQ(p.settings.mainWindowX, 120);
    EXPECT_EQ(windows.rects[WindowId::Main], (Rect{120, 0, 407, 50}));
    EXPECT_EQ(windows.rects[WindowId::Video], (Rect{0, 33, 0, 0}));
}

TEST_F(MainPlayerTest, FirstTickRunsStartUpInOrder) {
    dir.Write("KR01.tob", "/m/a.mpg\r\n/m/b.mpg\r\n");
    TracingPlayer& p = Start();
    p.calls.clear();
    windows.log.clear();
    p.settings.topmostMode = 2;
    p.OnTimer();
    EXPECT_EQ(p.state.initialised, 1);
    const std::vector<std::string> expected{"LoadVolumeLog", "CreateImages",       "CloseMedia", "LoadList KR01.tob",
                                            "ApplyStartupVolume", "CreateGraph",  "Shuffle",    "CloseMedia",
                                            "OpenCurrent"};
    EXPECT_EQ(Only(p.calls, {"LoadVolumeLog", "CreateImages", "CloseMedia", "LoadList", "ApplyStartupVolume",
                             "CreateGraph", "Shuffle", "OpenCurrent"}),
              expected);
    EXPECT_EQ(p.playlist.count, 2);
    EXPECT_EQ(windows.titles[WindowId::Main], " ◎ FELUX");
    const std::vector<std::string> places = Only(windows.log, {"Place", "Raise"});
    // The second topmost mode brings the window that holds the panel to the top, once.
    EXPECT_EQ(places, (std::vector<std::string>{"Place Main 0,0 407x50 shown normal", "Place Panel 0,0 407x50 shown normal",
                                                "Place Main 0,0 407x50 shown normal", "Raise Main"}));
}

TEST_F(MainPlayerTest, WindowRegionHasTheExactRowSpans) {
    const std::vector<Rect> spans = MainPlayerDlg::PanelRegion();
    auto covered = [&](int x, int y) {
        return std::any_of(spans.begin(), spans.end(), [&](const Rect& r) {
            return x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
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
}

TEST_F(MainPlayerTest, CommandLineChoosesBetweenFileListAndSavedList) {
    dir.Write("KR01.tob", "/saved/x.mpg\r\n");
    {
        TracingPlayer& p = Start({"/v/my", "clip.mpg"});
        p.OnTimer();
        ASSERT_EQ(p.playlist.Size(), 1u);
        EXPECT_EQ(p.playlist.PathAt(0), "/v/my clip.mpg");
        EXPECT_EQ(p.playlist.TitleAt(0), "");
        EXPECT_TRUE(Only(p.calls, {"LoadList"}).empty());
    }
    {
        const auto list = dir.Write("L.M3U", "#EXTM3U\r\n/v/a.mp3\r\n");
        TracingPlayer& p = Start({list.string()});
        p.OnTimer();
        EXPECT_EQ(Only(p.calls, {"LoadList"}), std::vector<std::string>{"LoadList L.M3U"});
        ASSERT_EQ(p.playlist.count, 1);
        EXPECT_EQ(p.playlist.PathAt(0), "/v/a.mp3");
    }
    {
        // Several files and a list among them: each in order, the list by its entries.
        const std::string a = dir.Write("a.mp4", "m").string();
        const std::string list = dir.Write("l.tob", "/v/x.mpg\r\n*Title\r\n").string();
        TracingPlayer& p = Start({a, list, a});
        p.OnTimer();
        EXPECT_EQ(Only(p.calls, {"LoadList"}), std::vector<std::string>{"LoadList l.tob"});
        ASSERT_EQ(p.playlist.count, 3);
        EXPECT_EQ(p.playlist.PathAt(0), a);
        EXPECT_EQ(p.playlist.PathAt(1), "/v/x.mpg");
        EXPECT_EQ(p.playlist.TitleAt(1), "*Title");
        EXPECT_EQ(p.playlist.PathAt(2), a);
        EXPECT_EQ(p.playlist.currentIndex, 0);
    }
    {
        std::filesystem::remove(dir.path() / "KR01.tob");
        TracingPlayer& p = Start();
        p.OnTimer();
        EXPECT_EQ(p.playlist.count, 0);
        EXPECT_EQ(p.playlist.currentIndex, 0);
        EXPECT_TRUE(std::filesystem::exists(dir.path() / "KR01.tob"));
    }
}

TEST_F(MainPlayerTest, NormalTickRunsItsStepsInOrder) {
    TracingPlayer& p = Started();
    p.state.mediaClosed = 0;
    p.state.segmentActive = true;
    p.state.abState = 4;
    p.panelButton = 1;
    p.graphEvent = 1;
    p.OnTimer();
    EXPECT_EQ(p.calls, (std::vector<std::string>{"PollKeyboard", "RunPendingCommands", "HandlePanelMouse",
                                                 "CheckSegment", "PollGraphEvent", "Next", "CheckABRepeat",
                                                 "DrawPanel"}));
    EXPECT_EQ(p.state.keyWaitTicks, 10);
    EXPECT_EQ(windows.log.back(), "Invalidate Main 3,4 5x6");

    // Nothing open, no dialog: only the always-on steps; one frame until it is painted.
    p.calls.clear();
    p.state.mediaClosed = 1;
    p.state.abState = 0;
    p.panelButton = 0;
    p.state.modalDialogUp = 1;
    p.OnTimer();
    EXPECT_EQ(p.calls, std::vector<std::string>{"RunPendingCommands"});
    p.OnPaint();
    p.calls.clear();
    p.OnTimer();
    EXPECT_EQ(p.calls, (std::vector<std::string>{"RunPendingCommands", "DrawPanel"}));

    // A frame waiting for its paint is asked for again; an unchanged panel is not repainted at all.
    windows.log.clear();
    p.panelChanged = false;
    p.OnTimer();
    EXPECT_EQ(windows.log, std::vector<std::string>{"Invalidate Main 3,4 5x6"});
    p.OnPaint();
    windows.log.clear();
    p.OnTimer();
    p.OnTimer();
    EXPECT_TRUE(windows.log.empty());
    EXPECT_EQ(p.state.panelFramePending, 0);
    p.panelChanged = true;
    p.OnTimer();
    EXPECT_EQ(windows.log, std::vector<std::string>{"Invalidate Main 3,4 5x6"});
    EXPECT_EQ(p.state.panelFramePending, 1);
}

TEST_F(MainPlayerTest, SegmentEndRaisesNextAndClearsTheSegment) {
    TracingPlayer& p = Started();
    p.state.mediaClosed = 0;
    p.state.segmentActive = true;
    p.segmentEnds = true;
    p.OnTimer();
    EXPECT_EQ(p.state.requests.fastForward, SearchPhase::StepEntry);
    EXPECT_FALSE(p.state.segmentActive);
}

TEST_F(MainPlayerTest, LayoutCountdownHoldsNormalWorkAndStartsPlayback) {
    TracingPlayer& p = Started();
    p.state.mediaClosed = 0;
    p.state.hasVideo = 1;
    p.state.startState = 1;
    p.state.layoutCountdown = 10;
    p.OnTimer();  // 10 -> 9
    EXPECT_TRUE(p.calls.empty());
    p.OnTimer();  // 9 -> 8: layout, then 1
    EXPECT_EQ(p.calls, (std::vector<std::string>{"ApplyVideoLayout", "SetVideoWindowPosition", "StartPlayback"}));
    EXPECT_EQ(p.state.layoutCountdown, 1);
    EXPECT_EQ(windows.log.front(), "Resize Main 407x50");
    p.calls.clear();
    p.OnTimer();  // starts at 1: reaches 0 but does no normal work
    EXPECT_TRUE(p.calls.empty());
    EXPECT_EQ(p.state.layoutCountdown, 0);
    p.OnTimer();
    EXPECT_EQ(p.calls.front(), "PollKeyboard");
}

TEST_F(MainPlayerTest, WithoutTheMonitorFixPlaybackStartsOnALaterNormalTick) {
    TracingPlayer& p = Started();
    p.settings.secondaryMonitorFix = 0;
    p.state.mediaClosed = 0;
    p.state.startState = 1;
    p.state.startDelay = 2;
    p.state.layoutCountdown = 9;
    p.OnTimer();  // layout
    EXPECT_EQ(p.state.startState, 2);
    EXPECT_TRUE(Only(p.calls, {"StartPlayback"}).empty());
    p.OnTimer();  // countdown 1 -> 0
    p.OnTimer();  // delay 2 -> 1
    EXPECT_TRUE(Only(p.calls, {"StartPlayback"}).empty());
    p.calls.clear();
    p.OnTimer();  // delay 1 -> 0: starts before the keyboard poll
    EXPECT_EQ(p.calls.front(), "StartPlayback");
    EXPECT_EQ(p.calls.at(1), "PollKeyboard");
}

TEST_F(MainPlayerTest, QuitChordRunsTheExitSequenceAtTheEndOfThatTick) {
    TracingPlayer& p = Started();
    p.settings.restoreVolumeOnExit = 1;
    p.state.displayModeChanged = 1;
    p.playlist.Append("/m/a.mpg", "*Title");
    p.playlist.Append("/m/b.mpg", "*x");
    // Where the user dragged the video window is saved, not where a window manager left it.
    p.videoInput.OnUserMove(70, 80);
    windows.rects[WindowId::Video] = {0, 0, 320, 240};
    keys.Press(vk::Control);
    keys.Press(vk::Alt);
    keys.Press(vk::Char('Q'));
    p.OnTimer();
    EXPECT_TRUE(p.Ended());
    EXPECT_EQ(Only(p.calls, {"DrawPanel", "RestoreStartupVolume", "ReleaseMouseButtons", "SaveVolumeLog"}),
              (std::vector<std::string>{"DrawPanel", "RestoreStartupVolume", "ReleaseMouseButtons", "SaveVolumeLog"}));
    EXPECT_EQ(modes.restores, 1);
    EXPECT_EQ(dir.Read("KR01.tob"), "/m/a.mpg\r\n*Title\r\n/m/b.mpg\r\n");
    const std::string cfg = dir.Read(kSettingsFileName);
    EXPECT_NE(cfg.find("videoWindowX=70\r\nvideoWindowY=80\r\n"), std::string::npos);
    p.calls.clear();
    p.OnTimer();
    EXPECT_TRUE(p.calls.empty());
}

TEST_F(MainPlayerTest, ExitKeepsTheSavedVolumeAndTheVolumeLog) {
    PlayerSettings s;
    s.savedVolume = 30;
    dir.Write(kSettingsFileName, FormatSettings(s, test::KeyListText()));
    dir.Write("data.vol", "clip.mpg\r\n1:7fff7fff\r\n");
    TracingPlayer& p = Started();
    EXPECT_EQ(p.state.volumeLevel, 30);
    p.state.exitRequested = 1;
    p.OnTimer();
    EXPECT_NE(dir.Read(kSettingsFileName).find("savedVolume=30\r\n"), std::string::npos);
    EXPECT_EQ(dir.Read("data.vol"), "clip.mpg\r\n1:7fff7fff\r\n");
}

TEST_F(MainPlayerTest, ExitWithAnEmptyPlaylistKeepsTheSavedList) {
    dir.Write("KR01.tob", "");
    TracingPlayer& p = Started();
    dir.Write("KR01.tob", "/kept.mpg\r\n");
    p.state.fullScreen = 1;
    windows.rects[WindowId::Video] = {70, 80, 320, 240};
    p.state.exitRequested = 1;
    p.OnTimer();
    EXPECT_TRUE(p.Ended());
    EXPECT_EQ(dir.Read("KR01.tob"), "/kept.mpg\r\n");
    EXPECT_NE(dir.Read(kSettingsFileName).find("videoWindowX=0\r\n"), std::string::npos);
}

TEST_F(MainPlayerTest, SavingFilesKeepsThePlayerRunningAndTouchesNoDesktop) {
    TracingPlayer& p = Started();
    p.playlist.Append("/m/a.mpg", "");
    p.playlist.Append("/m/b.mpg", "");
    p.history.AddToHistory("/m/a.mpg");
    p.state.volumeLevel = 42;
    p.videoInput.OnUserMove(70, 80);
    modes.enumerations = 0;
    EXPECT_TRUE(p.SaveFiles());
    EXPECT_EQ(dir.Read("KR01.tob"), "/m/a.mpg\r\n/m/b.mpg\r\n");
    EXPECT_EQ(dir.Read("HIS.tob"), "/m/a.mpg\r\n");
    const std::string cfg = dir.Read(kSettingsFileName);
    EXPECT_NE(cfg.find("videoWindowX=70\r\nvideoWindowY=80\r\n"), std::string::npos);
    EXPECT_NE(cfg.find("savedVolume=42\r\n"), std::string::npos);
    // Safe with the display gone: no window, no display mode, no volume device.
    EXPECT_TRUE(windows.log.empty());
    EXPECT_EQ(modes.enumerations, 0);
    EXPECT_EQ(Only(p.calls, {"RestoreStartupVolume", "ReleaseMouseButtons"}), std::vector<std::string>{});
    p.OnTimer();
    EXPECT_FALSE(p.Ended());
    // Without the key list the settings cannot be written: false, and the others are written anyway.
    std::filesystem::remove(dir.path() / kKeyListFileName);
    p.playlist.Append("/m/c.mpg", "");
    EXPECT_FALSE(p.SaveFiles());
    EXPECT_EQ(dir.Read("KR01.tob"), "/m/a.mpg\r\n/m/b.mpg\r\n/m/c.mpg\r\n");
}

TEST_F(MainPlayerTest, AnExitAskedForBeforeTheFirstTickEndsThePlayerThere) {
    dir.Write("KR01.tob", "/m/a.mpg\r\n/m/b.mpg\r\n");
    TracingPlayer& p = Start();
    p.RequestExit();
    p.OnTimer();
    EXPECT_TRUE(p.Ended());
    EXPECT_EQ(dir.Read("KR01.tob"), "/m/a.mpg\r\n/m/b.mpg\r\n");
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "HIS.tob"));
}

TEST_F(MainPlayerTest, EditorCloseMessageClampsTheCurrentIndex) {
    TracingPlayer& p = Started();
    p.state.editorOpen = 1;
    p.playlist.Append("/a.mpg", "");
    p.playlist.Append("/b.mpg", "");
    p.playlist.currentIndex = 5;
    EXPECT_EQ(p.OnEditorMessage(19), 0);
    EXPECT_EQ(p.state.editorOpen, 1);
    EXPECT_EQ(p.playlist.currentIndex, 5);
    EXPECT_EQ(p.OnEditorMessage(kEditorClosedCode), 0);
    EXPECT_EQ(p.state.editorOpen, 0);
    EXPECT_EQ(p.playlist.count, 2);
    EXPECT_EQ(p.playlist.currentIndex, 1);
    p.playlist.Clear();
    p.OnEditorMessage(kEditorClosedCode);
    EXPECT_EQ(p.playlist.currentIndex, 0);
}

}  // namespace
}  // namespace felux
