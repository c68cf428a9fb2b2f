// Ports of the playlist editor window and of the player's file choosers, option dialog and pop-up menus.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/WindowSystem.h"

namespace felux {

class PlaylistView;

// The editor's controls that the layout places.
enum class EditorControl { List, Folder, New, Load, Save, Sort, Delete, Up, Down, Random, Options, Close };

struct ControlPlace {
    EditorControl control;
    Rect rect;  // client coordinates
};

// The "Torvel" window. Its user actions come back as calls on the player's editor.
class EditorWindow {
public:
    virtual ~EditorWindow() = default;
    // Creates the window at rect (screen coordinates), on top of the others; its lines are empty.
    virtual PlaylistView& Create(Rect rect) = 0;
    // Takes the window away; safe to call from inside one of its own event handlers.
    virtual void Destroy() = 0;
    virtual void PlaceControls(const std::vector<ControlPlace>& places) = 0;
};

// One sub-menu of a sectioned menu; one with no items is shown but cannot be opened. A section
// without a title is no sub-menu: its items stand in the menu itself.
struct MenuSection {
    std::string title;
    std::vector<std::string> items;
    std::optional<std::size_t> checked;  // the item shown as the current choice
};

// Modal choices. Each returns nothing when the user cancels.
class PlaylistDialogs {
public:
    virtual ~PlaylistDialogs() = default;
    // Any file, starting in folder.
    virtual std::optional<std::string> ChooseOpenFile(const std::string& folder) = 0;
    // The same chooser without waiting for it, so that the tick runs on while it is up;
    // the answer reaches the player's OnFileChosen.
    virtual void OpenFileChooser(const std::string& folder) = 0;
    // A list file (.tob, .m3u) to write, starting in folder.
    virtual std::optional<std::string> ChooseSaveList(const std::string& folder) = 0;
    // Tells the user that the list they chose to save to could not be written.
    virtual void TellListNotSaved(const std::string& path) = 0;
    // The list path mode 0..2, with mode checked at the start.
    virtual std::optional<int> AskListSaveOptions(int mode) = 0;
    // A menu at a screen point: the caption (never choosable), then items numbered from 1;
    // with choosable false nothing can be chosen. Returns at once: the chosen number, or 0
    // when it was dismissed, reaches the player's OnPopupChosen.
    virtual void OpenPopupMenu(Point at, const std::string& caption, const std::vector<std::string>& items,
                               bool choosable) = 0;
    // A menu of sub-menus at a screen point; the items are numbered from 1 on through all the
    // sections in order. Answers as OpenPopupMenu does.
    virtual void OpenSectionMenu(Point at, const std::vector<MenuSection>& sections) = 0;
};

}  // namespace felux
