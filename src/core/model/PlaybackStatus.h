// How far the open file has got, its segment, its speed and its repeat: written by Playback
// alone, read by every other part through the player's const state.
#pragma once

#include <cstdint>

namespace felux {

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

struct PlaybackStatus {
    StartState startState = StartState::Idle;
    int startDelay = 0;  // ticks before a segment entry starts
    int sourceRectCountdown = 0;
    bool mediaClosed = true;
    bool hasVideo = false;
    int shuffleOrderCount = 0;  // the count the shuffle order was built for
    bool segmentActive = false;
    std::int64_t segmentStartMs = 0;
    std::int64_t segmentEndMs = 0;
    int playbackRate = kPermille;  // thousandths of normal speed
    int chosenRate = kPermille;    // the speed keys' and a remote's; each file opens at it
    bool repeatOne = false;        // the current entry again at its end
};

}  // namespace felux
