// The playlist editor's edits: sort cycle, moves and deletes around the current mark, requests, layout, load and save.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "FakeEditorPorts.h"
#include "TempFolder.h"
#include "playlist/PlaylistEditor.h"

namespace felux {
namespace {

struct Editor {
    explicit Editor(const std::vector<std::string>& paths, int current = 0) {
        for (const std::string& p : paths) list.AppendPath(p);
        editor.Open(view, 7);
        editor.MarkCurrent(current);
    }
    std::vector<std::string> Paths() const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < list.Size(); ++i) out.push_back(list.PathAt(i));
        return out;
    }
    // The lines must always be exactly what the list would show.
    void ExpectLinesInStep() const {
        ASSERT_EQ(view.lines.size(), list.Size());
        for (std::size_t i = 0; i < list.Size(); ++i) EXPECT_EQ(view.lines[i], list.DisplayLineAt(i)) << i;
    }

    Playlist list;
    PlayerSettings settings;
    test::FakeDialogs dialogs;
    FakeEditorView view;
    PlaylistEditor editor{list, settings, &dialogs};
};

TEST(PlaylistEditor, SortCyclesPathNameAscendingDescendingOverListOrSelection) {
    Editor e({"/b/Y.mpg", "/a/z.mpg", "/c/x.mpg"}, 1);
    const std::vector<std::vector<std::string>> expected = {
        {"/a/z.mpg", "/b/Y.mpg", "/c/x.mpg"},  // path ascending
        {"/c/x.mpg", "/b/Y.mpg", "/a/z.mpg"},  // path descending
        {"/c/x.mpg", "/b/Y.mpg", "/a/z.mpg"},  // name ascending, letter case ignored
        {"/a/z.mpg", "/b/Y.mpg", "/c/x.mpg"},  // name descending
        {"/a/z.mpg", "/b/Y.mpg", "/c/x.mpg"},  // path ascending again
    };
    for (const auto& order : expected) {
        e.editor.Sort();
        EXPECT_EQ(e.Paths(), order);
        // The mark stays on its entry.
        EXPECT_EQ(e.list.PathAt(static_cast<std::size_t>(e.list.editorCurrent)), "/a/z.mpg");
        e.ExpectLinesInStep();
    }

    // With two or more lines selected only they take part, among their own positions.
    Editor s({"/d.mpg", "/c.mpg", "/b.mpg", "/a.mpg"});
    s.view.Select({0, 2, 3});
    s.editor.Sort();
    EXPECT_EQ(s.Paths(), (std::vector<std::string>{"/a.mpg", "/c.mpg", "/b.mpg", "/d.mpg"}));
    EXPECT_EQ(s.view.SelectedLines(), (std::vector<std::size_t>{0, 2, 3}));
    // One selected line sorts everything (descending now).
    s.view.Select({1});
    s.editor.Sort();
    EXPECT_EQ(s.Paths(), (std::vector<std::string>{"/d.mpg", "/c.mpg", "/b.mpg", "/a.mpg"}));
}

// Each press must give exactly what a plain selection sort gives, keeping the first of
// equal keys, so entries with the same name end in the order the swaps leave them.
TEST(PlaylistEditor, SortMatchesPlainSelectionSortWithEqualKeys) {
    const auto sortLikeThePlainLoop = [](std::vector<std::string>& paths, int mode) {
        const auto key = [mode](const std::string& p) { return mode >= 2 ? p.substr(p.rfind('/') + 1) : p; };
        for (std::size_t p = 0; p < paths.size(); ++p) {
            std::size_t best = p;
            for (std::size_t q = p + 1; q < paths.size(); ++q)
                if (mode % 2 == 0 ? key(paths[q]) < key(paths[best]) : key(paths[q]) > key(paths[best])) best = q;
            std::swap(paths[p], paths[best]);
        }
    };
    std::mt19937 random(3);
    for (int round = 0; round < 40; ++round) {
        std::vector<std::string> expect;
        for (int i = 0; i < 12; ++i)
            expect.push_back("/" + std::to_string(random() % 3) + "/" + std::string(1, static_cast<char>('a' + random() % 3)));
        Editor e(expect, 5);
        for (int mode = 0; mode < 4; ++mode) {
            e.editor.Sort();
            sortLikeThePlainLoop(expect, mode);
            ASSERT_EQ(e.Paths(), expect) << "round " << round << " mode " << mode;
        }
    }
}

