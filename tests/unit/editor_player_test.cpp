// The player with its editor, drops, open command and pop-up menus: what a user's action leads to over the ticks.
#include <gtest/gtest.h>

#include "PlayerHarness.h"
#include "platform/Keys.h"
#include "playlist/PlaySegmentSuffix.h"
#include "playlist/PopupMenuItems.h"

namespace felux {
namespace {

using test::PlayerHarness;

std::vector<std::string> Paths(const Playlist& list) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < list.Size(); ++i) out.push_back(list.PathAt(i));
    return out;
}

// The lines that carry the current mark.
std::vector<std::size_t> Marked(const std::vector<std::string>& lines) {
    std::vector<std::size_t> marked;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].starts_with('>')) marked.push_back(i);
    return marked;
}

class EditorPlayerTest : public ::testing::Test {
protected:
    void TickUntilDropDone() {
        for (int i = 0; i < 100 && h.player->drop.Running(); ++i) h.Tick();
        ASSERT_FALSE(h.player->drop.Running());
    }
    // Plays entry `index` of the list and opens the editor over it.
    test::TestPlayer& PlayWithEditor(const std::vector<std::string>& entries, int index) {
        test::TestPlayer& p = h.Start(entries);
        p.playlist.currentIndex = index;
        p.playback.OpenCurrent();
        h.TickUntilStarted();
        p.Command(PlayerCommand::EditorToggle);
        h.Tick();
        return p;
    }
    PlayerHarness h;
};

TEST_F(EditorPlayerTest, ToggleOpensAtTheSavedPlaceExchangesAndCloses) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    const std::string c = h.AddMedia("c.mpg");
    test::TestPlayer& p = h.Start({a, b, c});
    p.settings.editorWindowX = 30;
    p.settings.editorWindowY = 40;
    p.playlist.currentIndex = 2;
    p.Command(PlayerCommand::EditorToggle);
    h.Tick();
    ASSERT_TRUE(h.editorWindow.open);
    EXPECT_EQ(*h.editorWindow.created, (Rect{30, 40, 250, 350}));
    EXPECT_EQ(h.editorWindow.view.lines, (std::vector<std::string>{" 0001 a.mpg", " 0002 b.mpg", ">0003 c.mpg"}));
    EXPECT_TRUE(p.state.editor.open);

    // A resize lays the controls out and the window's rectangle becomes the saved one.
    h.windows.rects[WindowId::Editor] = {50, 60, 320, 420};
    p.editor.OnResize(300, 380);
    h.Tick();
    EXPECT_FALSE(h.editorWindow.places.empty());
    EXPECT_EQ(p.settings.editorWindowX, 50);
    EXPECT_EQ(p.settings.editorWindowHeight, 420);

    // The editor's list path mode and edits reach the player.
    h.dialogs.optionAnswer = 2;
    p.editor.Options();
    h.editorWindow.view.Select({2});
    p.editor.Delete();
    h.Tick();
    EXPECT_EQ(p.settings.listPathMode, 2);
    EXPECT_EQ(p.View().List().Count(), 2);
    EXPECT_EQ(p.View().List().currentIndex, 1);

    // The close message: the window goes, the current index stays below the count.
    p.playlist.currentIndex = 2;
    p.OnEditorClosed();
    EXPECT_FALSE(h.editorWindow.open);
    EXPECT_FALSE(p.state.editor.open);
    EXPECT_EQ(p.View().List().currentIndex, 1);
    // The FILE button's first way closes an open editor instead of choosing a file.
    p.Command(PlayerCommand::EditorToggle);
    h.Tick();
    p.Command(PlayerCommand::OpenFile);
    h.Tick();
    EXPECT_FALSE(h.editorWindow.open);
    EXPECT_TRUE(h.dialogs.choosers.empty());
}

TEST_F(EditorPlayerTest, PlayRequestIsTakenWhileAFileWaitsToStart) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    test::TestPlayer& p = h.Start({a + FormatSegmentSuffix(1000, 5000), b});
    p.settings.secondaryMonitorFix = 0;
    p.playback.OpenCurrent();
    h.Tick(4);
    ASSERT_EQ(p.state.playback.startState, StartState::LaidOut);  // laid out, the segment's start delay still running
    p.Command(PlayerCommand::EditorToggle);
    h.Tick();
    h.editorWindow.view.Select({1});
    p.editor.OnDoubleClick();
    h.Tick();
    EXPECT_TRUE(p.Pending().playSelected);
    EXPECT_EQ(p.View().List().currentIndex, 1);
    h.Tick();
    EXPECT_EQ(p.View().File().path, b);
    EXPECT_EQ(h.editorWindow.view.lines[1], ">0002 b.mpg");
    EXPECT_EQ(p.editor.State().request, EditorRequest::None);
}

