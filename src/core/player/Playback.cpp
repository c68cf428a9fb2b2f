// Opening, closing and starting files, moving through the playlist, play segments and A-B loops.
#include <algorithm>
#include <chrono>
#include <climits>
#include <numeric>
#include <random>

#include "engine/CompanionAudio.h"
#include "player/MainPlayerDlg.h"
#include "player/TitleLine.h"
#include "playlist/PlaySegmentSuffix.h"
#include "video/Overscan.h"

namespace felux {
namespace {

constexpr int kOpenLayoutCountdown = 50;
constexpr int kSegmentStartDelay = 50;
constexpr int kNewFileDisplayTicks = 35;
constexpr std::int64_t kAbMinimumMs = 16;

bool IsMpegAudioPath(const std::string& path) { return HasMpegInfo(std::filesystem::path(path)); }

}  // namespace

void MainPlayerDlg::CreateGraph() { graph.CreateGraph(); }

int MainPlayerDlg::PollGraphEvent() { return graph.PollGraphEvent() ? 1 : 0; }

void MainPlayerDlg::CollapseVideoWindow() {
    ports_.windows.Place(WindowId::Video, {settings.videoWindowX, settings.videoWindowY, 0, 0}, true,
                         Stacking::Keep);
}

void MainPlayerDlg::OpenCurrent() {
    // A drop that replaces the list opens its first entry itself once the scan is done.
    if (drop_.Running() && dropReplaces_ && dropTarget_ == DropTarget::Main) return;
    openingBusy_ = true;
    ports_.windows.Resize(WindowId::Main, kMainWidth, kMainHeight);
    if (openingGuard_) {
        state.layoutCountdown = 0;
        openingBusy_ = false;
        return;
    }
    openingGuard_ = true;
    OpenAtCurrentIndex();
    openingGuard_ = false;
    state.layoutCountdown = 0;
    openingBusy_ = false;
}

// Deletes missing entries from the current one on; true when the entry left there opens.
bool MainPlayerDlg::RemoveMissingEntries() {
    if (state.editorOpen != 0) return playlist.RemoveMissing(static_cast<std::size_t>(playlist.currentIndex));
    const int rounds = playlist.count - playlist.currentIndex;
    for (int i = 0; i < rounds && static_cast<std::size_t>(playlist.currentIndex) < playlist.Size(); ++i) {
        const auto index = static_cast<std::size_t>(playlist.currentIndex);
        if (!EntryOpens(std::string(StripSegmentSuffix(playlist.PathAt(index))))) playlist.RemoveAt(index);
    }
    const auto index = static_cast<std::size_t>(playlist.currentIndex);
    return index < playlist.Size() && EntryOpens(std::string(StripSegmentSuffix(playlist.PathAt(index))));
}

void MainPlayerDlg::OpenAtCurrentIndex() {
    playlist.RefreshCount();
    openFile.infoLines.clear();
    if (playlist.count == 0) return;
    state.layoutCountdown = kOpenLayoutCountdown;
    CloseMedia();
    if (settings.maximizeOnPlay == 1 && state.fullScreen == 0) state.requests.fullScreen = true;
    playlist.currentIndex = std::clamp(playlist.currentIndex, 0, playlist.count - 1);

    bool testLater = true;
    bool exists = false;
    if (settings.keepMissingFiles != 1) {
        const std::string first(StripSegmentSuffix(playlist.PathAt(static_cast<std::size_t>(playlist.currentIndex))));
        if (EntryOpens(first)) {
            exists = true;
            testLater = false;
        } else {
            exists = RemoveMissingEntries();
            testLater = false;
            playlist.RefreshCount();
            if (playlist.currentIndex >= playlist.count) {
                playlist.currentIndex = 0;
                testLater = true;
            }
            // Every entry was missing: nothing is left to open.
            if (playlist.count == 0) return;
        }
    }

    playlist.currentRemoved = false;
    // The mark moves even when the entry will not open: the editor's index is the player's on
    // every tick, and a stale one would take the player back to the last file that opened.
    if (state.editorOpen != 0) MarkEditorCurrent(playlist.currentIndex);

    state.segmentActive = false;
    state.segmentStartMs = state.segmentEndMs = 0;
    state.startDelay = 0;
    const std::string entry = playlist.PathAt(static_cast<std::size_t>(playlist.currentIndex));
    if (const auto times = ParseSegmentSuffix(entry)) {
        state.segmentActive = true;
        state.startDelay = kSegmentStartDelay;
        state.segmentStartMs = times->startMs;
        state.segmentEndMs = times->endMs;
    }
    const std::string path(StripSegmentSuffix(entry));
    openFile.path = path;
    history.AddToHistory(path);
    if (testLater) exists = EntryOpens(path);
    if (!exists) {
        CloseMedia();
        return;
    }
    PrepareOpenedFile(entry);
}

void MainPlayerDlg::PrepareOpenedFile(const std::string& entry) {
    const std::string& path = openFile.path;
    VolumeLogMode(VolumeMode::RecordOnLeave);
    state.wheelStep = 0;

    const std::filesystem::path fsPath(path);
    openFile.nameKey = fsPath.stem().string();
    openFile.folder = fsPath.has_parent_path() ? fsPath.parent_path().string() + "/" : std::string();
    openFile.audioInfo.reset();
    if (IsMpegAudioPath(path)) openFile.audioInfo = ReadAudioInfo(fsPath);
    if (!path.empty()) openedOnce = true;
    VolumeLogMode(VolumeMode::LookUp);
    openFile.fullEntry = entry;
    LoadIndexText();

    graph.ReleaseGraph();
    CreateGraph();
    MediaResult rendered;
    if (!SyncPlaybackOn(settings.syncFlags)) {
        rendered = graph.RenderMedia(path, {}, 0);
    } else {
        const auto companion = FindCompanionAudio(path, settings.syncFlags, settings.syncSearchPath1,
                                                  settings.syncSearchPath2, EntryOpens);
        rendered = graph.RenderMedia(path, companion.value_or(std::string()), companion ? 1 : 0);
    }
    if (rendered < 0) {
        CloseMedia();
        // Nothing plays from a graph that could not render: let it go now.
        graph.ReleaseGraph();
        state.hasVideo = 0;
        CollapseVideoWindow();
        return;
    }

    state.playbackRate = 1000;
    const Size screen = ports_.windows.ScreenSize();
    graph.ProbeMedia(screen.width, screen.height);
    indexList.SetEndMs(graph.duration / kUnitsPerMillisecond);
    if (state.segmentActive) CheckSegment();
    if (graph.audioOnly != 0) {
        state.hasVideo = 0;
        if (state.fullScreen == 0) CollapseVideoWindow();
    } else {
        state.hasVideo = 1;
    }
    state.startState = 1;
    state.mediaClosed = 0;
    state.paused = 0;
    state.requests.newVideoSize = true;
    state.newFileDisplayTimer = kNewFileDisplayTicks;

    const std::string title = playlist.TitleAt(static_cast<std::size_t>(playlist.currentIndex));
    const std::optional<Id3Tag> tag =
        openFile.audioInfo ? std::optional<Id3Tag>(openFile.audioInfo->tag) : std::nullopt;
    openFile.titleLine = TitleLine(title, tag, openFile.nameKey, graph.duration);
    const bool ownTitle = !title.empty() && title[0] == '*';
    openFile.trackTitle = ownTitle ? title.substr(1) : tag ? tag->title : std::string();
    if (openFile.trackTitle.empty()) openFile.trackTitle = openFile.nameKey;
    if (openFile.audioInfo && !ownTitle) openFile.infoLines = InformationLines(*openFile.audioInfo, fsPath, graph.duration);
    DrawTitleStrip();
}

void MainPlayerDlg::CloseMedia() {
    state.abState = 0;
    state.abA = state.abB = 0;
    closing_ = true;
    if (state.mediaClosed == 0) {
        VolumeLogMode(VolumeMode::RecordOnLeave);
        if (state.fullScreen == 0) {
            RememberVideoPosition();
        } else if (state.requests.endOfListStop) {
            LeaveFullScreen();
        }
        if (state.requests.endOfListStop) CollapseVideoWindow();
        graph.currentPosition = 0;
        state.progress = 0;
        state.wheelStep = 0;
        state.mediaClosed = 1;
        state.paused = 0;
        state.hasVideo = 0;
        graph.StopGraph();
        graph.ReleaseGraph();
    }
    closing_ = false;
    state.requests.endOfListStop = false;
    state.requests.stop = false;
}

void MainPlayerDlg::StartPlayback() {
    if (state.hasVideo == 1 && graph.audioOnly == 0) {
        SetVideoWindowPosition();
        ports_.windows.Raise(WindowId::Video);
        KeepPanelAboveVideo();
    }
    if (state.paused == 0) {
        state.wheelStep = 0;
        ApplyVolume();
        if (settings.secondaryMonitorFix == -1 && (settings.overscanScaleX != 1.0 || settings.overscanScaleY != 1.0))
            ApplySourceRect();
        graph.RunGraph();
        state.keyWaitTicks = 18;
    }
    state.startState = 0;
    if (settings.secondaryMonitorFix == 0) {
        ApplySourceRect();
        state.sourceRectCountdown = 1;
    } else if (settings.secondaryMonitorFix > 0) {
        ApplySourceRect();
        // Saturated: the count of ticks comes from the settings file and may be anything.
        constexpr int kTicksPerStep = 5;
        state.sourceRectCountdown = settings.secondaryMonitorFix > (INT_MAX - 1) / kTicksPerStep
                                        ? INT_MAX
                                        : settings.secondaryMonitorFix * kTicksPerStep + 1;
    }
}

void MainPlayerDlg::ApplySourceRect() {
    const double sx = settings.overscanScaleX;
    const double sy = settings.overscanScaleY;
    if (sx == 1.0 && sy == 1.0) {
        graph.SetSourceRect(std::nullopt);
        return;
    }
    graph.SetSourceRect(OverscanSourceRect({graph.sourceWidth, graph.sourceHeight}, sx, sy));
}

void MainPlayerDlg::Shuffle() {
    shuffleOrder.clear();
    if (playlist.count <= 0) return;
    std::minstd_rand random(
        static_cast<std::uint_fast32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    state.shuffleOrderCount = playlist.count;
    shufflePosition = playlist.currentIndex;
    shuffleOrder.resize(static_cast<std::size_t>(playlist.count));
    std::iota(shuffleOrder.begin(), shuffleOrder.end(), 0);
    for (std::size_t i = 0; i < shuffleOrder.size(); ++i)
        std::swap(shuffleOrder[i], shuffleOrder[random() % shuffleOrder.size()]);
    if (settings.shufflePlay != 0) playlist.currentIndex = shuffleOrder[0];
}

void MainPlayerDlg::MoveCurrent(int index) {
    playlist.currentIndex = index;
    playlist.currentRemoved = false;
    // Also when nothing opens: the tick takes the editor's index as the player's.
    if (state.editorOpen != 0) MarkEditorCurrent(index);
}

void MainPlayerDlg::OpenIfPlaying() {
    if (state.mediaClosed != 0) return;
    const int active = state.appActive;
    OpenCurrent();
    state.appActive = active;
}

void MainPlayerDlg::Next() {
    const int count = playlist.count;
    if (count <= 0) {
        CloseMedia();
        return;
    }
    // The order may be stale when the list changed size since it was built.
    auto orderAt = [this, count](int position) {
        if (static_cast<int>(shuffleOrder.size()) != count) Shuffle();
        return shuffleOrder[static_cast<std::size_t>(std::clamp(position, 0, count - 1))];
    };
    if (settings.shufflePlay != 0) {
        ++shufflePosition;
        if (settings.repeatList != 0) {
            if (shufflePosition >= count) {
                if (settings.reshuffleOnWrap == 1) Shuffle();
                shufflePosition = 0;
            }
            MoveCurrent(orderAt(shufflePosition));
            OpenIfPlaying();
        } else if (shufflePosition < count) {
            MoveCurrent(orderAt(shufflePosition));
            OpenIfPlaying();
        } else {
            if (settings.reshuffleOnWrap == 1) Shuffle();
            shufflePosition = 0;
            CollapseVideoWindow();
            if (state.mediaClosed == 0) state.requests.endOfListStop = true;
            MoveCurrent(orderAt(0));
        }
        return;
    }
    // The entry that took a deleted current one's place is the next one itself.
    const int next =
        playlist.currentRemoved ? std::clamp(playlist.currentIndex, 0, count - 1) : playlist.currentIndex + 1;
    if (settings.repeatList != 0) {
        MoveCurrent(next >= count ? 0 : next);
        OpenIfPlaying();
    } else if (next >= count) {
        MoveCurrent(0);
        CollapseVideoWindow();
        if (state.mediaClosed == 0) state.requests.endOfListStop = true;
    } else {
        MoveCurrent(next);
        OpenIfPlaying();
    }
}

void MainPlayerDlg::Previous() {
    const int count = playlist.count;
    if (count <= 0) {
        CloseMedia();
        return;
    }
    if (settings.shufflePlay != 0) {
        if (static_cast<int>(shuffleOrder.size()) != count) Shuffle();
        --shufflePosition;
        if (shufflePosition < 0 || shufflePosition >= count) shufflePosition = count - 1;
        MoveCurrent(shuffleOrder[static_cast<std::size_t>(shufflePosition)]);
    } else {
        const int previous = playlist.currentIndex - 1;
        MoveCurrent(previous < 0 || previous >= count ? count - 1 : previous);
    }
    OpenIfPlaying();
}

bool MainPlayerDlg::CheckSegment() {
    const std::int64_t positionMs = graph.currentPosition / kUnitsPerMillisecond;
    if (state.segmentStartMs >= positionMs) {
        graph.SeekPosition(0, state.segmentStartMs * kUnitsPerMillisecond + kUnitsPerMillisecond);
    } else if (positionMs < state.segmentEndMs) {
        state.startDelay = 0;
    } else {
        return true;
    }
    return false;
}

void MainPlayerDlg::CheckABRepeat() {
    if (state.mediaClosed != 0 || playlist.count <= 0) return;
    const std::int64_t positionMs = graph.currentPosition / kUnitsPerMillisecond;
    switch (state.abState) {
        case 1:
            state.abA = positionMs;
            state.abState = 2;
            break;
        case 3:
            state.abB = positionMs;
            if (state.abB >= state.abA + kAbMinimumMs) {
                state.abState = 4;
            } else if (state.abA >= state.abB + kAbMinimumMs) {
                std::swap(state.abA, state.abB);
                state.abState = 4;
            } else {
                state.abState = 2;
            }
            break;
        case 4:
            if (!(state.abA < positionMs && positionMs < state.abB))
                graph.SeekPosition(0, state.abA * kUnitsPerMillisecond + kUnitsPerMillisecond);
            break;
        default:
            break;
    }
}

}  // namespace felux
