// Keyboard poll actions fake: records the raised commands, marking the pending ones, and plays
// the player's part for the live level and the synthesised button releases.
#pragma once

#include <utility>
#include <vector>

#include "RaisedCommands.h"
#include "input/KeyLatch.h"
#include "input/KeyboardPoll.h"
#include "platform/Keys.h"

namespace felux::test {

class FakeKeyboardActions : public KeyboardActions, public RaisedCommands {
public:
    // Synthesised releases go back into this key state, as the window system would deliver them.
    FakeKeyboardActions(KeyLatch& keys, PendingCommands& pending) : RaisedCommands(pending), keys_(keys) {}

    void Command(InputCommand command) override {
        Record(command);
        if (const auto* level = std::get_if<SetLiveLevel>(&command)) volumeLevel = level->level;
        if (const auto* release = std::get_if<ReleaseButton>(&command)) keys_.Release(vk::ButtonKey(release->button));
    }

    Point CursorPosition() override { return cursor; }
    bool FullScreenPanelHidden() override { return panelHidden; }
    int VolumeLevel() override { return volumeLevel; }
    int PlaylistCount() override { return playlistCount; }

    std::vector<ShowMenu> Menus() const { return All<ShowMenu>(); }
    std::vector<MouseButton> Releases() const { return Values<ReleaseButton>(&ReleaseButton::button); }

    Point cursor;
    bool panelHidden = false;
    int playlistCount = 3;
    int volumeLevel = 62;

private:
    KeyLatch& keys_;
};

}  // namespace felux::test
