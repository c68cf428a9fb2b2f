// Files dropped on the main window or the editor: replace or append, scanned a slice per tick, then sorted and maybe played.
#include <chrono>

#include "i18n/UiText.h"
#include "player/MainPlayerDlg.h"

namespace felux {
namespace {

// A scan slice stops after this long, so that a tick stays well inside its 40 ms.
constexpr auto kDropSliceTime = std::chrono::milliseconds(15);
constexpr std::size_t kDropSliceEntries = 64;
// A scan that takes longer than a second shows its progress in the title.
constexpr int kDropProgressTicks = 25;

}  // namespace

void MainPlayerDlg::OnDropFiles(std::vector<std::string> paths, DropTarget target, int button) {
    if (paths.empty() || drop_.Running()) return;
    if (target == DropTarget::Editor) {
        if (!editor.IsOpen()) return;
        editor.SetScanning(true);
    } else {
        if (state.editorOpen != 0 || openingBusy_) return;
        const int last = button != 0 ? button : keyboard.pollState.lastMouseButton;
        dropReplaces_ = last != 2;
        if (dropReplaces_) {
            CloseMedia();
            playlist.Clear();
        }
        if (playlist.Size() == 0) dropReplaces_ = true;
        // An appending drop leaves a paused file paused, so the flag must stay for PLAY to resume it.
        if (dropReplaces_) state.paused = 0;
    }
    dropFrom_ = playlist.Size();
    dropTarget_ = target;
    dropTicks_ = 0;
    drop_.Start(std::move(paths));
}

void MainPlayerDlg::DropStep() {
    if (!drop_.Running()) return;
    const auto until = std::chrono::steady_clock::now() + kDropSliceTime;
    bool done = false;
    do {
        done = drop_.Step(playlist, kDropSliceEntries);
    } while (!done && std::chrono::steady_clock::now() < until);
    if (!done) {
        if (++dropTicks_ >= kDropProgressTicks) {
            const std::string progress = FillText(UiText("DropFiles", "読込中 %1"), {std::to_string(drop_.Seen())});
            ports_.windows.SetTitle(WindowId::Main, std::string(kMainTitle) + "  " + progress);
            editor.ShowProgress(progress);
        }
        return;
    }
    if (dropTicks_ >= kDropProgressTicks) {
        ports_.windows.SetTitle(WindowId::Main, kMainTitle);
        editor.ShowProgress("");
    }
    FinishDrop();
}

void MainPlayerDlg::FinishDrop() {
    playlist.RefreshCount();
    if (dropTarget_ == DropTarget::Editor) {
        // The new part only; the current mark follows its entry through the swaps.
        if (!drop_.ListLoaded()) playlist.SortRange(dropFrom_, playlist.Size());
        editor.RefreshCount();
        editor.SetScanning(false);
        return;
    }
    if (dropReplaces_) playlist.currentIndex = 0;
    // Replacing or appending, the dropped part comes sorted by path unless a list gave its order.
    if (!drop_.ListLoaded()) playlist.SortRange(dropFrom_, playlist.Size());
    Shuffle();
    if (dropReplaces_) OpenCurrent();
}

void MainPlayerDlg::CancelDrop() {
    drop_.Start({});
    editor.SetScanning(false);
}

}  // namespace felux