TEST_F(EditorPlayerTest, DropsReplaceOrAppendOnTheMainWindowAndSortOnlyTheNewPartOnTheEditor) {
    const std::string z = h.AddMedia("z.mpg");
    const std::string y = h.AddMedia("y.mpg");
    const std::string x = h.AddMedia("x.mpg");
    const std::string w = h.AddMedia("w.mpg");
    test::TestPlayer& p = h.Start({w}, /*openOnStart=*/true);
    h.TickUntilStarted();

    // Left button: the list is replaced, sorted by path, and the first entry plays.
    p.OnDrop({z, y}, DropTarget::Main, MouseButton::Left);
    EXPECT_TRUE(p.state.playback.mediaClosed);
    TickUntilDropDone();
    EXPECT_EQ(Paths(p.playlist), (std::vector<std::string>{y, z}));
    EXPECT_EQ(p.View().File().path, y);
    h.TickUntilStarted();

    // Right button: the new part is appended sorted as a replacing drop is, playback goes on.
    p.OnDrop({x, w}, DropTarget::Main, MouseButton::Right);
    TickUntilDropDone();
    EXPECT_EQ(Paths(p.playlist), (std::vector<std::string>{y, z, w, x}));
    EXPECT_EQ(p.View().File().path, y);
    EXPECT_FALSE(p.state.playback.mediaClosed);

    // With the editor open the main window takes no drop; the editor appends and sorts the new part,
    // and the current mark stays on its entry.
    p.Command(PlayerCommand::EditorToggle);
    h.Tick();
    p.OnDrop({z}, DropTarget::Main, MouseButton::Left);
    EXPECT_FALSE(p.drop.Running());
    p.OnDrop({z, x}, DropTarget::Editor, std::nullopt);
    TickUntilDropDone();
    EXPECT_EQ(Paths(p.playlist), (std::vector<std::string>{y, z, w, x, x, z}));
    EXPECT_EQ(h.editorWindow.view.lines[4], " 0005 x.mpg");
    EXPECT_EQ(h.editorWindow.view.lines[0], ">0001 y.mpg");
    EXPECT_EQ(p.View().List().Count(), 6);
    EXPECT_EQ(p.View().File().path, y);
}

TEST_F(EditorPlayerTest, AnAppendDropOntoAPausedFileKeepsItPausedUntilOnePlay) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    test::TestPlayer& p = h.Start({a}, /*openOnStart=*/true);
    h.TickUntilStarted();
    p.Command(PlayerCommand::PauseToggle);
    h.Tick();
    ASSERT_FALSE(h.engine.playing);

    p.OnDrop({b}, DropTarget::Main, MouseButton::Right);
    TickUntilDropDone();
    EXPECT_FALSE(h.engine.playing);
    EXPECT_TRUE(p.playback.Paused());
    p.Command(PlayerCommand::Play);
    h.Tick();
    EXPECT_TRUE(h.engine.playing);
    EXPECT_EQ(p.View().File().path, a);
}

TEST_F(EditorPlayerTest, DeletingThePlayingEntryPlaysTheOneRightAfterItNext) {
    const std::string q = h.AddMedia("q.mpg");
    const std::string r = h.AddMedia("r.mpg");
    const std::string s = h.AddMedia("s.mpg");
    test::TestPlayer& p = PlayWithEditor({h.AddMedia("p.mpg"), q, r, s}, 1);
    h.editorWindow.view.Select({1});
    p.editor.Delete();
    h.Tick();
    EXPECT_TRUE(Marked(h.editorWindow.view.lines).empty());  // what plays is no longer listed
    EXPECT_EQ(p.View().File().path, q);
    h.engine.completed = true;
    h.Tick();
    EXPECT_EQ(p.View().File().path, r);
    EXPECT_EQ(Marked(h.editorWindow.view.lines), std::vector<std::size_t>{1});
    h.TickUntilStarted();
    h.engine.completed = true;
    h.Tick();
    EXPECT_EQ(p.View().File().path, s);
}

TEST_F(EditorPlayerTest, NextPastAMissingFileMovesTheMarkSoPlayGoesOnFromThere) {
    const std::string c = h.AddMedia("c.mpg");
    test::TestPlayer& p = PlayWithEditor({h.AddMedia("a.mpg"), "/nowhere/gone.mpg", c}, 0);
    p.Command(PlayerCommand::NextEntry);  // RIGHT: the missing file does not open
    h.Tick();
    ASSERT_TRUE(p.state.playback.mediaClosed);
    EXPECT_EQ(Marked(h.editorWindow.view.lines), std::vector<std::size_t>{1});
    p.Command(PlayerCommand::NextEntry);  // RIGHT again, with nothing open
    h.Tick();
    EXPECT_EQ(p.View().List().currentIndex, 2);
    p.Command(PlayerCommand::Play);  // SPACE
    h.Tick();
    EXPECT_EQ(p.View().File().path, c);
    EXPECT_EQ(Marked(h.editorWindow.view.lines), std::vector<std::size_t>{2});
}

