// The player: owns the records and the parts, and runs the start-up, the 40 ms tick and the exit.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "platform/ScreenSaver.h"
#include "platform/SystemVolume.h"
#include "player/CommandPayloads.h"
#include "player/CommandTable.h"
#include "player/DropIntake.h"
#include "player/EditorBridge.h"
#include "player/IdleInhibit.h"
#include "player/PlayerInput.h"
#include "player/PlayerView.h"
#include "player/PopupMenus.h"
#include "player/SettingsBridge.h"
#include "wheel/WheelSeek.h"

namespace felux {

struct PlayerPorts {
    WindowSystem& windows;
    KeyState& keys;
    DisplayModes& displayModes;
    MediaEngine& media;
    SystemVolume& systemVolume;
    FailureReporter reportFailure;
    TextPainter* text = nullptr;                  // none: the title and the timed text stay blank
    SettingsDialogs* settingsDialogs = nullptr;  // none: CONFIG opens nothing
    EditorWindow* editorWindow = nullptr;        // none: the editor stays shut
    PlaylistDialogs* dialogs = nullptr;          // none: the file chooser and the pop-up menus stay shut
    ScreenSaver* screenSaver = nullptr;          // none: the desktop may blank during a video
    // Asks for a tick as soon as may be; none: a command from outside waits for the next tick.
    std::function<void()> wake;
    SteadyClock now = std::chrono::steady_clock::now;
    std::function<std::uint32_t()> randomSeed = [] { return std::random_device{}(); };
};

class Player {
public:
    Player(PlayerPorts ports, std::filesystem::path programFolder, std::vector<std::string> args);
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Reads the settings and places the windows; the first tick does the rest.
    void Start();
    void Tick();
    // True once the exit sequence has run: the program ends.
    bool Ended() const { return ended_; }
    // The exit sequence at the end of the next tick, as the quit keys do; asked for before the
    // first tick, it is not lost to the first tick's reset.
    void RequestExit();
    // The one way a command enters the player, from the keys, the panel, the desktop's dialogs, a
    // remote or the hand-over. Its row in the command table (player/CommandTable.cpp) says whether
    // it acts at once or waits in the pending record for the tick's command step.
    void Command(AnyCommand command);
    // What the outside may read.
    PlayerView View() const { return PlayerView(*this); }
    // Where the panel and the video window record the mouse for the tick to read.
    ChildWindowInput& PanelInputRecord() { return panelInput; }
    ChildWindowInput& VideoInputRecord() { return videoInput; }
    // The engine has news of the open under way: a file ready between ticks is set up at once.
    void OnOpenNews();
    // Every data file as it stands; touches no window, display or engine.
    bool SaveFiles() { return files.SaveAll(); }

    // The desktop's events.
    void OnPanelPainted() { presenter.Painted(); }
    void OnMouseWheel(int delta) { wheel.OnWheel(delta); }
    void OnMove(int x, int y);
    void OnActivated(bool active);
    // Minimised or video only; only from the normal mode.
    void EnterWindowMode(WindowMode mode);
    // A double click on the main window: leaves video-only mode, or enters it.
    void OnMainDoubleClick();
    // The desktop brought the minimised main window back: the normal mode again, whatever minimised it.
    void OnMainRestored();
    void OnDrop(std::vector<std::string> paths, DropTarget target, std::optional<MouseButton> button) {
        drop.Drop(std::move(paths), target, button);
    }
    void OnEditorClosed() { editorBridge.Closed(); }

protected:
    // The records and the parts are the player's own: the outside reads View() and raises
    // commands. Only the test rig's subclass reaches in, to set up and look inside.
    // What waits for the command step, to look at.
    const PendingCommands& Pending() const { return pending_; }
    PlayerState state;
    AbLoop abLoop;
    ProgressBar progressBar;
    PlayerSettings settings;
    Playlist playlist;
    History history;
    PlaylistEditor editor;
    VolumeLog volumeLog;
    MediaGraph graph;
    OpenFile openFile;
    IndexList indexList;
    PanelButtons panelButtons;
    // What the panel and the video window recorded of the mouse since the tick last looked.
    ChildWindowInput panelInput{ChildWindow::Panel};
    ChildWindowInput videoInput{ChildWindow::Video};

private:
    PlayerPorts ports_;
    // The commands raised since the last command step; only the command table's rows touch it.
    PendingCommands pending_;
    std::filesystem::path folder_;
    std::vector<std::string> args_;
    PlayerKeyActions keyActions_{*this, ports_.windows};
    PlayerPanelActions panelActions_{*this, ports_.windows, ports_.keys};
    PartCommands partCommands_{*this};
    GraphWheelMedia wheelMedia_{graph, playback};

protected:
    KeyboardPoll keyboard{state, settings, ports_.keys, keyActions_, abLoop};
    WheelSeek wheel{state, partCommands_, settings, ports_.keys, wheelMedia_, keyboard.Gate()};
    PanelMouse mouse{state, pending_, progressBar, settings, panelButtons, panelActions_, abLoop};
    VolumeControl volume;
    ResumeMemory resume;
    VideoLayout layout;
    PanelPresenter presenter;
    Playback playback;
    DropIntake drop;
    EditorBridge editorBridge;
    TimedLines lines;
    MediaTracks tracks;
    PopupMenus popups;
    SavedFiles files;
    SettingsBridge settingsBridge;

private:
    friend class PlayerView;
    // The key and panel actions hand the inputs' commands in and read a few records.
    friend class PlayerKeyActions;
    friend class PlayerPanelActions;
    friend class PartCommands;

    // The command table, in the order of the command step; RowOf finds a command's row.
    static std::span<const CommandRow> CommandRows();
    friend const CommandRow& RowOf(const AnyCommand& command);
    // A command's row carries it out now or marks it for the command step.
    void Dispatch(AnyCommand& command);
    void HandIn(const HandInFiles& handed);
    void RunEditorCommand(EditorAction action);
    void FirstTick();
    void LayoutCountdownStep();
    void LayoutStep();
    void DelayedStartStep();
    void KeyboardStep();
    void SourceRectStep();
    // The due rows of the command table, in its order.
    void CommandStep();
    void RunSearch(SearchPhase& searchState, bool& indicator, OneShotSearch oneShotValue, SeekMode direction,
                   int playSpeed, int pauseSpeed);
    void ChildWindowInputStep();
    void ExitSequence();
    bool StartRushes() const;
    void RushStart();

    bool ended_ = false;
    int rushedTicks_ = 0;
    bool inTick_ = false;
    bool exitAsked_ = false;
    bool activationPending_ = false;
    IdleInhibit idleInhibit_{ports_.screenSaver};
};

}  // namespace felux
