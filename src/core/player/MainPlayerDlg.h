// The main window's behaviour: start-up, the 40 ms tick, the layout step and the exit sequence.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "engine/AudioInfo.h"
#include "engine/MediaGraph.h"
#include "engine/Volume.h"
#include "engine/VolumeLog.h"
#include "input/KeyboardPoll.h"
#include "model/PlayerState.h"
#include "platform/DisplayModes.h"
#include "platform/EditorPorts.h"
#include "platform/KeyState.h"
#include "platform/MediaEngine.h"
#include "platform/PixelSink.h"
#include "platform/ScreenSaver.h"
#include "platform/SystemVolume.h"
#include "platform/WindowSystem.h"
#include "player/IdleInhibit.h"
#include "player/PlayerInput.h"
#include "playlist/FolderScan.h"
#include "playlist/History.h"
#include "playlist/IndexList.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistEditor.h"
#include "settings/PlayerSettings.h"
#include "settings/SettingsDialogs.h"
#include "skin/PanelButtons.h"
#include "skin/PanelRenderer.h"
#include "video/VideoSize.h"
#include "wheel/WheelSeek.h"

namespace felux {

struct PlayerPorts {
    WindowSystem& windows;
    KeyState& keys;
    DisplayModes& displayModes;
    MediaEngine& media;
    SystemVolume& systemVolume;
    FailureReporter reportFailure;
    // Draws the title and the timed text; without one they stay blank.
    TextPainter* text = nullptr;
    SettingsDialogs* settingsDialogs = nullptr;  // none: CONFIG opens nothing
    // Without them the editor, the file chooser and the pop-up menus stay shut.
    EditorWindow* editorWindow = nullptr;
    PlaylistDialogs* dialogs = nullptr;
    ScreenSaver* screenSaver = nullptr;  // none: the desktop may blank during a video
};

// Where a drop of files landed.
enum class DropTarget { Main, Editor };

// The volume log's operations, by the numbers the rest of the player uses.
enum class VolumeMode { Load = 0, Save = 1, LookUp = 3, RecordOnLeave = 4, Register = 5, Forget = 6,
                        ApplyToWaveOut = 7, ApplyToGraph = 8 };

// What the player knows about the open file.
struct OpenFile {
    std::string path;      // without a segment suffix
    std::string nameKey;   // name without folder and extension
    std::string folder;    // with its trailing "/"
    std::string fullEntry; // the whole playlist entry, suffix included
    std::optional<AudioFileInfo> audioInfo;  // set for ".mp3" and ".rmp"
    std::vector<std::string> infoLines;
    std::string titleLine;
    std::string trackTitle;  // for desktops: the entry's own title, else the tag's, else nameKey
};

inline constexpr int kMainWidth = 407;
inline constexpr int kMainHeight = 50;
inline constexpr const char* kMainTitle = " ◎ FELUX";
// The editor's "I closed" message and its one meaningful wParam.
inline constexpr int kEditorClosedMessage = 0x400 + 11;
inline constexpr int kEditorClosedCode = 20;

class MainPlayerDlg {
public:
    MainPlayerDlg(PlayerPorts ports, std::filesystem::path programFolder, std::vector<std::string> args);
    virtual ~MainPlayerDlg() = default;
    MainPlayerDlg(const MainPlayerDlg&) = delete;
    MainPlayerDlg& operator=(const MainPlayerDlg&) = delete;

    bool OnInitDialog();
    // One tick of the 40 ms timer, whatever the timer id.
    void OnTimer();
    // Enter and Escape never close the main window.
    void OnOK() {}
    void OnCancel() {}
    int OnEditorMessage(int wParam);
    // Files and folders dropped from the desktop. button: 1 left, 2 right, 0 not seen
    // during the drag (the keyboard poll's last button decides).
    void OnDropFiles(std::vector<std::string> paths, DropTarget target, int button);
    // The pop-up menu closed: the chosen item's number, 0 when dismissed. Carried out by the next tick.
    void OnPopupChosen(int id);
    // The FILE button's chooser closed: the chosen path, nothing on Cancel. Carried out by the next tick.
    void OnFileChosen(std::optional<std::string> path);
    // A drop is still being scanned into the playlist.
    bool DropScanning() const { return drop_.Running(); }
    // The canvas reached the screen: the next tick may compose another frame.
    void OnPaint();
    // A wheel notch for the main window itself; only the sign of delta counts.
    void OnMouseWheel(int delta);
    // The main window moved to (x, y) on the screen.
    void OnMove(int x, int y);
    // The application became active or inactive.
    void OnActivateApp(bool active);
    // 1 minimised, 2 video only; only from the normal mode.
    void EnterWindowMode(int mode);
    // A double click on the main window: leaves video-only mode, or enters it.
    void OnMainDoubleClick();
    // The desktop brought the minimised main window back (taskbar, window switcher): the
    // player is in its normal mode again, whatever mode minimised it.
    void OnMainRestored();
    // The settings dialog ended: its members after OK, nullopt after Cancel.
    void SettingsDialogClosed(const std::optional<SettingsForm>& result);
    bool SettingsDialogOpen() const { return settingsDialogOpen_; }
    // Shows the last composed panel frame.
    void PaintPanel(PixelSink& sink) const { panel.PaintTo(sink); }
    // The timed text's strip along the bottom of the video window, width x height,
    // when there is one; nothing otherwise.
    void PaintTimedTextStrip(PixelSink& sink, int width, int height) const;

