// Test doubles of the editor window and of the player's choosers and pop-up menus.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FakeEditorView.h"
#include "platform/EditorPorts.h"

namespace felux::test {

class FakeEditorWindow : public EditorWindow {
public:
    PlaylistView& Create(Rect rect) override {
        view = FakeEditorView{};
        created = rect;
        open = true;
        return view;
    }
    void Destroy() override { open = false; }
    void PlaceControls(const std::vector<ControlPlace>& p) override { places = p; }

    FakeEditorView view;
    std::optional<Rect> created;
    bool open = false;
    std::vector<ControlPlace> places;
};

struct ShownMenu {
    Point at;
    std::string caption;
    std::vector<std::string> items;
    bool choosable = false;
};

// The editor's choosers answer at once (during runs while one is "up"); the FILE chooser and
// the menus only record that they opened: tests answer through the player.
class FakeDialogs : public PlaylistDialogs {
public:
    std::optional<std::string> ChooseOpenFile(const std::string& folder) override { return Ask(folder); }
    std::optional<std::string> ChooseSaveList(const std::string& folder) override { return Ask(folder); }
    void OpenFileChooser(const std::string& folder) override { choosers.push_back(folder); }
    void TellListNotSaved(const std::string& path) override { notSaved.push_back(path); }
    std::optional<int> AskListSaveOptions(int mode) override {
        shownMode = mode;
        return optionAnswer;
    }
    void OpenPopupMenu(Point at, const std::string& caption, const std::vector<std::string>& items,
                       bool choosable) override {
        menus.push_back({at, caption, items, choosable});
    }
    void OpenSectionMenu(Point at, const std::vector<MenuSection>& sections) override {
        sectionMenus.push_back({at, sections});
    }

    std::optional<std::string> fileAnswer;
    std::function<void()> during;
    std::vector<std::string> folders;  // where each chooser started
    std::optional<int> optionAnswer;
    int shownMode = -1;
    std::vector<ShownMenu> menus;
    struct ShownSections {
        Point at;
        std::vector<MenuSection> sections;
    };
    std::vector<ShownSections> sectionMenus;
    std::vector<std::string> choosers;  // where each FILE chooser started
    std::vector<std::string> notSaved;  // lists the user was told could not be saved

private:
    std::optional<std::string> Ask(const std::string& folder) {
        folders.push_back(folder);
        if (during) during();
        return fileAnswer;
    }
};

}  // namespace felux::test
