// The player's file choosers, list save options and pop-up menus on Qt.
#pragma once

#include <functional>

#include "platform/EditorPorts.h"

class QWidget;

namespace felux {

class QtPlaylistDialogs : public PlaylistDialogs {
public:
    // parent gives the window the choosers belong to (the editor while it is open, else the main window).
    explicit QtPlaylistDialogs(std::function<QWidget*()> parent) : parent_(std::move(parent)) {}

    std::optional<std::string> ChooseOpenFile(const std::string& folder) override;
    std::optional<std::string> ChooseSaveList(const std::string& folder) override;
    std::optional<int> AskListSaveOptions(int mode) override;
    int TrackPopupMenu(Point at, const std::string& caption, const std::vector<std::string>& items,
                       bool choosable) override;

private:
    std::function<QWidget*()> parent_;
};

}  // namespace felux
