// Keyboard poll actions fake: records the commands, raising the pending ones, and the menus and button releases.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "input/KeyLatch.h"
#include "input/KeyboardPoll.h"
#include "platform/Keys.h"

namespace felux::test {

class FakeKeyboardActions : public KeyboardActions {
public:
    // Synthesised releases go back into this key state, as the window system would deliver them.
    FakeKeyboardActions(KeyLatch& keys, PendingCommands& pending) : keys_(keys), pending_(pending) {}

    void Command(PlayerCommand command) override {
        commands.push_back(command);
        pending_.Raise(command);
    }
    long Count(PlayerCommand command) const { return std::count(commands.begin(), commands.end(), command); }

    Point CursorPosition() override { return cursor; }
    void ShowPopupMenu(PopupMenu menu, Point at) override { menus.emplace_back(menu, at); }
    void SynthesiseButtonRelease(MouseButton button) override {
        releases.push_back(button);
        keys_.Release(vk::ButtonKey(button));
    }
    bool FullScreenPanelHidden() override { return panelHidden; }
    void MouseVolumeChanged() override { ++mouseVolumeChanges; }
    void StopWheelSeek() override { ++wheelSeekStops; }
    void RequestRedraw() override { ++redraws; }
    void ScanLinePatternChanged() override { ++patternChanges; }
    void ApplyOverscan() override { ++overscanApplies; }
    void ShowSearchIndicator(int direction) override { indicators.push_back(direction); }
    int VolumeLevel() override { return volumeLevel; }
    void SetVolumeLevel(int level) override { volumeLevel = level; }
    int PlaylistCount() override { return playlistCount; }
    void CheckABRepeat() override { ++abChecks; }
    void AppendSegmentEntry() override { ++segmentsAppended; }

    Point cursor;
    bool panelHidden = false;
    int playlistCount = 3;
    int volumeLevel = 62;
    std::vector<PlayerCommand> commands;
    std::vector<std::pair<PopupMenu, Point>> menus;
    std::vector<MouseButton> releases;
    std::vector<int> indicators;
    int mouseVolumeChanges = 0;
    int wheelSeekStops = 0;
    int redraws = 0;
    int patternChanges = 0;
    int overscanApplies = 0;
    int abChecks = 0;
    int segmentsAppended = 0;

private:
    KeyLatch& keys_;
    PendingCommands& pending_;
};

}  // namespace felux::test
