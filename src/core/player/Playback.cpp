// The open file's life: opening, starting and closing it, moving through the playlist, segments and A-B loops.
#include "player/Playback.h"

#include <algorithm>
#include <climits>
#include <numeric>
#include <random>
#include <utility>

#include "engine/CompanionAudio.h"
#include "engine/FileTags.h"
#include "input/KeyboardPoll.h"
#include "player/PlaybackSpeed.h"
#include "player/TitleLine.h"
#include "playlist/MediaFileTypes.h"
#include "playlist/PlaySegmentSuffix.h"
#include "playlist/StreamUrl.h"
#include "video/Overscan.h"

namespace felux {
namespace {

constexpr int kSegmentStartDelay = 50;
// A picture the desktop has not shown within these ticks (on another workspace, say) is not waited for.
constexpr int kPictureWaitTicks = 3;

bool IsMpegAudioPath(const std::string& path) { return HasMpegInfo(std::filesystem::path(path)); }

// A segment or loop start is sought a millisecond past it, so the start itself counts as reached.
MediaTime JustAfter(std::int64_t ms) { return std::chrono::milliseconds(ms) + std::chrono::milliseconds(1); }

}  // namespace

Playback::Playback(PlaybackRecords records, PlaybackParts parts, WindowSystem& windows, FailureReporter reportFailure,
                   std::function<std::uint32_t()> randomSeed)
    : state_(records.state),
      status_(records.status),
      pending_(records.pending),
      settings_(records.settings),
      playlist_(records.playlist),
      history_(records.history),
      graph_(records.graph),
      openFile_(records.openFile),
      indexList_(records.indexList),
      editor_(records.editor),
      parts_(parts),
      windows_(windows),
      reportFailure_(std::move(reportFailure)),
      randomSeed_(std::move(randomSeed)) {}

void Playback::FollowOpenFile() {
    if (status_.mediaClosed) return;
    // The engine may be playing the prepared successor already: only this advance may keep it.
    advancingAtEnd_ = true;
    FollowOpenFileEnd();
    advancingAtEnd_ = false;
}

void Playback::FollowOpenFileEnd() {
    if (status_.segmentActive && CheckSegment()) {
        parts_.commands.Command(PlayerCommand::NextEntry);
        status_.segmentActive = false;
        // A segment that ends with the file steps on once: the file's end is the same step.
        graph_.PollGraphEvent();
        return;
    }
    if (!graph_.PollGraphEvent()) return;
    // A loop that ends with the file (the last timed line's) goes round again.
    if (parts_.abLoop.Looping() && !graph_.endedOnError) {
        graph_.SeekPosition(SeekMode::To, JustAfter(parts_.abLoop.AMs()));
        if (!paused_) graph_.Run();
        return;
    }
    if (!graph_.endedOnError) parts_.resume.Ended();
    parts_.wheel.Stop();
    parts_.keyGate.Lock(kEndLockoutTicks);
    // A file that failed on repeat one would fail again at once, for ever.
    if (EveryEntryFailedInTurn() || (status_.repeatOne && graph_.endedOnError)) {
        parts_.layout.CollapseVideoWindow();
        parts_.commands.Command(PlayerCommand::EndOfList);
    } else if (status_.repeatOne) {
        OpenIfPlaying();
    } else {
        Next();
    }
}

bool Playback::EveryEntryFailedInTurn() {
    if (!graph_.endedOnError) {
        failedEndsInTurn_ = 0;
        return false;
    }
    reportFailure_("FELUX: playback stopped on an error: " + openFile_.path + "\n");
    // Moving on would reopen a file that has just failed (a one-entry list on repeat) or go
    // round a list of failing files, once a tick, for ever.
    if (++failedEndsInTurn_ < std::max(1, playlist_.Count())) return false;
    failedEndsInTurn_ = 0;
    return true;
}

void Playback::Pause() {
    runWaitTicks_ = 0;
    graph_.Pause();
    paused_ = true;
}

void Playback::Resume() {
    runWaitTicks_ = 0;
    graph_.Run();
    paused_ = false;
}

void Playback::RunOnceShown() {
    if (runWaitTicks_ == 0) return;
    if (--runWaitTicks_ > 0 && !windows_.OnScreen(WindowId::Picture)) return;
    runWaitTicks_ = 0;
    graph_.RunGraph();
}

void Playback::TogglePause() {
    if (paused_)
        Resume();
    else
        Pause();
}

void Playback::OpenCurrent() {
    if (opensHeld_) return;
    openingBusy_ = true;
    windows_.Resize(WindowId::Main, kMainWidth, kMainHeight);
    if (openingGuard_) {
        parts_.layout.Timer().Cancel();
        openingBusy_ = false;
        return;
    }
    openingGuard_ = true;
    OpenAtCurrentIndex();
    openingGuard_ = false;
    parts_.layout.Timer().Cancel();
    openingBusy_ = false;
}

// Deletes missing entries from the current one on; true when the entry left there opens.
bool Playback::RemoveMissingEntries() {
    if (state_.editor.open) return playlist_.RemoveMissing(static_cast<std::size_t>(playlist_.currentIndex));
    const int rounds = playlist_.Count() - playlist_.currentIndex;
    for (int i = 0; i < rounds && static_cast<std::size_t>(playlist_.currentIndex) < playlist_.Size(); ++i) {
        const auto index = static_cast<std::size_t>(playlist_.currentIndex);
        if (!EntryOpens(std::string(StripSegmentSuffix(playlist_.PathAt(index))))) playlist_.RemoveAt(index);
    }
    const auto index = static_cast<std::size_t>(playlist_.currentIndex);
    return index < playlist_.Size() && EntryOpens(std::string(StripSegmentSuffix(playlist_.PathAt(index))));
}

void Playback::OpenAtCurrentIndex() {
    openFile_.infoLines.clear();
    if (playlist_.Count() == 0) return;
    parts_.layout.Timer().Start(LayoutWait::Busy);
    // The last file's graph is left for the next file's to replace, so that the engine keeps its
    // outputs from one file to the next; an open that stops short of that releases it.
    graphKeptForOpen_ = true;
    CloseMedia();
    OpenClosedAtCurrentIndex();
    if (std::exchange(graphKeptForOpen_, false)) graph_.ReleaseGraph();
}

void Playback::OpenClosedAtCurrentIndex() {
    if (settings_.maximizeOnPlay == 1 && !state_.layout.fullScreen)
        parts_.commands.Command(PlayerCommand::FullScreenToggle);
    playlist_.currentIndex = std::clamp(playlist_.currentIndex, 0, playlist_.Count() - 1);

    bool testLater = true;
    bool exists = false;
    if (settings_.keepMissingFiles != 1) {
        const std::string first(StripSegmentSuffix(playlist_.PathAt(static_cast<std::size_t>(playlist_.currentIndex))));
        if (EntryOpens(first)) {
            exists = true;
            testLater = false;
        } else {
            exists = RemoveMissingEntries();
            testLater = false;
            if (playlist_.currentIndex >= playlist_.Count()) {
                playlist_.currentIndex = 0;
                testLater = true;
            }
            // Every entry was missing: nothing is left to open.
            if (playlist_.Count() == 0) return;
        }
    }

    playlist_.currentRemoved = false;
    // The mark moves even when the entry will not open: the editor's index is the player's on
    // every tick, and a stale one would take the player back to the last file that opened.
    if (state_.editor.open) editor_.MarkCurrent(playlist_.currentIndex);

    status_.segmentActive = false;
    status_.segmentStartMs = status_.segmentEndMs = 0;
    status_.startDelay = 0;
    const std::string entry = playlist_.PathAt(static_cast<std::size_t>(playlist_.currentIndex));
    if (const auto times = ParseSegmentSuffix(entry)) {
        status_.segmentActive = true;
        status_.startDelay = kSegmentStartDelay;
        status_.segmentStartMs = times->startMs;
        status_.segmentEndMs = times->endMs;
    }
    const std::string path(StripSegmentSuffix(entry));
    openFile_.path = path;
    history_.AddToHistory(path);
    if (testLater) exists = EntryOpens(path);
    if (!exists) {
        CloseMedia();
        return;
    }
    PrepareOpenedFile(entry);
}

void Playback::PrepareOpenedFile(const std::string& entry) {
    const std::string& path = openFile_.path;
    parts_.volume.RecordOnLeave();
    parts_.wheel.Stop();

    const std::filesystem::path fsPath(path);
    openFile_.nameKey = fsPath.stem().string();
    openFile_.folder = fsPath.has_parent_path() ? fsPath.parent_path().string() + "/" : std::string();
    openFile_.audioInfo.reset();
    openFile_.tags = {};
    // Nothing on disk belongs to a stream: no tags or companion sound are looked for.
    const bool stream = IsStreamUrl(path);
    if (IsMpegAudioPath(path) && !stream) openFile_.audioInfo = ReadAudioInfo(fsPath);
    if (!path.empty()) parts_.volume.FileOpened();
    parts_.volume.TakeLoggedLevel();
    openFile_.fullEntry = entry;
    parts_.presenter.LoadIndexText();

    graphKeptForOpen_ = false;
    graph_.RecreateGraph();
    std::optional<std::string> companion;
    if (SyncPlaybackOn(settings_.syncFlags) && !stream)
        companion = FindCompanionAudio(path, settings_.syncFlags, settings_.syncSearchPath1, settings_.syncSearchPath2,
                                       EntryOpens);
    if (graph_.BeginRender(path, companion) != MediaResult::Ok) return OpenFailed();
    openingTitle_ = playlist_.TitleAt(static_cast<std::size_t>(playlist_.currentIndex));
    status_.startState = StartState::Opening;
    // An engine that is ready at once is set up within this same step.
    FollowOpening();
}

void Playback::FollowOpening() {
    if (status_.startState != StartState::Opening) return;
    const OpenStatus status = graph_.PollRender();
    if (status == OpenStatus::Pending) return;
    status_.startState = StartState::Idle;
    if (status == OpenStatus::Ready)
        FinishOpenedFile();
    else
        OpenFailed();
    parts_.layout.Timer().Cancel();
}

void Playback::OpenFailed() {
    CloseMedia();
    // Nothing plays from a graph that could not render: let it go now.
    graph_.ReleaseGraph();
    status_.hasVideo = false;
    parts_.layout.CollapseVideoWindow();
}

void Playback::FinishOpenedFile() {
    const std::filesystem::path fsPath(openFile_.path);
    status_.playbackRate = status_.chosenRate;
    const Size screen = windows_.ScreenSize();
    graph_.ProbeMedia(screen.width, screen.height);
    if (status_.playbackRate != kSpeedNormal) graph_.SetRate(RateFromPermille(status_.playbackRate));
    indexList_.SetEndMs(std::chrono::duration_cast<std::chrono::milliseconds>(graph_.duration).count());
    if (status_.segmentActive) CheckSegment();
    parts_.resume.FileOpened();
    if (graph_.audioOnly) {
        status_.hasVideo = false;
        if (!state_.layout.fullScreen) parts_.layout.CollapseVideoWindow();
    } else {
        status_.hasVideo = true;
    }
    status_.startState = StartState::Opened;
    status_.mediaClosed = false;
    paused_ = false;
    parts_.commands.Command(PlayerCommand::NewVideoSize);

    const std::string& title = openingTitle_;
    openFile_.tags = ShownTags(openFile_.audioInfo, graph_.Tags());
    openFile_.titleLine = TitleLine(title, openFile_.tags, openFile_.nameKey, graph_.duration);
    const bool ownTitle = !title.empty() && title[0] == '*';
    openFile_.trackTitle = ownTitle ? title.substr(1) : openFile_.tags.title;
    if (openFile_.trackTitle.empty()) openFile_.trackTitle = openFile_.nameKey;
    if (openFile_.audioInfo && !ownTitle) openFile_.infoLines = InformationLines(*openFile_.audioInfo, fsPath, graph_.duration);
    parts_.presenter.DrawTitleStrip();
}

void Playback::CloseMedia() {
    parts_.abLoop.Clear();
    if (!advancingAtEnd_) graph_.PrepareNext(std::nullopt);
    followerCandidate_.reset();
    if (status_.startState == StartState::Opening) {
        // Given up: the engine stops the load, and whatever it still reports of it is not news.
        status_.startState = StartState::Idle;
        graph_.ReleaseGraph();
    }
    closing_ = true;
    runWaitTicks_ = 0;
    if (!status_.mediaClosed) {
        parts_.resume.Leaving();
        parts_.volume.RecordOnLeave();
        if (!state_.layout.fullScreen) {
            parts_.layout.RememberVideoPosition();
        } else if (pending_.endOfListStop) {
            parts_.layout.LeaveFullScreen();
        }
        if (pending_.endOfListStop) parts_.layout.CollapseVideoWindow();
        graph_.ForgetPosition();
        parts_.progress.Reset();
        parts_.wheel.Stop();
        status_.mediaClosed = true;
        paused_ = false;
        status_.hasVideo = false;
        graph_.StopGraph();
        if (!graphKeptForOpen_) graph_.ReleaseGraph();
    }
    closing_ = false;
    parts_.commands.Command(PlayerCommand::MediaClosed);
}

void Playback::StartPlayback() {
    if (status_.hasVideo && !graph_.audioOnly) {
        parts_.layout.PlacePicture();
        windows_.Raise(WindowId::Video);
        parts_.layout.KeepPanelAboveVideo();
    }
    if (!paused_) {
        parts_.wheel.Stop();
        parts_.volume.Apply();
        if (settings_.secondaryMonitorFix == -1 && (settings_.overscanScaleX != 1.0 || settings_.overscanScaleY != 1.0))
            ApplySourceRect();
        // The engine draws a paused picture again as soon as its window comes on the screen, a
        // running one only with its next frame: a picture not shown yet runs once it is, so that
        // the first frame shows with the window and not up to a frame later.
        const bool pictureShown = !status_.hasVideo || graph_.audioOnly || windows_.OnScreen(WindowId::Picture);
        runWaitTicks_ = pictureShown || state_.windowMode == WindowMode::Minimised ? 0 : kPictureWaitTicks;
        if (runWaitTicks_ == 0) graph_.RunGraph();
        parts_.keyGate.Lock(kStartLockoutTicks);
    }
    status_.startState = StartState::Idle;
    if (settings_.secondaryMonitorFix == 0) {
        ApplySourceRect();
        status_.sourceRectCountdown = 1;
    } else if (settings_.secondaryMonitorFix > 0) {
        ApplySourceRect();
        // Saturated: the count of ticks comes from the settings file and may be anything.
        status_.sourceRectCountdown = settings_.secondaryMonitorFix > (INT_MAX - 1) / kSourceRectTicksPerStep
                                          ? INT_MAX
                                          : settings_.secondaryMonitorFix * kSourceRectTicksPerStep + 1;
    }
    KeepFollowerCurrent();
}

void Playback::KeepFollowerCurrent() {
    if (status_.mediaClosed || status_.startState != StartState::Idle || !graph_.audioOnly) return;
    std::optional<std::string> candidate = FollowerCandidate();
    if (candidate == followerCandidate_) return;
    followerCandidate_ = candidate;
    // One that does not open is left to Next, which reports it.
    if (candidate && !EntryOpens(*candidate)) candidate.reset();
    graph_.PrepareNext(candidate);
}

// The entry Next would open when this file ends, when it is a plain audio file the engine can
// follow on with: no segment, no companion, no reshuffle or stop at the end of the list.
// Cheap enough for every tick: it reads no file.
std::optional<std::string> Playback::FollowerCandidate() const {
    const int count = playlist_.Count();
    // Repeat one reopens the file itself and a loop goes back: no follower may play in its place.
    if (count <= 0 || status_.repeatOne || status_.segmentActive || parts_.abLoop.Looping() ||
        SyncPlaybackOn(settings_.syncFlags))
        return std::nullopt;
    const NextStep step = NextStepFromHere();
    if (step.stops) return std::nullopt;
    int next = step.target;
    if (settings_.shufflePlay != 0) {
        // A stale or reshuffled order is rebuilt by Next itself: its entry is not known yet.
        if (static_cast<int>(shuffleOrder_.size()) != count || (step.wraps && settings_.reshuffleOnWrap == 1))
            return std::nullopt;
        next = shuffleOrder_[static_cast<std::size_t>(step.target)];
    }
    const std::string entry = playlist_.PathAt(static_cast<std::size_t>(next));
    if (ParseSegmentSuffix(entry)) return std::nullopt;
    const std::string path(StripSegmentSuffix(entry));
    if (path == openFile_.path || !IsAudioExtension(std::filesystem::path(path).extension().string()))
        return std::nullopt;
    return path;
}

void Playback::ApplySourceRect() {
    const double sx = settings_.overscanScaleX;
    const double sy = settings_.overscanScaleY;
    if (sx == 1.0 && sy == 1.0) {
        graph_.SetSourceRect(std::nullopt);
        return;
    }
    graph_.SetSourceRect(OverscanSourceRect({graph_.sourceWidth, graph_.sourceHeight}, sx, sy));
}

void Playback::Shuffle() {
    shuffleOrder_.clear();
    if (playlist_.Count() <= 0) return;
    std::minstd_rand random(
        randomSeed_());
    status_.shuffleOrderCount = playlist_.Count();
    shufflePosition_ = playlist_.currentIndex;
    shuffleOrder_.resize(static_cast<std::size_t>(playlist_.Count()));
    std::iota(shuffleOrder_.begin(), shuffleOrder_.end(), 0);
    for (std::size_t i = 0; i < shuffleOrder_.size(); ++i)
        std::swap(shuffleOrder_[i], shuffleOrder_[random() % shuffleOrder_.size()]);
    if (settings_.shufflePlay != 0) playlist_.currentIndex = shuffleOrder_[0];
}

void Playback::MoveCurrent(int index) {
    playlist_.currentIndex = index;
    playlist_.currentRemoved = false;
    // Also when nothing opens: the tick takes the editor's index as the player's.
    if (state_.editor.open) editor_.MarkCurrent(index);
}

void Playback::OpenIfPlaying() {
    if (!FileUnderway()) return;
    const bool active = state_.layout.appActive;
    OpenCurrent();
    parts_.layout.SetAppActive(active);
}

void Playback::Next() {
    const int count = playlist_.Count();
    if (count <= 0) {
        CloseMedia();
        return;
    }
    const NextStep step = NextStepFromHere();
    if (settings_.shufflePlay != 0) {
        if (step.wraps && settings_.reshuffleOnWrap == 1) Shuffle();
        shufflePosition_ = step.target;
        // The order may be stale when the list changed size since it was built.
        if (static_cast<int>(shuffleOrder_.size()) != count) Shuffle();
        MoveCurrent(shuffleOrder_[static_cast<std::size_t>(step.target)]);
    } else {
        MoveCurrent(step.target);
    }
    if (!step.stops) {
        OpenIfPlaying();
        return;
    }
    parts_.layout.CollapseVideoWindow();
    if (FileUnderway()) parts_.commands.Command(PlayerCommand::EndOfList);
}

Playback::NextStep Playback::NextStepFromHere() const {
    const int count = playlist_.Count();
    // The entry that took a deleted current one's place is the next one itself.
    const int next = settings_.shufflePlay != 0 ? shufflePosition_ + 1
                     : playlist_.currentRemoved ? std::clamp(playlist_.currentIndex, 0, count - 1)
                                                : playlist_.currentIndex + 1;
    if (next < count) return {std::max(next, 0), false, false};
    return {0, true, settings_.repeatList == 0};
}

void Playback::Previous() {
    const int count = playlist_.Count();
    if (count <= 0) {
        CloseMedia();
        return;
    }
    if (settings_.shufflePlay != 0) {
        if (static_cast<int>(shuffleOrder_.size()) != count) Shuffle();
        --shufflePosition_;
        if (shufflePosition_ < 0 || shufflePosition_ >= count) shufflePosition_ = count - 1;
        MoveCurrent(shuffleOrder_[static_cast<std::size_t>(shufflePosition_)]);
    } else {
        const int previous = playlist_.currentIndex - 1;
        MoveCurrent(previous < 0 || previous >= count ? count - 1 : previous);
    }
    OpenIfPlaying();
}

std::int64_t Playback::PositionMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(graph_.LastPosition()).count();
}

