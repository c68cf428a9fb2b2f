// The player's side of the inputs: the one entrance for commands and the calls the inputs make back.
#pragma once

#include "engine/MediaGraph.h"
#include "input/KeyboardPoll.h"
#include "skin/PanelMouse.h"
#include "skin/PanelRenderInputs.h"
#include "video/FullScreen.h"
#include "wheel/WheelSeek.h"

namespace felux {

class MainPlayerDlg;

// The one way a command enters the player, from the keys, the panel or a remote: a command the
// tick's command step carries out waits in the pending record, the others act at once.
void RunCommand(MainPlayerDlg& player, PlayerCommand command);

class PlayerKeyActions final : public KeyboardActions {
public:
    explicit PlayerKeyActions(MainPlayerDlg& player) : player_(player) {}

    // Carries out what RunCommand hands it: the key adapter may reach the player's own steps.
    void Command(PlayerCommand command) override;
    ScreenPoint CursorPosition() override;
    void ShowPopupMenu(PopupMenu menu, ScreenPoint at) override;
    void SynthesiseButtonRelease(int button) override;
    bool FullScreenPanelHidden() override;
    void MouseVolumeChanged() override;
    void RequestRedraw() override;
    void ScanLinePatternChanged() override;
    void ApplyOverscan() override;
    void ShowSearchIndicator(int direction) override;
    int PlaylistCount() override;
    void CheckABRepeat() override;
    void AppendSegmentEntry() override;

private:
    MainPlayerDlg& player_;
};

class PlayerPanelActions final : public PanelActions {
public:
    explicit PlayerPanelActions(MainPlayerDlg& player) : player_(player) {}

    void Command(PlayerCommand command) override;
    ScreenPoint CursorPosition() override;
    bool MouseButtonsDown() override;
    void StartWindowMove() override;
    void MainWindowDoubleClick() override;
    void RequestRelayout() override;
    void RequestFocusReset() override;
    void RequestMenu(PopupMenu menu) override;
    void ApplyPlaybackRate(int permille) override;
    std::int64_t Duration() override;
    void SeekTo(std::int64_t position) override;
    int PlaylistCount() override;
    void CheckABRepeat() override;

private:
    MainPlayerDlg& player_;
};

// Full screen reads the mouse buttons from the key state and moves and hides the cursor.
class PlayerFullScreenPort final : public FullScreenPort {
public:
    explicit PlayerFullScreenPort(MainPlayerDlg& player) : player_(player) {}

    bool LeftButtonDown() override;
    bool RightButtonDown() override;
    CursorPoint CursorPosition() override;
    void MoveCursor(CursorPoint p) override;
    void ShowCursor(bool show) override;
    void ReleaseMouseButtons() override;

private:
    MainPlayerDlg& player_;
};

// The panel's right click on the volume area registers or forgets the open file's volume.
class PlayerVolumeRecord final : public VolumeRecordToggle {
public:
    explicit PlayerVolumeRecord(MainPlayerDlg& player) : player_(player) {}
    void RegisterVolume() override;
    void ForgetVolume() override;
    bool RecordPresent() const override;

private:
    MainPlayerDlg& player_;
};

// The wheel seek drives the graph of the open file.
class GraphWheelMedia final : public WheelMedia {
public:
    explicit GraphWheelMedia(MediaGraph& graph) : graph_(graph) {}

    void Run() override { graph_.Run(); }
    void Pause() override { graph_.Pause(); }
    void SetRate(double rate) override { graph_.SetRate(rate); }
    void SeekPosition(int direction, MediaTime amount) override { graph_.SeekPosition(direction, amount); }
    void Search(int direction, MediaTime amount) override { graph_.Search(direction, amount); }
    MediaTime TimePerFrame() override { return graph_.timePerFrame; }

private:
    MediaGraph& graph_;
};

}  // namespace felux
