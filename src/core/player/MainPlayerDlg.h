// The main window's behaviour: start-up, the 40 ms tick, the layout step and the exit sequence.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/VolumeLog.h"
#include "platform/DisplayModes.h"
#include "platform/KeyState.h"
#include "platform/WindowSystem.h"
#include "player/PlayerState.h"
#include "playlist/History.h"
#include "playlist/Playlist.h"
#include "settings/PlayerSettings.h"

namespace felux {

struct PlayerPorts {
    WindowSystem& windows;
    KeyState& keys;
    DisplayModes& displayModes;
};

inline constexpr int kMainWidth = 407;
inline constexpr int kMainHeight = 50;
inline constexpr const char* kMainTitle = " ◎ FELUX";
inline constexpr const char* kCurrentListName = "KR01.tob";
inline constexpr const char* kHistoryName = "HIS.tob";
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
    // The canvas reached the screen: the next tick may compose another frame.
    void OnPaint();

    // True once the exit sequence has run: the program ends.
    bool Ended() const { return ended_; }

    PlayerState state;
    PlayerSettings settings;
    Playlist playlist;
    History history;
    VolumeLog volumeLog;

    // The shape of the panel and main window: one span per row, inclusive ends made exclusive.
    static std::vector<Rect> PanelRegion();

protected:
    // Operations of subsystems that are not built yet; each is empty until its
    // subsystem lands. Virtual so that tests can watch the order of the tick.
    virtual void CreateGraph() {}
    virtual void Shuffle() {}
    virtual void CloseMedia() {}
    virtual void OpenCurrent() {}
    virtual void StartPlayback() {}
    virtual void Next() {}
    virtual bool CheckSegment() { return false; }
    virtual void CheckABRepeat() {}
    virtual int PollGraphEvent() { return 0; }
    virtual void SetVideoWindowPosition() {}
    virtual void RunPendingCommands() {}
    virtual void ApplySourceRect() {}
    virtual void ApplyVideoLayout() {}
    virtual void HandlePanelMouse() {}
    virtual bool SkinDragActive() { return false; }
    virtual int PanelQuery(int) { return 0; }
    virtual void PanelResetNotch() {}
    virtual int VideoInput(int) { return 0; }
    virtual void VideoInputReset(int) {}
    virtual int QueryEditorState(int) { return 0; }
    virtual void ClearEditorRequest(int) {}
    virtual void LayoutEditor() {}
    virtual void PushEditorSettings() {}
    virtual void DestroyEditor() {}
    virtual void DrawPanel() {}
    virtual void CreateImages() {}
    virtual void LoadVolumeLog();
    virtual void SaveVolumeLog();
    virtual void ApplyStartupVolume();
    virtual void RestoreStartupVolume() {}
    virtual void ReleaseMouseButtons() {}
    virtual bool LoadList(const std::filesystem::path& file);
    virtual void PollKeyboard();

    PlayerPorts ports_;

private:
    void FirstTick();
    void LayoutStep();
    void ExitSequence();
    void ExchangeWithEditor();
    void LoadSettings();
    void SaveSettings();
    void SettingsPreamble();

    std::filesystem::path folder_;
    std::vector<std::string> args_;
    bool ended_ = false;
};

}  // namespace felux
