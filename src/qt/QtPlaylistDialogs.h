// The player's file choosers, list save options and pop-up menus on Qt.
#pragma once

#include <functional>

#include "platform/EditorPorts.h"

class QMenu;
class QWidget;

namespace felux {

class QtPlaylistDialogs : public PlaylistDialogs {
public:
    // parent gives the window the choosers belong to (the editor while it is open, else the main window).
    explicit QtPlaylistDialogs(std::function<QWidget*()> parent) : parent_(std::move(parent)) {}
    // Where the answers of the menus and the FILE button's chooser go.
    void SetReceivers(std::function<void(int)> menuChosen, std::function<void(std::optional<std::string>)> fileChosen) {
        menuChosen_ = std::move(menuChosen);
        fileChosen_ = std::move(fileChosen);
    }

    std::optional<std::string> ChooseOpenFile(const std::string& folder) override;
    void OpenFileChooser(const std::string& folder) override;
    std::optional<std::string> ChooseSaveList(const std::string& folder) override;
    void TellListNotSaved(const std::string& path) override;
    std::optional<int> AskListSaveOptions(int mode) override;
    void OpenPopupMenu(Point at, const std::string& caption, const std::vector<std::string>& items,
                       bool choosable) override;
    void OpenSectionMenu(Point at, const std::vector<MenuSection>& sections) override;

private:
    // Shows the menu and hands the number of the chosen item (its action's data), or 0, to the receiver.
    void Track(QMenu* menu, Point at);

    std::function<QWidget*()> parent_;
    std::function<void(int)> menuChosen_;
    std::function<void(std::optional<std::string>)> fileChosen_;
};

}  // namespace felux
