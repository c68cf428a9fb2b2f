// The command table and the command step that runs its due rows in the table's order.
#include "player/CommandTable.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

#include "platform/Keys.h"
#include "player/PlaybackSpeed.h"
#include "player/Player.h"
#include "playlist/PlaySegmentSuffix.h"
#include "settings/ApplySettingsEdit.h"

namespace felux {
namespace {

template <auto Field, auto Value>
void Mark(PendingCommands& r, AnyCommand&) {
    r.*Field = Value;
}

// A held search's press: the search starts, and a tap too short for it still searches once.
template <auto Phase, OneShotSearch Direction>
void MarkSearchStart(PendingCommands& r, AnyCommand&) {
    r.*Phase = SearchPhase::Start;
    r.oneShotSearch = Direction;
}

template <auto Field, auto Value>
bool Is(const PendingCommands& r) {
    return r.*Field == Value;
}

template <auto Field>
bool Set(const PendingCommands& r) {
    return static_cast<bool>(r.*Field);
}

template <auto Field>
void Clear(PendingCommands& r) {
    r.*Field = {};
}

// Every command has one row, and no row a second.
constexpr bool EveryCommandOnce(std::span<const CommandRow> rows) {
    const auto count = [&](CommandKey key) { return std::ranges::count(rows, key, &CommandRow::key); };
    for (int c = 0; c < kPlayerCommands; ++c)
        if (count(KeyOf(static_cast<PlayerCommand>(c))) != 1) return false;
    for (std::size_t kind = 1; kind < std::variant_size_v<AnyCommand>; ++kind)
        if (count({kind, PlayerCommand{}}) != 1) return false;
    return true;
}

}  // namespace

CommandKey KeyOf(const AnyCommand& command) {
    const PlayerCommand* plain = std::get_if<PlayerCommand>(&command);
    return {command.index(), plain ? *plain : PlayerCommand{}};
}

std::span<const CommandRow> Player::CommandRows() {
    using enum PlayerCommand;
    using R = PendingCommands;
    static constexpr CommandRow kRows[] = {
        // The command step, in its order. First the panel's marks, which take back or hold what
        // waits below; the rows that read them carry them out.
        {.key = KeyOf(HoldProgress), .timing = Timing::Step, .mark = Mark<&R::progressDrag, true>},
        {.key = KeyOf(FollowProgress), .timing = Timing::Step, .mark = Mark<&R::progressDrag, false>},
        {.key = KeyOf(WithdrawPlay), .timing = Timing::Step, .mark = Mark<&R::play, false>},
        {.key = KeyOf(WithdrawPress), .timing = Timing::Step,
         .mark =
             [](R& r, AnyCommand&) {
                 r.stop = false;
                 r.pauseToggle = false;
                 r.file = FileRequest::None;
             }},
        {.key = KeyOf(WithdrawFullScreen), .timing = Timing::Step, .mark = Mark<&R::fullScreen, false>},
        {.key = KeyOf(ClearBackSearch), .timing = Timing::Step, .mark = Mark<&R::rewind, SearchPhase::Idle>},
        {.key = KeyOf(ClearForwardSearch), .timing = Timing::Step, .mark = Mark<&R::fastForward, SearchPhase::Idle>},
        {.key = KeyOf(WheelNotchForward), .timing = Timing::Step, .mark = Mark<&R::wheelNotch, 1>},
        {.key = KeyOf(WheelNotchBack), .timing = Timing::Step, .mark = Mark<&R::wheelNotch, -1>},
        {.key = kNoCommand, .timing = Timing::Own,
         .run = [](Player& p, R& r) { p.wheel.TakeNotch(std::exchange(r.wheelNotch, std::nullopt)); }},
        {.key = KeyOf(EndOfList), .timing = Timing::Step, .mark = Mark<&R::endOfListStop, true>},
        // Any close, here or elsewhere, leaves nothing for a waiting STOP to close.
        {.key = KeyOf(MediaClosed), .timing = Timing::Step,
         .mark =
             [](R& r, AnyCommand&) {
                 r.stop = false;
                 r.endOfListStop = false;
             }},
        {.key = KeyOf(Stop), .timing = Timing::Step, .mark = Mark<&R::stop, true>,
         .due = [](const R& r) { return r.stop || r.endOfListStop; }, .clear = Clear<&R::stop>,
         .run =
             [](Player& p, R& r) {
                 // Marked as the end of the list so that closing also collapses the video window.
                 r.endOfListStop = true;
                 p.playback.CloseMedia();
             }},
        {.key = KeyOf(OpenFile), .timing = Timing::Step, .mark = Mark<&R::file, FileRequest::OpenDialog>,
         .due = Is<&R::file, FileRequest::OpenDialog>, .clear = Clear<&R::file>,
         .run = [](Player& p, R&) { p.editorBridge.OpenFileCommand(); }},
        {.key = KeyOf(EditorToggle), .timing = Timing::Step, .mark = Mark<&R::file, FileRequest::EditorToggle>,
         .due = Is<&R::file, FileRequest::EditorToggle>, .clear = Clear<&R::file>,
         .run = [](Player& p, R&) { p.editorBridge.Toggle(); }},
        {.key = kNoCommand, .timing = Timing::Own,
         .run =
             [](Player& p, R&) {
                 if (p.wheel.UseVideoOnlyNotch(p.state.windowMode == WindowMode::VideoOnly, p.videoInput.WheelNotch()))
                     p.videoInput.ClearWheel();
             }},
        {.key = kNoCommand, .timing = Timing::Own, .run = [](Player& p, R&) { p.wheel.DecideFrameStep(); }},
        {.key = KeyOf(Settings), .timing = Timing::Step, .mark = Mark<&R::settings, true>, .due = Set<&R::settings>,
         .clear = Clear<&R::settings>, .run = [](Player& p, R&) { p.settingsBridge.Open(); }},
        {.key = KeyOf(Play), .timing = Timing::Step, .mark = Mark<&R::play, true>, .due = Set<&R::play>,
         .clear = Clear<&R::play>,
         .run =
             [](Player& p, R&) {
                 p.wheel.WindBack();
                 if (!p.state.playback.mediaClosed) {
                     if (p.playback.Paused()) p.playback.Resume();
                 } else if (p.state.playback.startState != StartState::Opening) {
                     // A file being opened plays once it is open.
                     if (p.settings.reshuffleOnWrap == 1) p.playback.Shuffle();
                     p.playback.OpenCurrent();
                 }
             }},
        {.key = KeyOf(ShuffleToggle), .timing = Timing::Step, .mark = Mark<&R::shuffleToggle, true>,
         .due = Set<&R::shuffleToggle>, .clear = Clear<&R::shuffleToggle>,
         .run =
             [](Player& p, R&) {
                 if (p.settings.shufflePlay == 0) {
                     p.settings.shufflePlay = 1;
                     p.playback.Shuffle();
                 } else {
                     p.settings.shufflePlay = 0;
                 }
             }},
        {.key = KeyOf(RepeatToggle), .timing = Timing::Step, .mark = Mark<&R::repeatToggle, true>,
         .due = Set<&R::repeatToggle>, .clear = Clear<&R::repeatToggle>,
         .run = [](Player& p, R&) { p.settings.repeatList = p.settings.repeatList == 0 ? 1 : 0; }},
        {.key = KeyOf(PlaySelected), .timing = Timing::Step, .mark = Mark<&R::playSelected, true>,
         .due = Set<&R::playSelected>, .clear = Clear<&R::playSelected>,
         .run =
             [](Player& p, R&) {
                 p.playback.CloseMedia();
                 p.playback.OpenCurrent();
             }},
        {.key = KeyOf(NextEntry), .timing = Timing::Step, .mark = Mark<&R::fastForward, SearchPhase::StepEntry>,
         .due = Is<&R::fastForward, SearchPhase::StepEntry>, .clear = Clear<&R::fastForward>,
         .run = [](Player& p, R&) { p.playback.Next(); }},
        {.key = KeyOf(PreviousEntry), .timing = Timing::Step, .mark = Mark<&R::rewind, SearchPhase::StepEntry>,
         .due = Is<&R::rewind, SearchPhase::StepEntry>, .clear = Clear<&R::rewind>,
         .run = [](Player& p, R&) { p.playback.Previous(); }},
        {.key = KeyOf(VolumeChanged), .timing = Timing::Step, .mark = Mark<&R::volumeChanged, true>,
         .due = Set<&R::volumeChanged>, .clear = Clear<&R::volumeChanged>,
         .run = [](Player& p, R&) { p.volume.Apply(); }},
        // At the step, so that a seek asked for a file that closes first means nothing for the next one.
        {.key = KeyOf<SeekTo>(), .timing = Timing::Step,
         .mark = [](R& r, AnyCommand& c) { r.seekTo = std::get<SeekTo>(c).position; },
         .due = Set<&R::seekTo>,
         .run =
             [](Player& p, R& r) {
                 const MediaTime position = *std::exchange(r.seekTo, std::nullopt);
                 if (!p.state.playback.mediaClosed) p.graph.SeekPosition(SeekMode::To, position);
             }},
        {.key = KeyOf(NewVideoSize), .timing = Timing::Step, .whileOpen = true, .mark = Mark<&R::newVideoSize, true>,
         .due = Set<&R::newVideoSize>, .clear = Clear<&R::newVideoSize>,
         .run =
             [](Player& p, R&) {
                 const int widthBefore = p.state.layout.videoDisplayWidth;
                 const int heightBefore = p.state.layout.videoDisplayHeight;
                 p.layout.ComputeVideoSize(false);
                 p.layout.ApplyVideoRegions();
                 if (!p.layout.Timer().Running() && !p.graph.audioOnly && p.graph.Created())
                     p.layout.Timer().Start(LayoutWait::NewSize);
                 // A new file shown at the size of the last one: its windows are in place already, so
                 // it starts now instead of after the wait for a reshaped window.
                 if (p.state.playback.startState == StartState::Opened && widthBefore == p.state.layout.videoDisplayWidth &&
                     heightBefore == p.state.layout.videoDisplayHeight)
                     p.LayoutStep();
             }},
        {.key = kNoCommand, .timing = Timing::Own, .whileOpen = true,
         .run =
             [](Player& p, R&) {
                 if (++p.state.searchTick > p.settings.searchWait) p.state.searchTick = 0;
             }},
        {.key = KeyOf(PauseToggle), .timing = Timing::Step, .whileOpen = true, .mark = Mark<&R::pauseToggle, true>,
         .due = Set<&R::pauseToggle>, .clear = Clear<&R::pauseToggle>,
         .run =
             [](Player& p, R&) {
                 p.wheel.WindBack();
                 if (p.wheel.Step() == 0)
                     p.playback.TogglePause();
                 else if (!p.playback.Paused())
                     p.playback.Pause();
             }},
        // A held search's phases: the press, the release, and the one search of a short tap.
        {.key = KeyOf(SearchForwardStart), .timing = Timing::Step,
         .mark = MarkSearchStart<&R::fastForward, OneShotSearch::Forward>},
        {.key = KeyOf(SearchForwardEnd), .timing = Timing::Step, .mark = Mark<&R::fastForward, SearchPhase::Released>},
        {.key = kNoCommand, .timing = Timing::Own, .whileOpen = true,
         .run =
             [](Player& p, R& r) {
                 p.RunSearch(r.fastForward, p.panelButtons.held.next, OneShotSearch::Forward, SeekMode::Forward,
                             p.settings.searchSpeedPlayFF, p.settings.searchSpeedPauseFF);
             }},
        {.key = KeyOf(SearchBackStart), .timing = Timing::Step,
         .mark = MarkSearchStart<&R::rewind, OneShotSearch::Back>},
        {.key = KeyOf(SearchBackEnd), .timing = Timing::Step, .mark = Mark<&R::rewind, SearchPhase::Released>},
        {.key = kNoCommand, .timing = Timing::Own, .whileOpen = true,
         .run =
             [](Player& p, R& r) {
                 p.RunSearch(r.rewind, p.panelButtons.held.back, OneShotSearch::Back, SeekMode::Backward,
                             p.settings.searchSpeedPlayRew, p.settings.searchSpeedPauseRew);
             }},
        {.key = KeyOf(FrameForward), .timing = Timing::Step, .mark = Mark<&R::frameStep, FrameStep::Forward>},
        {.key = KeyOf(FrameBack), .timing = Timing::Step, .mark = Mark<&R::frameStep, FrameStep::Back>},
        {.key = kNoCommand, .timing = Timing::Own, .whileOpen = true,
         .run =
             [](Player& p, R& r) {
                 if (p.wheel.RunFrameStep(r.frameStep)) r.frameStep = FrameStep::None;
             }},
        {.key = KeyOf(PlayPause), .timing = Timing::Step, .mark = Mark<&R::playPause, true>},
        {.key = kNoCommand, .timing = Timing::Own, .whileOpen = true,
         .run =
             [](Player& p, R& r) {
                 if (p.wheel.RunWheelSteps(r.playPause)) r.playPause = false;
             }},
        // The progress bar follows the position, unless it was dragged this tick.
        {.key = kNoCommand, .timing = Timing::Own, .whileOpen = true,
         .run =
             [](Player& p, R& r) {
                 if (std::exchange(r.progressDrag, false)) return;
                 p.graph.RefreshPosition();
                 p.progressBar.Follow(p.graph.LastPosition(), p.graph.duration);
             }},
        {.key = KeyOf(FullScreenToggle), .timing = Timing::Step, .mark = Mark<&R::fullScreen, true>},
        {.key = kNoCommand, .timing = Timing::Own,
         .run = [](Player& p, R& r) { p.layout.FullScreenStep(std::exchange(r.fullScreen, false)); }},

        // The commands that act when raised.
        {.key = KeyOf(ZoomIn), .timing = Timing::Now, .act = [](Player& p, AnyCommand&) { p.layout.ZoomStep(1); }},
        {.key = KeyOf(ZoomOut), .timing = Timing::Now, .act = [](Player& p, AnyCommand&) { p.layout.ZoomStep(-1); }},
        {.key = KeyOf(AspectChange), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.layout.AspectChanged(); }},
        {.key = KeyOf(LyricsToggle), .timing = Timing::Now,
         .act =
             [](Player& p, AnyCommand&) {
                 p.settings.lyricsBelowVideo = p.settings.lyricsBelowVideo == 0 ? 1 : 0;
                 p.partCommands_.Command(NewVideoSize);
             }},
        {.key = KeyOf(LyricsViewToggle), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.layout.LyricsViewToggle(); }},
        {.key = KeyOf(AudioTrackNext), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.tracks.StepTrack(TrackKind::Audio); }},
        {.key = KeyOf(SubtitleTrackNext), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.tracks.StepTrack(TrackKind::Subtitle); }},
        {.key = KeyOf(ChapterNext), .timing = Timing::Now, .act = [](Player& p, AnyCommand&) { p.tracks.StepChapter(1); }},
        {.key = KeyOf(ChapterPrevious), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.tracks.StepChapter(-1); }},
        {.key = KeyOf(LineLoopToggle), .timing = Timing::Now, .act = [](Player& p, AnyCommand&) { p.lines.ToggleLoop(); }},
        {.key = KeyOf(LineNext), .timing = Timing::Now, .act = [](Player& p, AnyCommand&) { p.lines.Step(1); }},
        {.key = KeyOf(LinePrevious), .timing = Timing::Now, .act = [](Player& p, AnyCommand&) { p.lines.Step(-1); }},
        {.key = KeyOf(Minimise), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.EnterWindowMode(WindowMode::Minimised); }},
        {.key = KeyOf(VideoOnly), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.EnterWindowMode(WindowMode::VideoOnly); }},
        {.key = KeyOf(Quit), .timing = Timing::Now, .act = [](Player& p, AnyCommand&) { p.state.exitRequested = true; }},
        {.key = KeyOf(RepeatOneToggle), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.playback.ToggleRepeatOne(); }},
        {.key = KeyOf(SpeedDown), .timing = Timing::Now,
         .act =
             [](Player& p, AnyCommand&) {
                 p.playback.ChooseSpeed(p.state.playback.playbackRate - kSpeedStep);
             }},
        {.key = KeyOf(SpeedUp), .timing = Timing::Now,
         .act =
             [](Player& p, AnyCommand&) {
                 p.playback.ChooseSpeed(p.state.playback.playbackRate + kSpeedStep);
             }},
        {.key = KeyOf(SpeedNormal), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.playback.ChooseSpeed(kSpeedNormal); }},
        {.key = KeyOf(MouseVolumeChanged), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.layout.MouseVolumeChanged(); }},
        {.key = KeyOf(StopWheelSeek), .timing = Timing::Now, .act = [](Player& p, AnyCommand&) { p.wheel.Stop(); }},
        {.key = KeyOf(VideoRegionsChanged), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.layout.VideoRegionsChanged(); }},
        {.key = KeyOf(ScanLinePatternChanged), .timing = Timing::Now,
         .act =
             [](Player& p, AnyCommand&) {
                 p.playback.ApplySourceRect();
                 p.layout.VideoRegionsChanged();
             }},
        {.key = KeyOf(ApplyOverscan), .timing = Timing::Now,
         .act =
             [](Player& p, AnyCommand&) {
                 p.playback.ApplySourceRect();
                 p.partCommands_.Command(NewVideoSize);
             }},
        {.key = KeyOf(SearchIndicatorBack), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.panelButtons.held.back = true; }},
        {.key = KeyOf(SearchIndicatorForward), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.panelButtons.held.next = true; }},
        {.key = KeyOf(CheckABRepeat), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.playback.CheckABRepeat(); }},
        {.key = KeyOf(AppendSegmentEntry), .timing = Timing::Now,
         .act =
             [](Player& p, AnyCommand&) {
                 felux::AppendSegmentEntry(p.playlist, p.openFile.path, p.abLoop.AMs(), p.abLoop.BMs());
             }},
        {.key = KeyOf(StartWindowMove), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.ports_.windows.StartSystemMove(WindowId::Main); }},
        {.key = KeyOf(MainWindowDoubleClick), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand&) { p.OnMainDoubleClick(); }},
        // Keys are recorded for all of the player's windows alike, so no window has to hold the
        // focus for them: there is nothing to hand back.
        {.key = KeyOf(FocusReset), .timing = Timing::Now, .act = [](Player&, AnyCommand&) {}},

        // The commands that carry a value and act when raised.
        {.key = KeyOf<SetVolume>(), .timing = Timing::Now,
         .act =
             [](Player& p, AnyCommand& c) {
                 const int level = std::get<SetVolume>(c).level;
                 if (level == p.volume.Level()) return;
                 p.volume.SetLevel(level);
                 AnyCommand changed = PlayerCommand::VolumeChanged;
                 p.Dispatch(changed);
             }},
        {.key = KeyOf<SetSpeed>(), .timing = Timing::Now,
         .act =
             [](Player& p, AnyCommand& c) {
                 p.playback.ChooseSpeed(std::get<SetSpeed>(c).permille);
             }},
        {.key = KeyOf<HandInFiles>(), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand& c) { p.HandIn(std::get<HandInFiles>(c)); }},
        // Answers taken up at the next tick, in the tick's own order.
        {.key = KeyOf<ChooseMenuItem>(), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand& c) { p.popups.Chosen(std::get<ChooseMenuItem>(c).id); }},
        {.key = KeyOf<ChooseFile>(), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand& c) { p.editorBridge.FileChosen(std::move(std::get<ChooseFile>(c).path)); }},
        {.key = KeyOf<CloseSettings>(), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand& c) { p.settingsBridge.Closed(std::get<CloseSettings>(c).result); }},
        {.key = KeyOf<EditorCommand>(), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand& c) { p.RunEditorCommand(std::get<EditorCommand>(c).action); }},
        {.key = KeyOf<EditorResized>(), .timing = Timing::Now,
         .act =
             [](Player& p, AnyCommand& c) {
                 const auto& size = std::get<EditorResized>(c);
                 p.editor.OnResize(size.width, size.height);
             }},
        {.key = KeyOf<EditTitle>(), .timing = Timing::Now,
         .act =
             [](Player& p, AnyCommand& c) {
                 const auto& edit = std::get<EditTitle>(c);
                 p.editor.SetTitle(edit.row, edit.title);
             }},
        {.key = KeyOf<SetLiveLevel>(), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand& c) { p.volume.SetLevel(std::get<SetLiveLevel>(c).level); }},
        {.key = KeyOf<ShowMenu>(), .timing = Timing::Now,
         .act =
             [](Player& p, AnyCommand& c) {
                 const auto& menu = std::get<ShowMenu>(c);
                 p.popups.Show(menu.menu, menu.at);
             }},
        {.key = KeyOf<AskMenu>(), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand& c) { p.keyboard.RequestMenu(std::get<AskMenu>(c).menu); }},
        {.key = KeyOf<ReleaseButton>(), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand& c) { p.ports_.keys.Release(vk::ButtonKey(std::get<ReleaseButton>(c).button)); }},
        {.key = KeyOf<SetRate>(), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand& c) { p.graph.SetRate(RateFromPermille(std::get<SetRate>(c).permille)); }},
        {.key = KeyOf<SetPlayingRate>(), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand& c) { p.playback.SetPlayingRate(std::get<SetPlayingRate>(c).permille); }},
        {.key = KeyOf<ScrubTo>(), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand& c) { p.graph.SeekPosition(SeekMode::To, std::get<ScrubTo>(c).position); }},
        {.key = KeyOf<EditSettings>(), .timing = Timing::Now,
         .act = [](Player& p, AnyCommand& c) { ApplySettingsEdit(p.settings, std::get<EditSettings>(c).edit); }},
    };
    static_assert(EveryCommandOnce(kRows));
    return kRows;
}

const CommandRow& RowOf(const AnyCommand& command) {
    const std::span<const CommandRow> rows = Player::CommandRows();
    const auto row = std::ranges::find(rows, KeyOf(command), &CommandRow::key);
    if (row == rows.end()) std::abort();  // the table holds every command: checked as it is built
    return *row;
}

void Player::Command(AnyCommand command) {
    Dispatch(command);
    // A remote's, a dialog's or the hand-over's command is carried out by a tick brought forward,
    // not 20 ms later on average; the tick's own inputs are in the tick already.
    if (!inTick_ && ports_.wake) ports_.wake();
}

void Player::Dispatch(AnyCommand& command) {
    const CommandRow& row = RowOf(command);
    if (row.timing == Timing::Now)
        row.act(*this, command);
    else
        row.mark(pending_, command);
}

void Player::CommandStep() {
    std::optional<bool> open;
    for (const CommandRow& row : CommandRows()) {
        if (!row.run) continue;
        if (row.whileOpen) {
            if (!open) open = !state.playback.mediaClosed;
            if (!*open) continue;
        }
        if (row.due && !row.due(pending_)) continue;
        if (row.clear) row.clear(pending_);
        row.run(*this, pending_);
    }
}

}  // namespace felux