    // True once the exit sequence has run: the program ends.
    bool Ended() const { return ended_; }
    // Asks for the exit sequence at the end of the next tick, as the quit keys do; asked for
    // before the first tick, it is not lost to the first tick's reset.
    void RequestExit();
    // Writes the history, the volume log, the current list and the settings as they stand and
    // tells once what could not be written. Touches no window, display or engine, so it also
    // serves when the display is gone; the exit sequence saves through it too.
    bool SaveFiles();

    PlayerState state;
    PlayerSettings settings;
    Playlist playlist;
    History history;
    PlaylistEditor editor;
    VolumeLog volumeLog;
    MediaGraph graph;
    OpenFile openFile;
    IndexList indexList;
    std::vector<int> shuffleOrder;
    int shufflePosition = 0;
    bool openedOnce = false;  // an entry was opened at least once: the volume log may write

    PanelRenderer panel;
    PanelButtons panelButtons;
    // What the panel and the video window recorded of the mouse since the tick last looked.
    PanelWnd panelInput{ChildWindow::Panel};
    PanelWnd videoInput{ChildWindow::Video};

    void Previous();
    void VolumeLogMode(VolumeMode mode);
    // Applies the level with the method the settings choose.
    void ApplyVolume();

    // The shape of the panel and main window: one span per row, inclusive ends made exclusive.
    static std::vector<Rect> PanelRegion();

protected:
    // Operations of subsystems that are not built yet; each is empty until its
    // subsystem lands. Virtual so that tests can watch the order of the tick.
    virtual void CreateGraph();
    virtual void Shuffle();
    virtual void CloseMedia();
    virtual void OpenCurrent();
    virtual void StartPlayback();
    virtual void Next();
    virtual bool CheckSegment();
    virtual void CheckABRepeat();
    virtual int PollGraphEvent();
    virtual void SetVideoWindowPosition();
    virtual void RunPendingCommands();
    virtual void ApplySourceRect();
    virtual void ApplyVideoLayout();
    virtual void ComputeVideoSize(bool force);
    virtual void ApplyVideoRegions();
    virtual void LeaveFullScreen();
    virtual void FullScreenStates();
    virtual void VideoOnlyStep();
    virtual void WheelSeekStep();
    virtual void OpenFileCommand();
    virtual void ToggleEditor();
    virtual void OpenSettingsDialog();
    virtual void MarkEditorCurrent(int index);
    virtual void LoadIndexText();
    virtual void DrawTitleStrip();
    // The timed text's font settings may have changed (settings dialog OK): the title and the
    // current line are drawn again in the new font.
    virtual void TimedTextFontChanged();
    virtual void ShowPopupMenu(PopupMenu menu, ScreenPoint at);
    virtual bool FullScreenPanelHidden();
    virtual void MouseVolumeChanged();
    // +1 one zoom level up, -1 down.
    virtual void ZoomStep(int direction);
    virtual void AspectChanged();
    // Scan lines, their pattern or the line mask changed.
    virtual void VideoRegionsChanged();
    // The key searches light BACK (-1) or NEXT (+1) as a held button would.
    virtual void ShowSearchIndicator(int direction);
    virtual void HandlePanelMouse();
    virtual bool SkinDragActive();
    virtual int PanelQuery(int query);
    virtual void PanelResetNotch();
    virtual int VideoInput(int query);
    virtual void VideoInputReset(int kind);
    virtual int QueryEditorState(int code);
    virtual void ClearEditorRequest(int which);
    virtual void LayoutEditor();
    virtual void PushEditorSettings();
    virtual void DestroyEditor();
    // Composes the panel when it would change; the part of it that changed, if any.
    virtual std::optional<Rect> DrawPanel();
    virtual void CreateImages();
    virtual void LoadVolumeLog();
    // False when the file could not be written.
    virtual bool SaveVolumeLog();
    virtual void ApplyStartupVolume();
    virtual void RestoreStartupVolume();
    virtual void ReleaseMouseButtons();
    virtual bool LoadList(const std::filesystem::path& file);
    virtual void PollKeyboard();

