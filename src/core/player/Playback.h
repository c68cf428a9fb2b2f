// The open file's life: opening, starting and closing it, moving through the playlist, segments and A-B loops.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/MediaGraph.h"
#include "model/InputCommand.h"
#include "model/InputGate.h"
#include "model/PendingCommands.h"
#include "model/AbLoop.h"
#include "model/PlayerState.h"
#include "model/ProgressBar.h"
#include "platform/MediaEngine.h"
#include "platform/WindowSystem.h"
#include "player/OpenFile.h"
#include "player/PanelPresenter.h"
#include "player/ResumeMemory.h"
#include "player/VideoLayout.h"
#include "player/VolumeControl.h"
#include "playlist/History.h"
#include "playlist/IndexList.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistEditor.h"
#include "settings/PlayerSettings.h"
#include "wheel/WheelSeek.h"

namespace felux {

// What playing a file reads and changes beyond its own state.
struct PlaybackRecords {
    const PlayerState& state;
    PlaybackStatus& status;  // Playback's own
    const PendingCommands& pending;  // read: whether a close is the list's end
    const PlayerSettings& settings;
    Playlist& playlist;
    History& history;
    MediaGraph& graph;
    OpenFile& openFile;
    IndexList& indexList;
    PlaylistEditor& editor;
};

// The parts playing a file drives.
struct PlaybackParts {
    VolumeControl& volume;
    ResumeMemory& resume;
    VideoLayout& layout;
    PanelPresenter& presenter;
    InputGate& keyGate;
    WheelSeek& wheel;
    AbLoop& abLoop;
    ProgressBar& progress;
    CommandSink& commands;  // what waits for the player's command step
};

class Playback {
public:
    Playback(PlaybackRecords records, PlaybackParts parts, WindowSystem& windows, FailureReporter reportFailure,
             std::function<std::uint32_t()> randomSeed);

    // Opens the current entry, unless an open is under way or opens are held.
    void OpenCurrent();
    // Takes the engine's news of an open under way: once it is ready the file is set up to
    // start, or closed when it failed. Nothing to do without one.
    void FollowOpening();
    // Closes the open file, or gives up the open under way.
    void CloseMedia();
    void StartPlayback();
    void Next();
    void Previous();
    // The current entry becomes index, and the editor's mark moves with it.
    void MoveCurrent(int index);
    // A new play order for shuffle play, from the current entry.
    void Shuffle();
    // The open file's segment: true once its end has passed.
    bool CheckSegment();
    void CheckABRepeat();
    // The engine's overscan crop from the settings.
    void ApplySourceRect();
    // The open file's segment and end: the next entry, or the end of the list.
    void FollowOpenFile();
    // While a sound file plays, the engine holds ready what Next would open, or nothing: told
    // again whenever a list edit, repeat or shuffle changes that.
    void KeepFollowerCurrent();
    // While a drop replaces the list it opens the first entry itself: other opens wait.
    void HoldOpens(bool hold) { opensHeld_ = hold; }
    // An open or a close is under way: activation starts no relayout meanwhile.
    bool Busy() const { return openingBusy_ || closing_; }
    bool Opening() const { return openingBusy_; }

    // The pause the user set; a wheel seek or a search may hold the engine still without it.
    bool Paused() const { return paused_; }
    void Pause();
    void Resume();
    void TogglePause();
    // The list under the open file was replaced: its pause no longer stands.
    void ForgetPause() { paused_ = false; }

    // The tick's steps of a file on its way to playing: its layout is done; its segment's start
    // delay runs out (true once it has); the overscan crop is set again when its countdown ends.
    void MarkLaidOut();
    bool StartDelayOver();
    void FollowSourceRectCountdown();
    // A started file whose picture is not on the screen yet runs once it is, or after a few ticks.
    void RunOnceShown();

    void ToggleRepeatOne();
    // Makes permille (clamped to the bounds) the chosen speed and the playing one. A running wheel
    // seek keeps its own rate and returns to this one when it ends; a closed file opens at it.
    void ChooseSpeed(int permille);
    // The panel's PLAY ramp moved the playing speed; the chosen one stays for the next file.
    void SetPlayingRate(int permille);

    const std::vector<int>& ShuffleOrder() const { return shuffleOrder_; }
    int ShufflePosition() const { return shufflePosition_; }

private:
    // The position read this tick, whole milliseconds as segments and loops keep them.
    std::int64_t PositionMs() const;
    void OpenAtCurrentIndex();
    bool RemoveMissingEntries();
    // Begins the open of the entry; FollowOpening finishes it.
    void PrepareOpenedFile(const std::string& entry);
    void FinishOpenedFile();
    void OpenFailed();
    // A file is open or being opened: stepping through the list opens the next one.
    bool FileUnderway() const { return !status_.mediaClosed || status_.startState == StartState::Opening; }
    // The rest of an open once the last file is closed.
    void OpenClosedAtCurrentIndex();
    void OpenIfPlaying();
    // Where Next goes from the current entry: a shuffle position when shuffled, else an index.
    struct NextStep {
        int target = 0;
        bool wraps = false;  // past the end: back to the first
        bool stops = false;  // past the end of a list that does not repeat
    };
    NextStep NextStepFromHere() const;
    std::optional<std::string> FollowerCandidate() const;
    // After a file ended on an error (reported, one line): true once every entry has, in a row.
    bool EveryEntryFailedInTurn();
    void FollowOpenFileEnd();

    const PlayerState& state_;
    PlaybackStatus& status_;
    const PendingCommands& pending_;
    const PlayerSettings& settings_;
    Playlist& playlist_;
    History& history_;
    MediaGraph& graph_;
    OpenFile& openFile_;
    IndexList& indexList_;
    PlaylistEditor& editor_;
    PlaybackParts parts_;
    WindowSystem& windows_;
    FailureReporter reportFailure_;
    std::function<std::uint32_t()> randomSeed_;
    std::vector<int> shuffleOrder_;
    int shufflePosition_ = 0;
    bool paused_ = false;
    bool opensHeld_ = false;
    bool openingGuard_ = false;
    bool openingBusy_ = false;
    bool closing_ = false;
    bool advancingAtEnd_ = false;
    // An open closed the last file without releasing its graph, for the next file's to replace.
    bool graphKeptForOpen_ = false;
    int failedEndsInTurn_ = 0;  // files that ended on an error one after the other
    // Ticks left for a started file's picture to come on the screen before it runs regardless;
    // 0: none waits.
    int runWaitTicks_ = 0;
    // The entry's own title in the list, as it was when its open began.
    std::string openingTitle_;
    // The follower last weighed for the open file; checked on disk only when it changes.
    std::optional<std::string> followerCandidate_;
};

}  // namespace felux
