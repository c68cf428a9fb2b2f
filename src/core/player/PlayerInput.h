// The player's side of the inputs: the one entrance for commands and the calls the inputs make back.
#pragma once

#include "engine/MediaGraph.h"
#include "platform/KeyState.h"
#include "platform/WindowSystem.h"
#include "player/Playback.h"
#include "input/KeyboardPoll.h"
#include "skin/PanelMouse.h"
#include "skin/PanelRenderInputs.h"
#include "wheel/WheelSeek.h"

namespace felux {

class Player;

class PlayerKeyActions final : public KeyboardActions {
public:
    PlayerKeyActions(Player& player, WindowSystem& windows, KeyState& keys)
        : player_(player), windows_(windows), keys_(keys) {}

    void Command(PlayerCommand command) override;
    Point CursorPosition() override;
    void ShowPopupMenu(PopupMenu menu, Point at) override;
    void SynthesiseButtonRelease(MouseButton button) override;
    bool FullScreenPanelHidden() override;
    void MouseVolumeChanged() override;
    void StopWheelSeek() override;
    void RequestRedraw() override;
    void ScanLinePatternChanged() override;
    void ApplyOverscan() override;
    void ShowSearchIndicator(int direction) override;
    int VolumeLevel() override;
    void SetVolumeLevel(int level) override;
    int PlaylistCount() override;
    void CheckABRepeat() override;
    void AppendSegmentEntry() override;

private:
    Player& player_;
    WindowSystem& windows_;
    KeyState& keys_;
};

class PlayerPanelActions final : public PanelActions {
public:
    PlayerPanelActions(Player& player, WindowSystem& windows, KeyState& keys)
        : player_(player), windows_(windows), keys_(keys) {}

    void Command(PlayerCommand command) override;
    Point CursorPosition() override;
    bool MouseButtonsDown() override;
    void StartWindowMove() override;
    void MainWindowDoubleClick() override;
    void RequestRelayout() override;
    void RequestFocusReset() override;
    void RequestMenu(PopupMenu menu) override;
    void ApplyPlaybackRate(int permille) override;
    void SetPlayingRate(int permille) override;
    MediaTime Duration() override;
    void SeekTo(MediaTime position) override;
    int VolumeLevel() override;
    void SetVolumeLevel(int level) override;
    int PlaylistCount() override;
    void CheckABRepeat() override;

private:
    Player& player_;
    WindowSystem& windows_;
    KeyState& keys_;
};

// The wheel seek drives the graph of the open file.
class GraphWheelMedia final : public WheelMedia {
public:
    GraphWheelMedia(MediaGraph& graph, Playback& playback) : graph_(graph), playback_(playback) {}

    void Run() override { graph_.Run(); }
    void Pause() override { graph_.Pause(); }
    bool Paused() const override { return playback_.Paused(); }
    void TogglePause() override { playback_.TogglePause(); }
    void SetRate(double rate) override { graph_.SetRate(rate); }
    void SeekPosition(SeekMode direction, MediaTime amount) override { graph_.SeekPosition(direction, amount); }
    void Search(SeekMode direction, MediaTime amount) override { graph_.Search(direction, amount); }
    MediaTime TimePerFrame() override { return graph_.timePerFrame; }

private:
    MediaGraph& graph_;
    Playback& playback_;
};

}  // namespace felux
