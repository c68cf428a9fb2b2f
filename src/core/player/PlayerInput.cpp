// The player's side of the keyboard poll and the panel's mouse handling: their commands go to the
// player's command table, and they read the cursor, the buttons and a few of the player's records.
#include "player/PlayerInput.h"

#include "platform/Keys.h"
#include "player/Player.h"

namespace felux {
namespace {

void Hand(Player& player, InputCommand command) {
    std::visit([&player](auto& c) { player.Command(std::move(c)); }, command);
}

}  // namespace

void PlayerKeyActions::Command(InputCommand command) { Hand(player_, std::move(command)); }

void PartCommands::Command(InputCommand command) {
    std::visit(
        [this](auto& c) {
            AnyCommand any = std::move(c);
            player_.Dispatch(any);
        },
        command);
}

Point PlayerKeyActions::CursorPosition() { return windows_.CursorPosition(); }

bool PlayerKeyActions::FullScreenPanelHidden() { return player_.layout.FullScreenPanelHidden(); }

int PlayerKeyActions::VolumeLevel() { return player_.volume.Level(); }
int PlayerKeyActions::PlaylistCount() { return player_.playlist.Count(); }

void PlayerPanelActions::Command(InputCommand command) { Hand(player_, std::move(command)); }

Point PlayerPanelActions::CursorPosition() { return windows_.CursorPosition(); }

bool PlayerPanelActions::MouseButtonsDown() {
    KeyState& keys = keys_;
    const bool left = keys.Down(vk::LButton);
    const bool right = keys.Down(vk::RButton);
    return left || right;
}

MediaTime PlayerPanelActions::Duration() { return player_.graph.duration; }

int PlayerPanelActions::VolumeLevel() { return player_.volume.Level(); }
int PlayerPanelActions::PlaylistCount() { return player_.playlist.Count(); }

}  // namespace felux
