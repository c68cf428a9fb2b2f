// The keys' lockout: the ticks the keyboard rests after a key, a menu, a file's end or its start.
#pragma once

#include <algorithm>

namespace felux {

// Ticks the keys rest after one was taken: a key held a moment longer than a tap acts once.
inline constexpr int kKeyLockoutTicks = 7;
// Around a pop-up menu, longer: keys pressed in the menu are not the player's.
inline constexpr int kMenuLockoutTicks = 10;
// After a file ends, while the next one opens: a key held through the end does not skip it too.
inline constexpr int kEndLockoutTicks = 10;
// When playing starts: the key that started it, still down, does not act on the new file.
inline constexpr int kStartLockoutTicks = 18;

// The keyboard poll owns it and counts it down; the wheel, the menus and playback lock or open it.
class InputGate {
public:
    void Lock(int ticks) { ticksLeft_ = ticks; }
    void Clear() { ticksLeft_ = 0; }
    // One quiet tick of the lockout gone.
    void TickDown() { ticksLeft_ = std::max(0, ticksLeft_ - 1); }
    bool Locked() const { return ticksLeft_ != 0; }
    int TicksLeft() const { return ticksLeft_; }

private:
    int ticksLeft_ = 0;
};

}  // namespace felux
