// Panel mouse actions fake: a cursor and buttons to move by hand, and the raised commands
// recorded, the pending ones marked; it plays the player's part for the live level.
#pragma once

#include <chrono>
#include <vector>

#include "RaisedCommands.h"
#include "skin/PanelMouse.h"

namespace felux::test {

class FakePanelActions : public PanelActions, public RaisedCommands {
public:
    explicit FakePanelActions(PendingCommands& pending) : RaisedCommands(pending) {}

    void Command(InputCommand command) override {
        Record(command);
        if (const auto* level = std::get_if<SetLiveLevel>(&command)) volumeLevel = level->level;
    }
    Point CursorPosition() override { return cursor; }
    bool MouseButtonsDown() override { return buttonsDown; }
    MediaTime Duration() override { return duration; }
    int VolumeLevel() override { return volumeLevel; }
    int PlaylistCount() override { return playlistCount; }

    std::vector<MediaTime> Seeks() const { return Values<ScrubTo>(&ScrubTo::position); }
    std::vector<int> Rates() const { return Values<SetRate>(&SetRate::permille); }
    std::vector<int> PlayingRates() const { return Values<SetPlayingRate>(&SetPlayingRate::permille); }
    std::vector<PopupMenu> Menus() const { return Values<AskMenu>(&AskMenu::menu); }

    Point cursor;
    bool buttonsDown = false;
    MediaTime duration = std::chrono::milliseconds(13'800);  // one progress pixel is 0.1 s
    int playlistCount = 3;
    int volumeLevel = 62;
};

}  // namespace felux::test
