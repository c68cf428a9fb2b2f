// A display setting changed by a key or the panel, written into the settings record.
#include "settings/ApplySettingsEdit.h"

namespace felux {
namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

void ApplySettingsEdit(PlayerSettings& s, const SettingsEdit& edit) {
    std::visit(Overloaded{
                   [&](const ToggleScanLines&) {
                       s.scanLinesOn = s.scanLinesOn == 0 ? 1 : 0;
                       s.liveScanLinesOn = s.scanLinesOn;
                   },
                   [&](const CycleLineMask&) {
                       s.lineMaskMode = s.lineMaskMode == 0 ? 1 : s.lineMaskMode == 1 ? 2 : 0;
                       s.liveLineMaskMode = s.lineMaskMode;
                   },
                   [&](const ToggleLyricsPanel&) { s.lyricsPanelShown = s.lyricsPanelShown == 0 ? 1 : 0; },
                   [&](const SetMouseVolume& e) { s.mouseVolume = e.on ? 1 : 0; },
                   [&](const SetAspectPreset& e) { s.aspectPresetIndex = e.index; },
                   [&](const SetScanLinePattern& e) { s.scanLinePattern = e.pattern; },
                   [&](const SetOverscan& e) {
                       if (e.preset) s.overscanPreset = *e.preset;
                       s.overscanScaleX = e.scaleX;
                       s.overscanScaleY = e.scaleY;
                   },
               },
               edit);
}

}  // namespace felux
