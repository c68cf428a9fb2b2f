// The main window's process-wide state and the commands pending for the tick.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/AbLoop.h"
#include "model/PendingCommands.h"

namespace felux {

// Ticks the zoom and mode read-out stays on the panel.
inline constexpr int kReadoutTicks = 35;
// Ticks per unit of the secondary-monitor fix setting: the source area is set again only on a
// tick the countdown has come down to a whole unit.
inline constexpr int kSourceRectTicksPerStep = 5;

// Speeds are kept in thousandths of normal speed; the engine takes a factor.
inline constexpr int kPermille = 1000;
constexpr double RateFromPermille(int permille) { return static_cast<double>(permille) / kPermille; }

// How far the open file has got towards playing.
enum class StartState {
    Idle,     // playing, or nothing opened
    Opening,  // the engine opens it; the player sees no file yet
    Opened,   // opened, waits for its layout
    LaidOut,  // laid out, its start is pending
};

enum class WindowMode { Normal, Minimised, VideoOnly };

struct PlayerState {
    bool initialised = false;
    bool exitRequested = false;
    StartState startState = StartState::Idle;
    int startDelay = 0;        // ticks before a segment entry starts
    int sourceRectCountdown = 0;
    bool mediaClosed = true;
    bool hasVideo = false;
    bool lyricsView = false;   // Y asked for the lyrics view; it shows while a sound file has timed text
    bool fullScreen = false;
    bool panelFramePending = false;  // a composed frame waits for its paint
    bool modalDialogUp = false;
    bool appActive = false;
    bool panelHover = false;
    bool editorOpen = false;
    bool displayModeChanged = false;
    int shuffleOrderCount = 0;  // the count the shuffle order was built for
    bool segmentActive = false;
    std::int64_t segmentStartMs = 0;
    std::int64_t segmentEndMs = 0;
    int playbackRate = kPermille;  // thousandths of normal speed
    int chosenRate = kPermille;    // the speed keys' and a remote's; each file opens at it
    bool repeatOne = false;    // the current entry again at its end
    int searchTick = 0;        // 0 .. searchWait; searches act when it is 0
    int progress = 0;          // position along the 138-pixel progress bar
    int newFileDisplayTimer = 0;
    WindowMode windowMode = WindowMode::Normal;
    int readoutCountdown = 0;  // ticks the zoom read-out stays on the panel
    int videoDisplayWidth = 0;   // the picture's size on screen
    int videoDisplayHeight = 0;
    PendingCommands requests;
};

}  // namespace felux
