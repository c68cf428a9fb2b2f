// A real player on fake ports, with media files that exist on disk and are known to the fake engine.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FakeDisplayModes.h"
#include "FakeEditorPorts.h"
#include "FakeMediaEngine.h"
#include "FakeScreenSaver.h"
#include "FakeSettingsDialogs.h"
#include "FakeSystemVolume.h"
#include "FakeWindowSystem.h"
#include "StepClock.h"
#include "KeyListText.h"
#include "TempFolder.h"
#include "TestPlayer.h"
#include "input/KeyLatch.h"
#include "player/Player.h"
#include "settings/SettingsFile.h"

namespace felux::test {

class PlayerHarness {
public:
    PlayerHarness() { folder.Write(kKeyListFileName, KeyListText()); }

    // A file on disk that the fake engine can render.
    std::string AddMedia(const std::string& name, FakeMedia media = {}) {
        const std::string path = folder.Write(name, "media").string();
        engine.files[path] = media;
        return path;
    }

    // Starts with the given entries as the playlist; nothing opens on the first tick.
    // configure runs on the loaded settings before the first tick; args is the command line.
    TestPlayer& Start(const std::vector<std::string>& entries, bool openOnStart = false,
                      const std::function<void(PlayerSettings&)>& configure = {},
                      std::vector<std::string> args = {}) {
        player = std::make_unique<TestPlayer>(
            PlayerPorts{windows, keys, modes, engine, systemVolume, [this](const std::string& t) { reports.push_back(t); },
                        nullptr, &settingsDialogs, &editorWindow, &dialogs, &screenSaver, [this] { ++wakes; },
                        clock.Source(), [] { return 20261209u; }},
            folder.path(), std::move(args));
        player->Start();
        player->settings.noPlayOnStart = openOnStart ? 0 : 1;
        if (configure) {
            configure(player->settings);
            player->layout.SetZoom({player->settings.windowZoomStep, player->settings.fullScreenZoomStep});
        }
        for (const std::string& e : entries) player->playlist.AppendPath(e);
        Tick();
        return *player;
    }

    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            player->Tick();
            player->OnPanelPainted();
        }
    }

    // Ticks until the opened file has been laid out and started.
    void TickUntilStarted() {
        for (int i = 0; i < 20 && player->state.playback.startState != StartState::Idle; ++i) Tick();
        Tick(2);
    }

    // Ticks until a new size is laid out and the keys' lockout has run out; false if it never did.
    bool TickUntilSettled() {
        const PlayerState& s = player->state;
        for (int i = 0; i < 60 && (player->layout.Timer().Running() || player->keyboard.Gate().Locked() || s.requests.newVideoSize); ++i)
            Tick();
        return !player->keyboard.Gate().Locked();
    }

    TempFolder folder;
    FakeWindowSystem windows;
    KeyLatch keys;
    FakeDisplayModes modes;
    FakeMediaEngine engine;
    FakeSystemVolume systemVolume;
    FakeSettingsDialogs settingsDialogs;
    FakeEditorWindow editorWindow;
    FakeDialogs dialogs;
    FakeScreenSaver screenSaver;
    StepClock clock;
    std::vector<std::string> reports;
    int wakes = 0;  // ticks the player asked to have brought forward
    std::unique_ptr<TestPlayer> player;
};

}  // namespace felux::test