    PlayerPorts ports_;
    PlayerKeyActions keyActions_{*this};
    GraphWheelMedia wheelMedia_{graph};
    PlayerVolumeRecord volumeRecord_{*this};
    PlayerPanelActions panelActions_{*this};
    PlayerFullScreenPort fullScreenPort_{*this};

public:
    KeyboardPoll keyboard{state, settings, ports_.keys, keyActions_};
    WheelSeek wheel{state, settings, ports_.keys, wheelMedia_};
    PanelMouse mouse{state, settings, panelButtons, panelActions_};
    FullScreenController fullScreen{fullScreenPort_, ports_.displayModes};

protected:
    friend class PlayerKeyActions;
    friend class PlayerPanelActions;
    friend class PlayerFullScreenPort;

private:
    // The picture before zoom, after the aspect preset.
    VideoSize PictureSize() const;
    // What the video size follows now: picture, zoom, screen and, windowed, the work area.
    VideoSizeInput VideoSizeRequest();
    Size WorkAreaSize();
    // The screen the layout fills: the display mode's size while full screen switched it.
    Size LayoutScreen();
    void ArrangePanelForLayout();
    void PlaceEditorWindow();
    void EnterFullScreen();
    void ApplyFullScreenEffects(const FullScreenEffects& effects);
    void OpenAtCurrentIndex();
    bool RemoveMissingEntries();
    void PrepareOpenedFile(const std::string& entry);
    void CollapseVideoWindow();
    // Takes the video window's position when the user moved it; a place the window manager
    // imposed is not the user's choice.
    void RememberVideoPosition();
    void KeepPanelAboveVideo();
    // The current entry becomes index, and the editor's mark moves with it.
    void MoveCurrent(int index);
    void OpenIfPlaying();
    void RunSearch(SearchPhase& searchState, bool& indicator, OneShotSearch oneShotValue, int direction, int playSpeed,
                   int pauseSpeed);
    VolumeLogOptions VolumeOptions() const;
    CurrentFile VolumeFile() const;
    void FirstTick();
    void LayoutStep();
    void ExitSequence();
    struct SaveResult {
        bool saved;
        const char* file;
    };
    // One message naming the data files of a round of saves that could not be written.
    void ReportUnsaved(std::initializer_list<SaveResult> results) const;
    void ExchangeWithEditor();
    // The skin font of the settings, for the title and the timed text.
    TextFont SkinFont() const;
    bool TimedTextShown() const;
    // After a file ended on an error (reported, one line): true once every entry has, in a row.
    bool EveryEntryFailedInTurn();
    void CloseEditorWindow();
    void DropStep();
    void FinishDrop();
    void CancelDrop();
    void TakePopupChoice();
    void TakeFileChoice();
    void LoadSettings();
    bool SaveSettings();
    void SettingsPreamble();
    void ApplyTopmost();

    std::filesystem::path folder_;
    std::vector<std::string> args_;
    bool ended_ = false;
    bool exitAsked_ = false;
    bool openingGuard_ = false;
    bool openingBusy_ = false;  // with closing_: activation starts no relayout meanwhile
    bool closing_ = false;
    bool settingsDialogOpen_ = false;
    bool activationPending_ = false;
    int failedEndsInTurn_ = 0;  // files that ended on an error one after the other
    Rect panelChangedArea_;     // of the composed frame waiting for its paint
    StartupVolume startupVolume_;
    VideoPlacement videoPlacement_;
    VideoWindowLayout videoLayout_;
    Size fullScreenScreen_;
    bool videoTopmost_ = false;  // the video window was kept on top in video-only mode
    DropScan drop_;
    DropTarget dropTarget_ = DropTarget::Main;
    bool dropReplaces_ = false;
    std::size_t dropFrom_ = 0;  // the count before the drop: its entries start here
    int dropTicks_ = 0;
    // The open pop-up menu: what its items stand for, and the answer once it closed.
    struct OpenPopup {
        PopupMenu menu = PopupMenu::Playlist;
        int first = 0;                     // playlist menu: the entry of item 1
        std::vector<std::string> history;  // history menu: the paths as shown
    };
    std::optional<OpenPopup> popup_;
    std::optional<int> popupChoice_;
    bool fileChooserOpen_ = false;
    std::optional<std::optional<std::string>> fileChoice_;
    IdleInhibit idleInhibit_{ports_.screenSaver};
};

}  // namespace felux
