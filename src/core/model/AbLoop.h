// The A-B repeat: its two marks and the step the A-B button and key go round.
#pragma once

#include <cstdint>

namespace felux {

// The A-B repeat's steps; the marking steps last until the next check takes the position.
enum class AbRepeat { Off, MarkA, ASet, MarkB, Looping };
// A shorter loop would seek on every tick and never play.
inline constexpr std::int64_t kAbMinimumMs = 16;

// The step after this one, as the A-B button and key go round.
constexpr AbRepeat NextAbStep(AbRepeat step) {
    switch (step) {
        case AbRepeat::Off: return AbRepeat::MarkA;
        case AbRepeat::MarkA: return AbRepeat::ASet;
        case AbRepeat::ASet: return AbRepeat::MarkB;
        case AbRepeat::MarkB: return AbRepeat::Looping;
        case AbRepeat::Looping: return AbRepeat::Off;
    }
    return AbRepeat::Off;
}

class AbLoop {
public:
    AbRepeat State() const { return state_; }
    bool Looping() const { return state_ == AbRepeat::Looping; }
    std::int64_t AMs() const { return aMs_; }
    std::int64_t BMs() const { return bMs_; }

    // The A-B button and key: the next step round.
    void Step() { state_ = NextAbStep(state_); }
    // A timed-text line's span, looped at once.
    void LoopLine(std::int64_t aMs, std::int64_t bMs);
    // The loop ends; its marks stay until the file closes.
    void End() { state_ = AbRepeat::Off; }
    // The file closed: no loop and no marks.
    void Clear();
    // The position this tick: a marking step takes it. True when a running loop has left its
    // span and play must go back to A.
    bool Check(std::int64_t positionMs);

private:
    AbRepeat state_ = AbRepeat::Off;
    std::int64_t aMs_ = 0;
    std::int64_t bMs_ = 0;
};

}  // namespace felux
