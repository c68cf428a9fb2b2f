// Files dropped on the main window or the editor: replace or append, scanned a slice per tick, then sorted and maybe played.
#include "player/DropIntake.h"

#include "i18n/UiText.h"
#include "model/Tick.h"
#include "player/MainWindowShape.h"

namespace felux {
namespace {

// A scan slice stops after this long, so that a tick stays well inside its period.
constexpr auto kDropSliceTime = std::chrono::milliseconds(15);
static_assert(kDropSliceTime.count() * 2 < kTickMs);
constexpr std::size_t kDropSliceEntries = 64;
// A scan that takes longer than a second shows its progress in the title.
constexpr int kDropProgressTicks = kTicksPerSecond;

}  // namespace

DropIntake::DropIntake(const PlayerState& state, CommandSink& commands, Playlist& playlist, PlaylistEditor& editor,
                       const KeyPollState& keyPoll, Playback& playback, WindowSystem& windows, SteadyClock now)
    : state_(state),
      commands_(commands),
      playlist_(playlist),
      editor_(editor),
      keyPoll_(keyPoll),
      playback_(playback),
      windows_(windows),
      now_(std::move(now)) {}

void DropIntake::Drop(std::vector<std::string> paths, DropTarget target, std::optional<MouseButton> button) {
    if (paths.empty() || scan_.Running()) return;
    if (target == DropTarget::Editor) {
        if (!editor_.IsOpen()) return;
        editor_.SetScanning(true);
    } else {
        if (state_.editor.open || playback_.Opening()) return;
        const std::optional<MouseButton> last = button ? button : keyPoll_.lastMouseButton;
        replaces_ = last != MouseButton::Right;
        if (replaces_) {
            playback_.CloseMedia();
            playlist_.Clear();
        }
        if (playlist_.Size() == 0) replaces_ = true;
        // An appending drop leaves a paused file paused, so the flag must stay for PLAY to resume it.
        if (replaces_) playback_.ForgetPause();
    }
    from_ = playlist_.Size();
    target_ = target;
    ticks_ = 0;
    handedIn_ = false;
    // A drop that replaces the list opens its first entry itself once the scan is done.
    playback_.HoldOpens(target == DropTarget::Main && replaces_);
    scan_.Start(std::move(paths));
}

void DropIntake::HandIn(std::vector<std::string> paths, bool play) {
    if (paths.empty()) return;
    if (scan_.Running()) {
        waiting_.emplace_back(std::move(paths), play);
        return;
    }
    target_ = state_.editor.open && editor_.IsOpen() ? DropTarget::Editor : DropTarget::Main;
    if (target_ == DropTarget::Editor) editor_.SetScanning(true);
    replaces_ = false;
    from_ = playlist_.Size();
    ticks_ = 0;
    handedIn_ = true;
    playHandedIn_ = play;
    scan_.Start(std::move(paths));
}

void DropIntake::Step() {
    if (!scan_.Running()) {
        if (waiting_.empty()) return;
        auto [paths, play] = std::move(waiting_.front());
        waiting_.erase(waiting_.begin());
        HandIn(std::move(paths), play);
    }
    const auto until = now_() + kDropSliceTime;
    bool done = false;
    do {
        done = scan_.Step(playlist_, kDropSliceEntries);
    } while (!done && now_() < until);
    if (!done) {
        if (++ticks_ >= kDropProgressTicks) {
            const std::string progress = FillText(UiText("DropFiles", "読込中 %1"), {std::to_string(scan_.Seen())});
            windows_.SetTitle(WindowId::Main, std::string(kMainTitle) + "  " + progress);
            editor_.ShowProgress(progress);
        }
        return;
    }
    if (ticks_ >= kDropProgressTicks) {
        windows_.SetTitle(WindowId::Main, kMainTitle);
        editor_.ShowProgress("");
    }
    Finish();
}

void DropIntake::Finish() {
    playback_.HoldOpens(false);
    if (handedIn_) {
        // The new part only, as an appending drop; its first entry is the one asked for.
        if (!scan_.ListLoaded()) playlist_.SortRange(from_, playlist_.Size());
        if (target_ == DropTarget::Editor) editor_.SetScanning(false);
        if (playHandedIn_ && playlist_.Size() > from_) {
            playlist_.currentIndex = static_cast<int>(from_);
            commands_.Command(PlayerCommand::PlaySelected);
        }
        return;
    }
    if (target_ == DropTarget::Editor) {
        // The new part only; the current mark follows its entry through the swaps.
        if (!scan_.ListLoaded()) playlist_.SortRange(from_, playlist_.Size());
        editor_.SetScanning(false);
        return;
    }
    if (replaces_) playlist_.currentIndex = 0;
    // Replacing or appending, the dropped part comes sorted by path unless a list gave its order.
    if (!scan_.ListLoaded()) playlist_.SortRange(from_, playlist_.Size());
    playback_.Shuffle();
    if (replaces_) playback_.OpenCurrent();
}

void DropIntake::Cancel() {
    scan_.Start({});
    waiting_.clear();
    playback_.HoldOpens(false);
    editor_.SetScanning(false);
}

}  // namespace felux
