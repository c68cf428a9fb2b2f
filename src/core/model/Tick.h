// The tick: the player's one clock. Every count of ticks in the core counts these.
#pragma once

namespace felux {

// 25 ticks a second: quick enough for the panel's animations and for a tapped key, and slow
// enough that a tick's work fits inside it.
inline constexpr int kTickMs = 40;
inline constexpr int kTicksPerSecond = 1000 / kTickMs;

}  // namespace felux
