// The keyboard poll: once a tick, the watched keys become commands and settings changes.
#pragma once

#include <array>
#include <optional>

#include "model/MouseButton.h"
#include "model/InputGate.h"
#include "model/AbLoop.h"
#include "model/InputCommand.h"
#include "model/PlayerState.h"
#include "model/PopupMenu.h"
#include "model/Point.h"
#include "platform/KeyState.h"
#include "settings/PlayerSettings.h"

namespace felux {

// What the key poll asks of the player: it raises every change through Command (one that waits
// for the command step may be raised twice in a poll) and only reads through the rest.
class KeyboardActions : public CommandSink {
public:
    virtual Point CursorPosition() = 0;
    // Full screen with its panel hidden: CTRL+M and CTRL+N switch mouseVolume there.
    virtual bool FullScreenPanelHidden() = 0;
    // The live volume level 0..kVolumeFull, which the volume keys step.
    virtual int VolumeLevel() = 0;
    virtual int PlaylistCount() = 0;
};

enum class HeldSearchKey { None, Back, Forward };  // ',' searches back, '.' forward

// Poll state that lives beside the player state.
struct KeyPollState {
    std::optional<MouseButton> lastMouseButton;
    // Right-click menus asked for by the panel and video windows, opened a few ticks later so
    // that the click's release does not land in the menu.
    std::array<bool, kPopupMenus> menuRequested{};
    std::array<int, kPopupMenus> menuCountdown{};
    std::array<Point, kPopupMenus> menuAt{};
    HeldSearchKey searchKeyHeld = HeldSearchKey::None;
    int arrowRepeatCount = 0;
    // Set to 7 by the full-screen switch; while non-zero, held buttons are released.
    int buttonReleaseGuard = 0;
};

// A menu's countdown on its request, so that the click's release does not land in the menu.
inline constexpr int kMenuDelayTicks = 3;
// The menu opens on the tick its countdown leaves this value; the rest of the count is not waited.
inline constexpr int kMenuOpensAt = 2;
inline constexpr double kOverscanMinX = 0.1;
inline constexpr double kOverscanMinY = -0.75;
inline constexpr double kOverscanMax = 1.0;

class KeyboardPoll {
public:
    KeyboardPoll(const PlayerState& state, const PlayerSettings& settings, KeyState& keys, KeyboardActions& actions, AbLoop& abLoop);

    // One poll; the tick calls it before the dispatcher, and not while a modal dialog is up.
    void Poll();
    // The right-button handling of the panel or the video window asks for a menu.
    void RequestMenu(PopupMenu menu);
    // The lockout the poll counts down; the other parts lock or open it.
    InputGate& Gate() { return gate_; }
    const InputGate& Gate() const { return gate_; }

    KeyPollState pollState;

private:
    void TrackMouse();
    void WaitingState();
    bool BusyTest();
    void ActiveState();
    void MenuCountdowns();
    bool FullScreenKeys();
    bool FrameStepAndSearch();
    void Volume();
    bool Arrows();
    bool ScanLineAndMaskKeys();
    // The plain bindings of the table; true when one acted.
    bool BoundKeys(bool lockedOut);
    bool SpaceKey();
    bool FileKeys();
    bool OverscanFineKeys();
    bool OverscanPresetKeys();
    bool ScanLinePatternKeys();
    bool AspectKeys();
    // The overscan of preset 2..5 from the settings, raised with the preset or without it.
    SetOverscan PresetScales(int preset, std::optional<int> asPreset) const;
    void Edit(SettingsEdit edit) { actions_.Command(EditSettings{edit}); }

    bool Down(int key) { return keys_.Down(key); }
    bool Hit(int key) { return keys_.Hit(key); }

    const PlayerState& state_;
    const PlayerSettings& settings_;
    KeyState& keys_;
    KeyboardActions& actions_;
    AbLoop& abLoop_;
    InputGate gate_;
};

}  // namespace felux