TEST(PlaylistEditor, DeleteKeepsTheCurrentEntryAndRenumbers) {
    Editor e({"/0", "/1", "/2", "/3", "/4", "/5", "/6"}, 5);
    e.view.Select({2, 3});
    e.editor.Delete();
    EXPECT_EQ(e.list.editorCurrent, 3);
    EXPECT_EQ(e.view.lines[3], ">0004 5");
    EXPECT_EQ(e.view.lines[2], " 0003 4");
    EXPECT_EQ(e.view.SelectedLines(), std::vector<std::size_t>{2});
    EXPECT_EQ(e.list.Size(), 5u);
    e.ExpectLinesInStep();

    // Deleting up to the end selects the line before; the current entry itself gone: the mark goes with it.
    e.view.Select({3, 4});
    e.editor.Delete();
    EXPECT_EQ(e.Paths(), (std::vector<std::string>{"/0", "/1", "/4"}));
    EXPECT_EQ(e.list.editorCurrent, 2);
    EXPECT_EQ(e.view.SelectedLines(), std::vector<std::size_t>{2});

    e.view.Select({0, 1, 2});
    e.editor.Delete();
    EXPECT_TRUE(e.view.lines.empty());
    EXPECT_EQ(e.list.editorCurrent, 0);
    e.editor.Delete();  // nothing selected, nothing left: no effect
}

TEST(PlaylistEditor, MovesCarryTheMarkAndStopAtTheEnds) {
    Editor e({"/a", "/b", "/c", "/d"}, 2);
    e.view.Select({2});
    e.editor.MoveUp();
    EXPECT_EQ(e.Paths(), (std::vector<std::string>{"/a", "/c", "/b", "/d"}));
    EXPECT_EQ(e.list.editorCurrent, 1);
    EXPECT_EQ(e.view.SelectedLines(), std::vector<std::size_t>{1});
    e.ExpectLinesInStep();

    // The entry above the current one moves down onto it: the current one moves up.
    e.view.Select({0});
    e.editor.MoveDown();
    EXPECT_EQ(e.Paths(), (std::vector<std::string>{"/c", "/a", "/b", "/d"}));
    EXPECT_EQ(e.list.editorCurrent, 0);

    // A block moves together; with the first (last) line selected nothing moves at all.
    e.view.Select({1, 2});
    e.editor.MoveDown();
    EXPECT_EQ(e.Paths(), (std::vector<std::string>{"/c", "/d", "/a", "/b"}));
    EXPECT_EQ(e.view.SelectedLines(), (std::vector<std::size_t>{2, 3}));
    e.editor.MoveDown();
    EXPECT_EQ(e.Paths(), (std::vector<std::string>{"/c", "/d", "/a", "/b"}));
    e.view.Select({0, 1, 3});
    e.editor.MoveUp();
    EXPECT_EQ(e.Paths(), (std::vector<std::string>{"/c", "/d", "/a", "/b"}));
    e.ExpectLinesInStep();
}

TEST(PlaylistEditor, DoubleClickRequestsAndTheMarkComesWithTheOpening) {
    Editor e({"/a", "/b", "/c", "/d", "/e", "/f", "/g", "/h"}, 1);
    e.view.Select({6});
    e.editor.OnDoubleClick();
    EXPECT_EQ(e.view.lines[1], " 0002 b");
    EXPECT_EQ(e.view.lines[6], " 0007 g");
    EXPECT_EQ(e.editor.State().request, EditorRequest::Play);
    EXPECT_EQ(e.editor.State().requestedIndex, 6);
    EXPECT_EQ(e.editor.State().current, 6);
    e.editor.MarkCurrent(6);
    EXPECT_EQ(e.view.lines[6], ">0007 g");
    EXPECT_EQ(e.view.SelectedLines(), std::vector<std::size_t>{6});
    e.editor.ClearRequest();
    EXPECT_EQ(e.editor.State().request, EditorRequest::None);
    EXPECT_EQ(e.editor.State().requestedIndex, 0);
    EXPECT_EQ(e.editor.State().current, 6);

    // Opening marks the window as moved once.
    EXPECT_TRUE(e.editor.TakeMoved());
    EXPECT_FALSE(e.editor.TakeMoved());
}

