// Reading and writing the settings file "KR02.CFG" with names from the key list "KR02.sys".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/DisplayModes.h"
#include "platform/WindowSystem.h"
#include "settings/PlayerSettings.h"

namespace felux {

inline constexpr const char* kSettingsFileName = "KR02.CFG";
inline constexpr const char* kKeyListFileName = "KR02.sys";

// Both files are tiny by design; anything past these sizes is not read.
inline constexpr std::size_t kSettingsReadLimit = 1 << 20;
inline constexpr std::size_t kKeyListReadLimit = 64 << 10;

// Applies settings text (already UTF-8) to the record by line position. `screen`
// is the desktop size used to reject off-screen window positions.
void ParseSettings(PlayerSettings& s, std::string_view text, Size screen);

// The settings text for `s`, one line per key-list line; empty when the key list has no lines.
std::string FormatSettings(const PlayerSettings& s, std::string_view keyList);

// A remembered full-screen mode that no longer matches the display switches the mode change off.
void CheckFullScreenMode(PlayerSettings& s, DisplayModes& modes);

// File steps: false when the file could not be read or written.
bool LoadSettingsFile(PlayerSettings& s, const std::filesystem::path& folder, Size screen);
bool SaveSettingsFile(const PlayerSettings& s, const std::filesystem::path& folder);

}  // namespace felux
