// The commands with payloads: one handler each, and when it acts.
#include "player/Player.h"
#include "playlist/FolderScan.h"
#include "playlist/ListFile.h"

namespace felux {
namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Clang deduces no aggregate's arguments by itself.
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace

void Player::Command(AnyCommand command) {
    std::visit(Overloaded{
                   [this](PlayerCommand c) { RunCommand(c); },
                   // At the command step, so that a seek asked for a file that closes first means nothing.
                   [this](const SeekTo& c) { state.requests.seekTo = c.position; },
                   [this](const SetVolume& c) {
                       if (c.level == volume.Level()) return;
                       volume.SetLevel(c.level);
                       RunCommand(PlayerCommand::VolumeChanged);
                   },
                   [this](const SetSpeed& c) { playback.ChooseSpeed(c.permille); },
                   [this](const HandInFiles& c) { HandIn(c); },
                   // Answers taken up at the next tick, in the tick's own order.
                   [this](const ChooseMenuItem& c) { popups.Chosen(c.id); },
                   [this](ChooseFile& c) { editorBridge.FileChosen(std::move(c.path)); },
                   [this](const CloseSettings& c) { settingsBridge.Closed(c.result); },
                   [this](const EditorCommand& c) { RunEditorCommand(c.action); },
                   [this](const EditorResized& c) { editor.OnResize(c.width, c.height); },
                   [this](const EditTitle& c) { editor.SetTitle(c.row, c.title); },
               },
               command);
    // A remote's, a dialog's or the hand-over's command is carried out by a tick brought forward,
    // not 20 ms later on average; the tick's own inputs are in the tick already.
    if (!inTick_ && ports_.wake) ports_.wake();
}

// Folders are scanned over the ticks as a drop of them is; files and lists are appended now, and
// the first new entry plays at the command step.
void Player::HandIn(const HandInFiles& handed) {
    if (AnyFolder(handed.paths)) {
        drop.HandIn(handed.paths, handed.play);
        return;
    }
    const std::size_t before = playlist.Size();
    for (const std::string& f : handed.paths) {
        if (IsListPath(f))
            LoadListFile(playlist, f);
        else
            playlist.Append(f, "");
    }
    if (playlist.Size() > before && handed.play) {
        playlist.currentIndex = static_cast<int>(before);
        state.requests.playSelected = true;
    }
}

void Player::RunEditorCommand(EditorAction action) {
    switch (action) {
        case EditorAction::Load: editor.Load(); break;
        case EditorAction::Save: editor.Save(); break;
        case EditorAction::New: editor.New(); break;
        case EditorAction::Sort: editor.Sort(); break;
        case EditorAction::Random: editor.Random(); break;
        case EditorAction::MoveUp: editor.MoveUp(); break;
        case EditorAction::MoveDown: editor.MoveDown(); break;
        case EditorAction::Delete: editor.Delete(); break;
        case EditorAction::Options: editor.Options(); break;
        case EditorAction::PlayLine: editor.OnDoubleClick(); break;
        case EditorAction::SelectionChanged: editor.OnSelectionChanged(); break;
        case EditorAction::Moved: editor.OnMove(); break;
    }
}

}  // namespace felux