TEST_F(EditorPlayerTest, AChoiceFromThePopupMenuMovesTheOneMark) {
    const std::string c = h.AddMedia("c.mpg");
    test::TestPlayer& p = PlayWithEditor({h.AddMedia("a.mpg"), h.AddMedia("b.mpg"), c}, 0);
    p.popups.Show(PopupMenu::Playlist, {0, 0});
    p.popups.Chosen(3);
    h.Tick();
    EXPECT_EQ(p.View().File().path, c);
    EXPECT_EQ(Marked(h.editorWindow.view.lines), std::vector<std::size_t>{2});
}

TEST_F(EditorPlayerTest, ANewListStartsAtItsFirstEntryWhenThePlayingFileEnds) {
    test::TestPlayer& p = PlayWithEditor({h.AddMedia("a.mpg"), h.AddMedia("b.mpg"), h.AddMedia("c.mpg")}, 2);
    const std::string pp = h.AddMedia("p.mpg");
    const std::string q = h.AddMedia("q.mpg");
    p.editor.New();
    // Dropped in reverse: the sort of the new part swaps the first place away and back.
    p.OnDrop({h.AddMedia("s.mpg"), h.AddMedia("r.mpg"), q, pp}, DropTarget::Editor, std::nullopt);
    TickUntilDropDone();
    EXPECT_TRUE(Marked(h.editorWindow.view.lines).empty());
    h.engine.completed = true;
    h.Tick();
    EXPECT_EQ(p.View().File().path, pp);
    EXPECT_EQ(Marked(h.editorWindow.view.lines), std::vector<std::size_t>{0});
    h.TickUntilStarted();
    h.engine.completed = true;
    h.Tick();
    EXPECT_EQ(p.View().File().path, q);
}

TEST_F(EditorPlayerTest, InFullScreenTheShownPanelBringsTheEditorAndClicksOnItStay) {
    test::TestPlayer& p = h.Start({h.AddMedia("clip.mpg")}, true, [](PlayerSettings& s) {
        s.fullScreenModeOn = 0;
        s.editorWindowX = 40;
        s.editorWindowY = 300;
    });
    h.TickUntilStarted();
    p.Command(PlayerCommand::EditorToggle);
    h.Tick();
    p.Command(PlayerCommand::FullScreenToggle);
    h.Tick(14);
    h.keys.Press(vk::LButton);
    h.Tick();
    h.keys.Release(vk::LButton);
    h.Tick(5);
    ASSERT_EQ(p.layout.FullScreen(), FullScreenState::PanelShown);
    EXPECT_EQ(h.windows.rects[WindowId::Editor], (Rect{40, 300, 250, 350}));
    // A right press over the editor belongs to it: full screen stays.
    h.windows.cursor = {289, 649};
    h.keys.Press(vk::RButton);
    h.Tick();
    h.keys.Release(vk::RButton);
    h.Tick(5);
    EXPECT_TRUE(p.state.layout.fullScreen);
}

TEST_F(EditorPlayerTest, OpenCommandWaitsForTheChoiceWithKeysOff) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    test::TestPlayer& p = h.Start({a});
    p.settings.lastMediaPath = h.folder.path().string() + "/gone.mpg";
    p.Command(PlayerCommand::OpenFile);
    h.Tick();
    EXPECT_EQ(h.dialogs.choosers, std::vector<std::string>{h.folder.path().string()});
    // The chooser is up: ticks go on with the keys waiting, and a second FILE press opens no second chooser.
    p.Command(PlayerCommand::OpenFile);
    h.Tick(2);
    EXPECT_TRUE(p.state.ModalDialogUp());
    EXPECT_EQ(h.dialogs.choosers.size(), 1u);
    p.editorBridge.FileChosen(std::nullopt);
    h.Tick();
    EXPECT_FALSE(p.state.ModalDialogUp());
    EXPECT_EQ(Paths(p.playlist), std::vector<std::string>{a});

    p.Command(PlayerCommand::OpenFile);
    h.Tick();
    p.editorBridge.FileChosen(b);
    h.Tick();
    EXPECT_EQ(Paths(p.playlist), std::vector<std::string>{b});
    EXPECT_EQ(p.View().File().path, b);
    EXPECT_EQ(p.settings.lastMediaPath, b);
}

