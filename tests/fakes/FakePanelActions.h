// Panel mouse actions fake: a cursor and buttons to move by hand, the commands (pending ones raised) and every request.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "skin/PanelMouse.h"

namespace felux::test {

class FakePanelActions : public PanelActions {
public:
    explicit FakePanelActions(PendingCommands& pending) : pending_(pending) {}

    void Command(PlayerCommand command) override {
        commands.push_back(command);
        pending_.Raise(command);
    }
    long Count(PlayerCommand command) const { return std::count(commands.begin(), commands.end(), command); }
    Point CursorPosition() override { return cursor; }
    bool MouseButtonsDown() override { return buttonsDown; }
    void StartWindowMove() override { ++windowMoves; }
    void MainWindowDoubleClick() override { ++mainDoubleClicks; }
    void RequestRelayout() override { ++relayouts; }
    void RequestFocusReset() override { ++focusResets; }
    void RequestMenu(PopupMenu menu) override { menus.push_back(menu); }
    void ApplyPlaybackRate(int permille) override { rates.push_back(permille); }
    void SetPlayingRate(int permille) override { playingRate = permille; }
    MediaTime Duration() override { return duration; }
    void SeekTo(MediaTime position) override { seeks.push_back(position); }
    int VolumeLevel() override { return volumeLevel; }
    void SetVolumeLevel(int level) override { volumeLevel = level; }
    int PlaylistCount() override { return playlistCount; }
    void CheckABRepeat() override { ++abChecks; }

    Point cursor;
    bool buttonsDown = false;
    MediaTime duration = std::chrono::milliseconds(13'800);  // one progress pixel is 0.1 s
    int playlistCount = 3;
    int volumeLevel = 62;

    int windowMoves = 0;
    int mainDoubleClicks = 0;
    int relayouts = 0;
    int focusResets = 0;
    int abChecks = 0;
    std::vector<PlayerCommand> commands;
    std::vector<PopupMenu> menus;
    std::vector<int> rates;
    std::optional<int> playingRate;  // the speed a double click on PLAY set
    std::vector<MediaTime> seeks;

private:
    PendingCommands& pending_;
};

}  // namespace felux::test