bool Playback::CheckSegment() {
    const std::int64_t positionMs = PositionMs();
    if (status_.segmentStartMs >= positionMs) {
        graph_.SeekPosition(SeekMode::To, JustAfter(status_.segmentStartMs));
    } else if (positionMs < status_.segmentEndMs) {
        status_.startDelay = 0;
    } else {
        return true;
    }
    return false;
}

void Playback::MarkLaidOut() {
    if (status_.startState == StartState::Opened) status_.startState = StartState::LaidOut;
}

bool Playback::StartDelayOver() {
    status_.startDelay = std::max(0, status_.startDelay - 1);
    return status_.startDelay == 0;
}

void Playback::FollowSourceRectCountdown() {
    if (status_.sourceRectCountdown <= 0) return;
    --status_.sourceRectCountdown;
    if (status_.sourceRectCountdown % kSourceRectTicksPerStep == 0) ApplySourceRect();
    status_.sourceRectCountdown = 0;
}

void Playback::ChooseSpeed(int permille) {
    status_.chosenRate = std::clamp(permille, kSpeedMin, kSpeedMax);
    status_.playbackRate = status_.chosenRate;
    if (!status_.mediaClosed && parts_.wheel.Step() == 0) graph_.SetRate(RateFromPermille(status_.chosenRate));
}

void Playback::ToggleRepeatOne() { status_.repeatOne = !status_.repeatOne; }

void Playback::SetPlayingRate(int permille) { status_.playbackRate = permille; }

void Playback::CheckABRepeat() {
    if (status_.mediaClosed || playlist_.Count() <= 0) return;
    if (parts_.abLoop.Check(PositionMs())) graph_.SeekPosition(SeekMode::To, JustAfter(parts_.abLoop.AMs()));
}

}  // namespace felux
