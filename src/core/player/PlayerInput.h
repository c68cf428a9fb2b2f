// The player's side of the inputs: their commands handed to the player, and what they read of it.
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
    PlayerKeyActions(Player& player, WindowSystem& windows) : player_(player), windows_(windows) {}

    void Command(InputCommand command) override;
    Point CursorPosition() override;
    bool FullScreenPanelHidden() override;
    int VolumeLevel() override;
    int PlaylistCount() override;

private:
    Player& player_;
    WindowSystem& windows_;
};

class PlayerPanelActions final : public PanelActions {
public:
    PlayerPanelActions(Player& player, WindowSystem& windows, KeyState& keys)
        : player_(player), windows_(windows), keys_(keys) {}

    void Command(InputCommand command) override;
    Point CursorPosition() override;
    bool MouseButtonsDown() override;
    MediaTime Duration() override;
    int VolumeLevel() override;
    int PlaylistCount() override;

private:
    Player& player_;
    WindowSystem& windows_;
    KeyState& keys_;
};

// The player's parts raise what they leave for the command step here. Raised inside the tick or
// between its turns by the engine's news, they go to the command table without asking the clock
// for a tick: a file's start keeps its ticks.
class PartCommands final : public CommandSink {
public:
    explicit PartCommands(Player& player) : player_(player) {}

    void Command(InputCommand command) override;

private:
    Player& player_;
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
