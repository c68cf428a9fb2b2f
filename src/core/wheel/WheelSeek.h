// The wheel seek: notches move a step of -9..+9 that searches, or plays at a rate, until it is back at 0.
#pragma once

#include <array>
#include <optional>

#include "model/InputCommand.h"
#include "model/InputGate.h"
#include "model/PendingCommands.h"
#include "model/PlayerState.h"
#include "platform/KeyState.h"
#include "platform/MediaEngine.h"
#include "settings/PlayerSettings.h"

namespace felux {

// The media actions the wheel seek drives; the player owns the engine and its position.
class WheelMedia {
public:
    virtual ~WheelMedia() = default;
    // The engine alone: a seek holds the picture still or runs it without touching the pause.
    virtual void Run() = 0;
    virtual void Pause() = 0;
    // The pause the user set, which play/pause turns over.
    virtual bool Paused() const = 0;
    virtual void TogglePause() = 0;
    // 1.0 = normal speed; values the engine refuses are its concern.
    virtual void SetRate(double rate) = 0;
    // Relative seek, forward or backward.
    virtual void SeekPosition(SeekMode direction, MediaTime amount) = 0;
    // The same for a search jump, which ends the file when it reaches the end.
    virtual void Search(SeekMode direction, MediaTime amount) = 0;
    // One frame; 0 for audio only.
    virtual MediaTime TimePerFrame() = 0;
};

inline constexpr int kWheelStepLimit = 9;
// Steps 0..kWheelStepLimit, by the step's absolute value.
inline constexpr int kWheelSteps = kWheelStepLimit + 1;

// Jump intervals in milliseconds of the fixed model, by the step's absolute value.
inline constexpr std::array<int, kWheelSteps> kFixedWheelPlaySteps{0,     1000,  2000,  3000,  5000,
                                                                   7000,  10000, 13000, 16000, 20000};
inline constexpr std::array<int, kWheelSteps> kFixedWheelPauseSteps{0, 34, 64, 128, 248, 512, 1000, 2000, 3000, 5000};

// Index of a step in the user tables: the forward steps 0..9 first, then the backward ones,
// -1..-9 at 11..19 (10 holds the unused backward 0).
constexpr int WheelTableIndex(int step) { return step >= 0 ? step : kWheelSteps - step; }

// The command step runs, in one tick: TakeNotch, UseVideoOnlyNotch, DecideFrameStep, then (only
// while a file is open, after advancing searchTick and the key search) RunFrameStep and
// RunWheelSteps, each handed its command's mark. The pending notch, which the play and pause
// commands also set, waits in the wheel seek; play/pause returns to state.playback.playbackRate
// and turns the media's pause over. A child window's notch and a frame step are raised as commands.
class WheelSeek {
public:
    WheelSeek(const PlayerState& state, CommandSink& commands, const PlayerSettings& settings, KeyState& keys,
              WheelMedia& media, InputGate& keyGate);

    // Notch sources.
    // The main window's wheel message; delta as the platform reports it (sign only matters).
    void OnWheel(int delta);
    // A notch the panel or the video window recorded (panel first), raised after each command
    // step as a wheel notch command when wheelNotchFeel is on and the keyboard lockout is not running. True
    // when it was taken, so the caller clears the window's record.
    bool ForwardChildNotch(int windowNotch);
    // In video-only mode a notch the video window recorded replaces the pending one; without
    // one the pending notch (a held arrow's) stays. True when it was taken, so the caller clears
    // the window's record.
    bool UseVideoOnlyNotch(bool videoOnlyMode, int videoWindowNotch);

    // Command step work.
    // A notch command from the keys or the child windows becomes the pending notch and ends the
    // keyboard lockout, so a held arrow key can act again.
    void TakeNotch(std::optional<int> notch);
    // While paused a notch may step one frame instead, by SHIFT and wheelFrameStepWhenPaused.
    void DecideFrameStep();
    // The frame step waits until the player is paused: false while it still waits.
    bool RunFrameStep(FrameStep frameStep);
    // The pending notch, the play/pause command and the periodic search, which acts on the ticks
    // where state.searchTick is 0. False when nothing is open: the play/pause still waits.
    bool RunWheelSteps(bool playPause);

    void ProcessWheelNotch();
    void RunPlayPause(bool playPause);
    void RunWheelSearch();

    // Play and play/pause end a running seek by one notch back from step 1, so the ordinary
    // notch processing brings it to 0 and restores the graph.
    void WindBack();
    // A file ended, opened or closed, or the list stepped on: the seek is over, as it stands.
    void Stop() { step_ = 0; }

    // -kWheelStepLimit..kWheelStepLimit; 0 while no wheel seek runs.
    int Step() const { return step_; }
    // The notch the next dispatcher run takes: -1, 0 or +1.
    int PendingNotch() const { return pendingNotch_; }

private:
    void ProcessFixedNotch();
    void ProcessUserNotch();
    // The entry of the user tables for the current step and pause state.
    struct Entry {
        int value = 0;
        bool isRate = false;
    };
    Entry UserEntry() const;

    const PlayerState& state_;
    CommandSink& commands_;
    const PlayerSettings& settings_;
    KeyState& keys_;
    WheelMedia& media_;
    InputGate& keyGate_;
    int step_ = 0;
    int pendingNotch_ = 0;
};

}  // namespace felux
