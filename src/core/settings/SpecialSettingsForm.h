// The special functions dialog's members: search speeds, full-screen display mode, synchronised playback.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DisplayModes.h"
#include "settings/DialogInt.h"
#include "settings/PlayerSettings.h"

namespace felux {

inline constexpr int kSyncFlagCount = 7;
// The flags text is read from at most this many characters.
inline constexpr std::size_t kSyncFlagsReadLimit = 51;
// Enumeration stops here even if the system offers more modes.
inline constexpr int kMaxDisplayModes = 4096;

// The search speed edits in the order OK reads them.
enum class SpeedEdit { PlayRew, PauseRew, PauseFF, PlayFF };

struct SpecialSettingsForm {
    int searchSpeedPlayRew = 0;
    int searchSpeedPlayFF = 0;
    int searchSpeedPauseRew = 0;
    int searchSpeedPauseFF = 0;
    bool fullScreenModeOn = false;
    int modeNumber = 0;
    DisplayMode mode;
    std::string path1;
    std::string path2;
    // '0'/'1' per switch: enabled, own folder, path 1, path 2, ".WAV", ".MP2", ".MP3".
    std::string flags;

    bool Flag(int index) const { return flags[static_cast<std::size_t>(index)] == '1'; }
};

struct DisplayModeItem {
    std::string text;  // "%5dX%5d (%3dbit)"
    int number;        // the number the display-mode port switches with
};

std::string FormatDisplayMode(const DisplayMode& mode);
// Modes 0, 1, 2, ... until the enumeration ends; a mode whose text equals that of the item
// added last (ignoring case) is left out, so refresh rates of one size show once.
std::vector<DisplayModeItem> ListDisplayModes(DisplayModes& modes);

// The flags text with its first seven characters each '1' or '0' (anything else becomes '0',
// missing ones are added); what follows them is kept, up to the read limit.
std::string NormaliseSyncFlags(std::string_view text);

SpecialSettingsForm OpenSpecialForm(const PlayerSettings& carriers, DisplayModes& modes);
// Takes mode `number`; its size and depth are the ones the system reports now.
void SelectDisplayMode(SpecialSettingsForm& form, int number, DisplayModes& modes);
void SetSyncFlag(SpecialSettingsForm& form, int index, bool on);

// Reads the four speed edits (texts in SpeedEdit order); the first out of 0..30000 is returned.
std::optional<EditFault<SpeedEdit>> ReadSpeedEdits(SpecialSettingsForm& form, const std::array<std::string, 4>& texts);

// Back into the settings dialog's members; a non-empty folder gets a trailing "/".
void CloseSpecialForm(const SpecialSettingsForm& form, PlayerSettings& carriers);

}  // namespace felux
