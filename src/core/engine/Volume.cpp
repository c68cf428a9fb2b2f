// The volume level 0..62 and its conversions to the wave-out, decibel and engine scales.
#include "engine/Volume.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace felux {
namespace {

constexpr std::uint32_t kChannelStep = 1057;
// level x this is the value of a level below full; 0xFFFFFFFF divided by it is still 62.
constexpr std::uint32_t kBothChannelsStep = kChannelStep * 0x10000 + kChannelStep;  // 69272609

int ClampLevel(int level) { return std::clamp(level, 0, kVolumeFull); }

std::uint32_t HexGroup(std::string_view text, std::size_t from) {
    std::uint32_t value = 0;
    for (std::size_t i = from; i < from + 4; ++i) {
        const char c = i < text.size() ? text[i] : '\0';
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9') digit = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f') digit = static_cast<std::uint32_t>(c - 'a' + 10);
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace

std::uint32_t LevelToWaveOut(int level) {
    level = ClampLevel(level);
    if (level == kVolumeFull) return 0xFFFFFFFFu;
    return static_cast<std::uint32_t>(level) * kBothChannelsStep;
}

// Dividing by 0xFFFFFFFF / 62 instead would read every level below full back one lower,
// so a volume the player set would drop a step at each start.
int WaveOutToLevel(std::uint32_t value) { return static_cast<int>(value / kBothChannelsStep); }

int WaveOutChannelToLevel(std::uint16_t word) { return static_cast<int>(word / kChannelStep); }

double LevelToEngineVolume(int level) {
    level = ClampLevel(level);
    if (level == 0) return 0.0;
    // The amplitude of -0.6 dB a level below full is 10^(-0.6 x steps / 20); the engine's scale
    // is its cube root, so every level is a hundredth of a decade on that scale.
    const double decades = static_cast<double>(level - kVolumeFull) / 100.0;
    return kEngineVolumeFull * std::pow(10.0, decades);
}

std::string FormatVolumeLine(int level) {
    char text[16];
    std::snprintf(text, sizeof text, "1:%08x", static_cast<unsigned>(LevelToWaveOut(level)));
    return text;
}

int ParseVolumeLine(std::string_view line) {
    return WaveOutToLevel(HexGroup(line, 2) * 0x10000 + HexGroup(line, 6));
}

void ApplyToWaveOut(SystemVolume& system, int level) { system.SetWaveOutVolume(LevelToWaveOut(level)); }

StartupVolume TakeStartupVolume(SystemVolume& system, bool restoreVolumeOnExit, bool useDirectShowVolume,
                                int savedVolume) {
    StartupVolume startup;
    if (!restoreVolumeOnExit && useDirectShowVolume) {
        startup.level = ClampLevel(savedVolume);
        return startup;
    }
    const std::optional<std::uint32_t> current = system.GetWaveOutVolume();
    // Unknown at start: the level saved at the last exit stands in, and nothing is restored later.
    startup.level = ClampLevel(savedVolume);
    if (!current) return startup;
    startup.waveOutAtStart = current;
    if (!restoreVolumeOnExit) {
        startup.level = WaveOutToLevel(*current);
        return startup;
    }
    if (!useDirectShowVolume) startup.level = WaveOutChannelToLevel(static_cast<std::uint16_t>(*current >> 16));
    system.SetWaveOutVolume(*current);
    return startup;
}

void RestoreStartupVolume(SystemVolume& system, bool restoreVolumeOnExit, const StartupVolume& startup) {
    // Without a value read at start-up there is nothing to restore; writing 0 would mute the system.
    if (restoreVolumeOnExit && startup.waveOutAtStart) system.SetWaveOutVolume(*startup.waveOutAtStart);
}

}  // namespace felux
