// The commands that carry what they need. With the plain commands of the keys and the panel they
// are all that the outside (the desktop's windows and dialogs, the remote, the hand-over) may ask
// of the player: it reads what it shows through PlayerView and changes nothing itself. The key
// poll's and the panel's own (model/InputCommand.h) are among them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/MediaTime.h"
#include "model/InputCommand.h"
#include "model/PlayerCommand.h"
#include "settings/SettingsForm.h"

namespace felux {

// An absolute seek in the open file, carried out at the tick's command step.
struct SeekTo {
    MediaTime position;
};
// The live level 0..62; the engine follows at the command step.
struct SetVolume {
    int level;
};
// The chosen speed in thousandths, as the speed keys choose it: kept from file to file.
struct SetSpeed {
    int permille;
};
// Files another start of the program or a remote handed over: appended (a list's entries, a
// folder scanned over the ticks), the first of them played when play is set.
struct HandInFiles {
    std::vector<std::string> paths;
    bool play;
};
// A pop-up menu's answer, by the item's id; taken up at the next tick.
struct ChooseMenuItem {
    int id;
};
// The file chooser's answer; none when it was cancelled.
struct ChooseFile {
    std::optional<std::string> path;
};
// The settings dialog closed: with the form as OK left it, or none when cancelled.
struct CloseSettings {
    std::optional<SettingsForm> result;
};
// The playlist editor's buttons and its list's own events.
enum class EditorAction { Load, Save, New, Sort, Random, MoveUp, MoveDown, Delete, Options, PlayLine, SelectionChanged, Moved };
struct EditorCommand {
    EditorAction action;
};
struct EditorResized {
    int width;
    int height;
};
// A segment entry's title as the user edited it in place.
struct EditTitle {
    std::size_t row;
    std::string title;
};

using AnyCommand = std::variant<PlayerCommand, SeekTo, SetVolume, SetSpeed, HandInFiles, ChooseMenuItem, ChooseFile,
                                CloseSettings, EditorCommand, EditorResized, EditTitle, SetLiveLevel, ShowMenu, AskMenu,
                                ReleaseButton, SetRate, SetPlayingRate, ScrubTo, EditSettings>;

}  // namespace felux
