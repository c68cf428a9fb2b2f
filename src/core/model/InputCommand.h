// What the key poll and the panel's mouse handling raise: the plain commands and the few that
// carry a value, and the one way they raise them.
#pragma once

#include <variant>

#include "model/MediaTime.h"
#include "model/MouseButton.h"
#include "model/PlayerCommand.h"
#include "model/PopupMenu.h"
#include "model/Point.h"
#include "model/SettingsEdit.h"

namespace felux {

// The live volume level 0..kVolumeFull alone: the engine follows only on VolumeChanged.
struct SetLiveLevel {
    int level;
};
// A pop-up menu shown now at a screen point.
struct ShowMenu {
    PopupMenu menu;
    Point at;
};
// Opened a few ticks later by the key poll, at the cursor, so that the click's release does not
// land in the menu.
struct AskMenu {
    PopupMenu menu;
};
// A key-up event for a mouse button, so that a press that started before the full-screen switch
// does not stay held.
struct ReleaseButton {
    MouseButton button;
};
// The engine's rate in thousandths for now (a held button's ramp), not the speed kept from file to file.
struct SetRate {
    int permille;
};
// The playing speed in thousandths, kept until the next file opens: a double click on PLAY puts
// it back to normal while the chosen speed stays.
struct SetPlayingRate {
    int permille;
};
// An absolute seek now, as the progress bar is dragged.
struct ScrubTo {
    MediaTime position;
};
// A display setting changed now.
struct EditSettings {
    SettingsEdit edit;
};

using InputCommand =
    std::variant<PlayerCommand, SetLiveLevel, ShowMenu, AskMenu, ReleaseButton, SetRate, SetPlayingRate, ScrubTo, EditSettings>;

// Where the inputs hand their commands. The player's command table decides which wait for the
// tick's command step and which act at once, so every source of a command keeps the same timing.
class CommandSink {
public:
    virtual ~CommandSink() = default;
    virtual void Command(InputCommand command) = 0;
};

}  // namespace felux
