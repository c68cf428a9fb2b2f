// The volume level 0..62 and its conversions to the wave-out and engine scales.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/SystemVolume.h"

namespace felux {

inline constexpr int kVolumeFull = 62;

// Levels outside 0..62 are clamped first. 62 gives 0xFFFFFFFF; below, level x 1057 in both words.
std::uint32_t LevelToWaveOut(int level);
// Inverse of LevelToWaveOut, so every level reads back unchanged; 0xFFFFFFFF gives 62.
int WaveOutToLevel(std::uint32_t value);
// One channel word (0 .. 0xFFFF) to a level.
int WaveOutChannelToLevel(std::uint16_t word);

// The media engine's volume scale (MediaEngine::SetVolume): 0 silence, this as recorded.
inline constexpr double kEngineVolumeFull = 100.0;
// Each level below full is 0.6 dB quieter, put on the engine's cubic scale; levels outside
// 0..62 are clamped, and level 0 is exactly silence.
double LevelToEngineVolume(int level);

// The volume line of a log record, "1:%08x" of the wave-out value.
std::string FormatVolumeLine(int level);
// Characters 3..6 (high word) and 7..10 (low word) as lower-case hex; anything else,
// missing characters included, counts as 0. Always 0..62.
int ParseVolumeLine(std::string_view line);

void ApplyToWaveOut(SystemVolume& system, int level);

struct StartupVolume {
    int level = kVolumeFull;
    // The wave-out value found at start-up, when it was read; the exit restores it.
    std::optional<std::uint32_t> waveOutAtStart;
};

// The level to start with, from the saved level (DirectShow method, or no wave-out volume known yet)
// or the current wave-out volume.
StartupVolume TakeStartupVolume(SystemVolume& system, bool restoreVolumeOnExit, bool useDirectShowVolume,
                                int savedVolume);
// At exit: puts back the start-up wave-out value when asked and when one was read.
void RestoreStartupVolume(SystemVolume& system, bool restoreVolumeOnExit, const StartupVolume& startup);

}  // namespace felux