TEST_F(EditorPlayerTest, PlaylistPopupShowsTwentyOneAroundTheCurrentEntry) {
    const auto range = [](int current, int count) {
        const PopupRange r = PlaylistPopupRange(current, count);
        return std::make_pair(r.first + 1, r.last + 1);
    };
    EXPECT_EQ(range(50, 100), std::make_pair(41, 61));
    EXPECT_EQ(range(3, 100), std::make_pair(1, 21));
    EXPECT_EQ(range(98, 100), std::make_pair(89, 100));
    EXPECT_EQ(range(11, 100), std::make_pair(2, 22));  // the first that no longer starts at the top
    EXPECT_EQ(range(0, 5), std::make_pair(1, 5));
    EXPECT_EQ(range(0, 0).second, 0);  // nothing to show

    std::vector<std::string> entries;
    for (int i = 0; i < 100; ++i) entries.push_back(h.AddMedia("f" + std::to_string(i) + ".mpg"));
    test::TestPlayer& p = h.Start(entries);
    p.playlist.currentIndex = 50;
    p.popups.Show(PopupMenu::Playlist, {300, 400});
    ASSERT_EQ(h.dialogs.menus.size(), 1u);
    const test::ShownMenu& menu = h.dialogs.menus[0];
    EXPECT_EQ(menu.caption, "SelectFileName");
    EXPECT_EQ(menu.at.x, 300);
    EXPECT_EQ(menu.at.y, 400);
    ASSERT_EQ(menu.items.size(), 22u);  // 21 entries, then repeat one
    EXPECT_EQ(menu.items.front(), "  0041 f40.mpg");
    EXPECT_EQ(menu.items[10], ">>0051 f50.mpg");
    // While it is up no second menu opens; dismissed, nothing happens.
    p.popups.Show(PopupMenu::History, {0, 0});
    EXPECT_EQ(h.dialogs.menus.size(), 1u);
    p.popups.Chosen(0);
    h.Tick();
    EXPECT_TRUE(p.state.playback.mediaClosed);

    p.popups.Show(PopupMenu::Playlist, {0, 0});
    p.popups.Chosen(21);
    h.Tick();
    EXPECT_EQ(p.View().List().currentIndex, 60);
    EXPECT_EQ(p.View().File().path, entries[60]);
}

TEST_F(EditorPlayerTest, HistoryChoicePlaysTheEntryAlreadyListedOrAppendsIt) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    const std::string c = h.AddMedia("c.mpg");
    test::TestPlayer& p = h.Start({a, b});
    p.history.AddToHistory(c);
    p.history.AddToHistory(b);
    p.popups.Show(PopupMenu::History, {5, 5});
    EXPECT_EQ(h.dialogs.menus.back().items, (std::vector<std::string>{b, c}));
    p.popups.Chosen(1);
    h.Tick();
    EXPECT_EQ(Paths(p.playlist), (std::vector<std::string>{a, b}));
    EXPECT_EQ(p.View().List().currentIndex, 1);
    EXPECT_EQ(p.View().File().path, b);

    // Not listed (the list's copy carries a segment suffix): the plain path is appended, with its line.
    h.TickUntilStarted();
    p.playlist.Clear();
    p.playlist.AppendPath(c + FormatSegmentSuffix(0, 1000));
    p.Command(PlayerCommand::EditorToggle);
    h.Tick();
    p.popups.Show(PopupMenu::History, {5, 5});
    p.popups.Chosen(2);
    h.Tick();
    EXPECT_EQ(Paths(p.playlist), (std::vector<std::string>{c + FormatSegmentSuffix(0, 1000), c}));
    EXPECT_EQ(p.View().List().currentIndex, 1);
    EXPECT_EQ(h.editorWindow.view.lines.back(), ">0002 c.mpg");

    // The file information shows only for MPEG audio; its items cannot be chosen.
    const std::size_t shown = h.dialogs.menus.size();
    p.popups.Show(PopupMenu::FileInfo, {5, 5});
    EXPECT_EQ(h.dialogs.menus.size(), shown);
    p.playlist.AppendPath(h.AddMedia("song.mp3", test::FakeMedia{.video = false}));
    p.playlist.currentIndex = 2;
    p.playback.OpenCurrent();
    p.popups.Show(PopupMenu::FileInfo, {5, 5});
    p.popups.Chosen(0);
    ASSERT_EQ(h.dialogs.menus.size(), shown + 1);
    EXPECT_EQ(h.dialogs.menus.back().caption, "<<    FileInformation    >>");
    EXPECT_EQ(h.dialogs.menus.back().items, p.openFile.infoLines);
    EXPECT_FALSE(h.dialogs.menus.back().items.empty());
    EXPECT_FALSE(h.dialogs.menus.back().choosable);
}

}  // namespace
}  // namespace felux
