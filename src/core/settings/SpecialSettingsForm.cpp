// The special functions dialog's members: search speeds, full-screen display mode, synchronised playback.
#include "settings/SpecialSettingsForm.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace felux {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string WithTrailingSlash(std::string path) {
    if (!path.empty() && path.back() != '/') path += '/';
    return path;
}

}  // namespace

std::string FormatDisplayMode(const DisplayMode& mode) {
    char text[64];
    std::snprintf(text, sizeof text, "%5dX%5d (%3dbit)", mode.width, mode.height, mode.bits);
    return text;
}

std::vector<DisplayModeItem> ListDisplayModes(DisplayModes& modes) {
    std::vector<DisplayModeItem> items;
    for (int number = 0; number < kMaxDisplayModes; ++number) {
        const std::optional<DisplayMode> mode = modes.Enumerate(number);
        if (!mode) break;
        std::string text = FormatDisplayMode(*mode);
        if (items.empty() || !SameIgnoringCase(items.back().text, text)) items.push_back({std::move(text), number});
    }
    return items;
}

std::string NormaliseSyncFlags(std::string_view text) {
    std::string flags(text.substr(0, std::min(text.size(), kSyncFlagsReadLimit)));
    if (flags.size() < kSyncFlagCount) flags.resize(kSyncFlagCount, '0');
    for (int i = 0; i < kSyncFlagCount; ++i)
        if (flags[static_cast<std::size_t>(i)] != '1') flags[static_cast<std::size_t>(i)] = '0';
    return flags;
}

SpecialSettingsForm OpenSpecialForm(const PlayerSettings& carriers, DisplayModes& modes) {
    SpecialSettingsForm form;
    form.searchSpeedPlayRew = carriers.searchSpeedPlayRew;
    form.searchSpeedPlayFF = carriers.searchSpeedPlayFF;
    form.searchSpeedPauseRew = carriers.searchSpeedPauseRew;
    form.searchSpeedPauseFF = carriers.searchSpeedPauseFF;
    form.fullScreenModeOn = carriers.fullScreenModeOn != 0;
    form.modeNumber = carriers.fullScreenModeNumber;
    form.mode = {carriers.fullScreenWidth, carriers.fullScreenHeight, carriers.fullScreenBits};
    form.path1 = carriers.syncSearchPath1;
    form.path2 = carriers.syncSearchPath2;
    form.flags = NormaliseSyncFlags(carriers.syncFlags);
    SelectDisplayMode(form, form.modeNumber, modes);
    return form;
}

// A number the system no longer lists keeps the remembered size: the full-screen switch
// notices the mismatch itself.
void SelectDisplayMode(SpecialSettingsForm& form, int number, DisplayModes& modes) {
    form.modeNumber = number;
    if (const std::optional<DisplayMode> mode = modes.Enumerate(number)) form.mode = *mode;
}

void SetSyncFlag(SpecialSettingsForm& form, int index, bool on) {
    if (index < 0 || index >= kSyncFlagCount) return;
    form.flags[static_cast<std::size_t>(index)] = on ? '1' : '0';
}

std::optional<EditFault<SpeedEdit>> ReadSpeedEdits(SpecialSettingsForm& form, const std::array<std::string, 4>& texts) {
    const std::array<std::pair<SpeedEdit, int SpecialSettingsForm::*>, 4> edits{{
        {SpeedEdit::PlayRew, &SpecialSettingsForm::searchSpeedPlayRew},
        {SpeedEdit::PauseRew, &SpecialSettingsForm::searchSpeedPauseRew},
        {SpeedEdit::PauseFF, &SpecialSettingsForm::searchSpeedPauseFF},
        {SpeedEdit::PlayFF, &SpecialSettingsForm::searchSpeedPlayFF},
    }};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        if (auto fault = CheckDialogInt(texts[i], 0, 30000)) return EditFault<SpeedEdit>{edits[i].first, *fault};
        form.*edits[i].second = *ParseDialogInt(texts[i]);
    }
    return std::nullopt;
}

void CloseSpecialForm(const SpecialSettingsForm& form, PlayerSettings& carriers) {
    carriers.searchSpeedPlayRew = form.searchSpeedPlayRew;
    carriers.searchSpeedPlayFF = form.searchSpeedPlayFF;
    carriers.searchSpeedPauseRew = form.searchSpeedPauseRew;
    carriers.searchSpeedPauseFF = form.searchSpeedPauseFF;
    carriers.fullScreenModeOn = form.fullScreenModeOn ? 1 : 0;
    carriers.fullScreenModeNumber = form.modeNumber;
    carriers.fullScreenWidth = form.mode.width;
    carriers.fullScreenHeight = form.mode.height;
    carriers.fullScreenBits = form.mode.bits;
    carriers.syncSearchPath1 = WithTrailingSlash(form.path1);
    carriers.syncSearchPath2 = WithTrailingSlash(form.path2);
    carriers.syncFlags = form.flags;
}

}  // namespace felux
