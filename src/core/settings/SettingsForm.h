// The settings dialog's members: filled from the settings, edited by its rules, copied back on OK.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/VolumeLog.h"
#include "settings/DialogInt.h"
#include "settings/PlayerSettings.h"

namespace felux {

// The dialog's check boxes, in the order the dialog shows them.
enum class FormCheck {
    LogEnabled,
    LogAutoUpdate,
    MaskTopPercent,
    MaskBottomPercent,
    MaskLeftPercent,
    MaskRightPercent,
    PlayOnStart,
    MaximizeOnPlay,
    TopmostAll,
    TopmostPanel,
    HideCursor,
    MouseVolume,
    PowerManagementOff,
    RestoreVolume,
    DirectShowVolume,
    LyricsBelowVideo,
    LyricsOnPanel,
    ReshuffleOnWrap,
    RemoveMissing,
    UseWheelSeek,
    WheelVariableSpeed,
    WheelFrameStep,
    WheelNotchFeel,
};
inline constexpr int kFormCheckCount = 23;

struct FormCheckInfo {
    FormCheck check;
    int control;          // the control number, which the widgets use as their names
    const char* caption;  // empty for the "%" boxes, whose caption is "%"
};
const std::array<FormCheckInfo, kFormCheckCount>& FormChecks();

// The integer edits the user types into, in the order OK reads them.
enum class FormEdit { VolumeLogMax, SearchWait, FontPosition, SecondaryMonitorFix };
struct FormEditTexts {
    std::string volumeLogMax;
    std::string searchWait;
    std::string fontPosition;
    std::string secondaryMonitorFix;
};

enum class VolumeLogButton { Add, Remove, Reset };

struct SettingsForm {
    // Working copies of the fields the dialog edits; the checks live in `checks`.
    PlayerSettings values;
    std::array<bool, kFormCheckCount> checks{};
    // Bit 1 add the open file, bit 2 remove it, 4 (and above) empty the log first.
    int volumeLogCommand = 0;
    std::string wheelPlayText;
    std::string wheelPauseText;
    int levelAtOpen = 0;  // the volume level when the dialog opened, for "追加"
    std::string overscanText;

    bool Checked(FormCheck c) const { return checks[static_cast<std::size_t>(c)]; }
};

SettingsForm OpenSettingsForm(const PlayerSettings& s, int volumeLevel);

// Sets or clears a check and keeps the linked checks in step: the two topmost modes
// exclude each other, so do restoring the start volume and the graph's own volume;
// mouse volume needs the hidden cursor.
void SetCheck(SettingsForm& form, FormCheck check, bool on);

void PressVolumeLogButton(SettingsForm& form, VolumeLogButton button);

// Reads the typed edits in order; the first refused one stops the reading and is returned.
std::optional<EditFault<FormEdit>> ReadFormEdits(SettingsForm& form, const FormEditTexts& texts);

// Copies the dialog's members into the settings, wheel tables included. A check box or a wheel
// rate flag left as the dialog showed it keeps its stored number (a hand-edited 2 stays 2).
void ApplySettingsForm(const SettingsForm& form, PlayerSettings& s);

// The volume log after OK: emptied by "初期化", the open file added or removed as the
// buttons (or auto-update) ask, then cut to the new maximum.
void ApplyVolumeLogCommand(VolumeLog& log, int command, const VolumeLogOptions& options, const CurrentFile& file,
                           int level);

// The current overscan as the dialog shows it: " X = %3d%%  Y = %3d%%".
std::string OverscanText(double scaleX, double scaleY);

}  // namespace felux