TEST(PlaylistEditor, LayoutKeepsItsMinimumsAndResizeRequestsIt) {
    const auto at = [](const std::vector<ControlPlace>& places, EditorControl c) {
        for (const ControlPlace& p : places)
            if (p.control == c) return p.rect;
        return Rect{};
    };
    const auto small = PlaylistEditor::EditorLayout(100, 200);
    EXPECT_EQ(at(small, EditorControl::List), (Rect{5, 16, 45, 242}));
    EXPECT_EQ(at(small, EditorControl::Folder), (Rect{5, 265, 100, 20}));
    EXPECT_EQ(at(small, EditorControl::Close), (Rect{55, 245, 50, 20}));
    EXPECT_EQ(at(small, EditorControl::Options), (Rect{55, 215, 50, 20}));
    // One pixel past each limit the controls start to follow the size.
    const auto edge = PlaylistEditor::EditorLayout(111, 288);
    EXPECT_EQ(at(edge, EditorControl::List), (Rect{5, 16, 46, 243}));
    EXPECT_EQ(at(edge, EditorControl::Folder), (Rect{5, 266, 101, 20}));
    EXPECT_EQ(at(PlaylistEditor::EditorLayout(110, 300), EditorControl::Close), (Rect{55, 245, 50, 20}));
    EXPECT_EQ(at(PlaylistEditor::EditorLayout(110, 301), EditorControl::Close), (Rect{55, 246, 50, 20}));

    Editor e({"/a"});
    e.editor.OnResize(300, 400);
    EXPECT_EQ(e.editor.State().request, EditorRequest::Resized);
    EXPECT_EQ(at(e.editor.LayoutEditor(), EditorControl::List), (Rect{5, 16, 235, 355}));
}

TEST(PlaylistEditor, LoadSaveNewAndOptionsGoThroughTheChoosers) {
    test::TempFolder folder;
    const std::string list = folder.Write("x.M3U", "/m/one.mpg\r\n/m/two.mpg\r\n").string();
    const std::string sub = (folder.path() / "sub").string();
    std::filesystem::create_directory(sub);

    Editor e({"/a.mpg"});
    e.settings.lastMediaPath = sub + "/gone/file.mpg";
    std::optional<bool> dialogFlag;
    e.dialogs.during = [&] { dialogFlag = e.editor.State().fileDialogOpen; };
    e.dialogs.fileAnswer = list;
    e.editor.Load();
    EXPECT_EQ(dialogFlag, true);
    EXPECT_FALSE(e.editor.State().fileDialogOpen);
    // The chooser starts in the deepest folder of the remembered path that exists.
    EXPECT_EQ(e.dialogs.folders.back(), sub);
    EXPECT_EQ(e.Paths(), (std::vector<std::string>{"/a.mpg", "/m/one.mpg", "/m/two.mpg"}));
    EXPECT_EQ(e.settings.lastMediaPath, list);

    e.dialogs.fileAnswer = "/v/clip.mpg";
    e.editor.Load();
    EXPECT_EQ(e.view.lines.back(), " 0004 clip.mpg");
    e.dialogs.fileAnswer.reset();
    e.editor.Load();  // cancel
    EXPECT_EQ(e.list.Size(), 4u);
    e.ExpectLinesInStep();

    e.dialogs.optionAnswer = 7;
    e.editor.Options();
    EXPECT_EQ(e.editor.State().listPathMode, 2);
    e.dialogs.optionAnswer.reset();
    e.editor.Options();
    EXPECT_EQ(e.editor.State().listPathMode, 2);

    e.dialogs.fileAnswer = (folder.path() / "saved.tob").string();
    e.editor.Save();
    EXPECT_EQ(folder.Read("saved.tob"), "/a.mpg\r\n/m/one.mpg\r\n/m/two.mpg\r\n/v/clip.mpg\r\n");
    EXPECT_EQ(e.settings.lastListPath, e.dialogs.fileAnswer);
    EXPECT_TRUE(e.dialogs.notSaved.empty());

    // A save killed half-way left its temporary; the next save of that list takes it away, and
    // leaves alone what only looks alike.
    folder.Write("saved.tob.tmp123456", "half");
    folder.Write("saved.tob.tmp1234567", "not ours");
    e.editor.Save();
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "saved.tob.tmp123456"));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "saved.tob.tmp1234567"));

    // A list that cannot be written is told to the user, not taken for saved.
    e.dialogs.fileAnswer = (folder.path() / "no-folder" / "lost.tob").string();
    e.editor.Save();
    EXPECT_EQ(e.dialogs.notSaved, std::vector<std::string>{*e.dialogs.fileAnswer});

    e.editor.New();
    EXPECT_TRUE(e.view.lines.empty());
    EXPECT_EQ(e.list.Size(), 0u);
}

}  // namespace
}  // namespace felux
