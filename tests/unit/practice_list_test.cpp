// Practice lists: a segment entry's span on the progress bar while it plays, its end at the file's
// end, and its times and editable title in the editor, kept in the current list.
#include <gtest/gtest.h>

#include "FakePixelSink.h"
#include "PlayerHarness.h"
#include "playlist/ListFile.h"
#include "playlist/PlaySegmentSuffix.h"
#include "skin/PanelRenderer.h"
#include "skin/SkinLayout.h"

namespace felux {
namespace {

using test::FakeMedia;
using test::PlayerHarness;

constexpr MediaTime kSecond = std::chrono::seconds(1);

class PracticeListTest : public ::testing::Test {
protected:
    // A 138 s clip: one second per pixel of the progress bar.
    std::string Clip(const std::string& name) {
        FakeMedia media;
        media.duration = 138 * kSecond;
        return h.AddMedia(name, media);
    }
    // The progress bar's columns that show a mark.
    std::vector<int> Marks() {
        test::FakePixelSink sink;
        h.player->presenter.PaintPanel(sink);
        std::vector<int> columns;
        for (int x = 0; x < skin::kProgressTrack.width + 2; ++x)
            if (sink.At(skin::kProgressTrack.x + x, skin::kProgressTrack.y + 1) == PanelRenderer::kMarkerColour)
                columns.push_back(x);
        return columns;
    }
    PlayerHarness h;
};

TEST_F(PracticeListTest, ASegmentShowsItsSpanAndOneEndingWithTheFileStepsOnOnce) {
    const std::string a = Clip("a.mpg");
    test::TestPlayer& p = h.Start({a + FormatSegmentSuffix(10'000, 138'000), Clip("b.mpg"), Clip("c.mpg")}, true);
    h.TickUntilStarted();
    h.engine.position = 20 * kSecond;
    h.Tick();
    EXPECT_EQ(Marks(), (std::vector<int>{10, 11, 137, 138})) << "A, and B at the very end of the bar";

    // The A-B repeat's own marks take their place while it runs.
    p.abLoop.Step();
    p.abLoop.Check(30'000);  // A at 30 s
    h.Tick();
    EXPECT_EQ(Marks(), (std::vector<int>{30, 31}));
    p.abLoop.End();

    // The segment's end and the file's come together.
    h.engine.position = 138 * kSecond;
    h.engine.completed = true;
    h.Tick(3);
    EXPECT_EQ(p.View().List().currentIndex, 1);
    EXPECT_TRUE(Marks().empty()) << "a whole file has no marks";
}

TEST_F(PracticeListTest, TheEditorShowsSegmentTimesAndEditsTheTitleKeptInTheCurrentList) {
    const std::string a = Clip("a.mpg");
    test::TestPlayer& p = h.Start({a, a + FormatSegmentSuffix(65'200, 72'000), a + FormatSegmentSuffix(3'600'000, 3'661'010)});
    p.playlist.SetTitleAt(2, "*chorus");
    p.Command(PlayerCommand::EditorToggle);
    h.Tick();
    ASSERT_TRUE(h.editorWindow.open);
    const std::vector<std::string>& lines = h.editorWindow.view.lines;
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], " 0002 a.mpg  1:05.20\u20131:12.00");
    EXPECT_EQ(lines[2], " 0003 a.mpg  1:00:00.00\u20131:01:01.01  chorus");

    EXPECT_EQ(p.editor.EditableTitle(0), std::nullopt) << "a whole file's title is its own";
    EXPECT_EQ(p.editor.EditableTitle(1), "");
    EXPECT_EQ(p.editor.EditableTitle(2), "chorus");
    p.editor.SetTitle(1, "verse\r\none");
    EXPECT_EQ(lines[1], " 0002 a.mpg  1:05.20\u20131:12.00  verse  one");
    p.editor.SetTitle(2, "");
    EXPECT_EQ(lines[2], " 0003 a.mpg  1:00:00.00\u20131:01:01.01");
    p.editor.SetTitle(0, "whole");
    EXPECT_EQ(p.View().List().TitleAt(0), "");
    const std::string longest(PlaylistEditor::kMaxTitleBytes - 1, 'x');
    p.editor.SetTitle(2, longest + "\u3042");  // a letter across the bound is left out whole
    EXPECT_EQ(p.editor.EditableTitle(2), longest);

    // Kept as the list file has always kept titles, and read back so.
    const std::filesystem::path list = h.folder.path() / "KR01.tob";
    ASSERT_TRUE(WriteCurrentList(p.playlist, list));
    Playlist back;
    ASSERT_TRUE(LoadListFile(back, list));
    ASSERT_EQ(back.Size(), 3u);
    EXPECT_EQ(back.TitleAt(1), "*verse  one");
    EXPECT_EQ(back.TitleAt(2), "*" + longest);
    EXPECT_EQ(back.PathAt(1), p.View().List().PathAt(1));
}

}  // namespace
}  // namespace felux
