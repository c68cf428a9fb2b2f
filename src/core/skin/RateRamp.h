// The playback-rate ramp while PLAY is held: accelerating steps of 10 per mille, with a pause at normal speed.
#pragma once

namespace felux {

enum class RampDirection { None = 0, Slower = 1, Faster = 2 };

// The ramp's counters. The panel's mouse handling starts and ends a ramp
// (Press, Release, ResetToNormal); the renderer steps it once per tick while
// PLAY is held. Rates are per mille of normal speed, 100..2000.
struct RateRamp {
    static constexpr int kNormal = 1000;
    static constexpr int kMin = 100;
    static constexpr int kMax = 2000;
    static constexpr int kStep = 10;
    static constexpr int kFirstInterval = 7;
    // Ticks the rate rests at normal speed when a ramp crosses it.
    static constexpr int kSnapHold = 60;
    // After a double click on PLAY, the ramp waits this long before moving.
    static constexpr int kResetHold = 20;

    RampDirection direction = RampDirection::None;
    int interval = kFirstInterval;  // ticks between steps; shrinks by one per step
    int counter = 0;                // ticks until the next step
    int hold = 0;                   // ticks left resting at normal speed

    // PLAY pressed: left button slower, right button faster. The first step
    // comes kFirstInterval ticks later, so a click does not change the rate.
    void Press(RampDirection towards);
    void Release() { direction = RampDirection::None; }
    // A double click on PLAY: back to normal speed, ramp stopped.
    void ResetToNormal(int& rate);
    // One tick of a held PLAY; changes rate in place.
    void Step(int& rate);
    bool Active() const { return direction != RampDirection::None; }
};

}  // namespace felux
