// Panel mouse actions fake: a cursor and buttons to move by hand, and a count of every request.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/PanelMouse.h"

namespace felux::test {

class FakePanelActions : public PanelActions {
public:
    ScreenPoint CursorPosition() override { return cursor; }
    bool MouseButtonsDown() override { return buttonsDown; }
    void StartWindowMove() override { ++windowMoves; }
    void RequestMinimise() override { ++minimises; }
    void RequestVideoOnly() override { ++videoOnly; }
    void MainWindowDoubleClick() override { ++mainDoubleClicks; }
    void RequestZoomOut() override { ++zoomOuts; }
    void RequestZoomIn() override { ++zoomIns; }
    void RequestRelayout() override { ++relayouts; }
    void RequestFocusReset() override { ++focusResets; }
    void RequestMenu(PopupMenu menu) override { menus.push_back(menu); }
    void ApplyPlaybackRate(int permille) override { rates.push_back(permille); }
    std::int64_t Duration() override { return duration; }
    void SeekTo(std::int64_t position) override { seeks.push_back(position); }
    int PlaylistCount() override { return playlistCount; }
    void CheckABRepeat() override { ++abChecks; }

    ScreenPoint cursor;
    bool buttonsDown = false;
    std::int64_t duration = 138 * 1'000'000;  // 13.8 s: one progress pixel is 0.1 s
    int playlistCount = 3;

    int windowMoves = 0;
    int minimises = 0;
    int videoOnly = 0;
    int mainDoubleClicks = 0;
    int zoomOuts = 0;
    int zoomIns = 0;
    int relayouts = 0;
    int focusResets = 0;
    int abChecks = 0;
    std::vector<PopupMenu> menus;
    std::vector<int> rates;
    std::vector<std::int64_t> seeks;
};

}  // namespace felux::test
