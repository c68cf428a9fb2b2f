// A real player on fake ports, with media files that exist on disk and are known to the fake engine.
#pragma once

#include <gtest/gtest.h>

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
#include "playlist/ListFile.h"
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

    // The player built on the ports and started, its settings read or written; no tick yet.
    TestPlayer& Construct(std::vector<std::string> args = {}) {
        player = std::make_unique<TestPlayer>(
            PlayerPorts{windows, keys, modes, engine, systemVolume, [this](const std::string& t) { reports.push_back(t); },
                        nullptr, &settingsDialogs, &editorWindow, &dialogs, &screenSaver, [this] { ++wakes; },
                        clock.Source(), [] { return 20261209u; }},
            folder.path(), std::move(args));
        player->Start();
        return *player;
    }

    // Starts with the given entries as the saved list (when there are any) and a settings file
    // written before the start: configure changes what the folder's file holds, or a new file's
    // values; nothing opens on the first tick unless asked. args is the command line.
    TestPlayer& Start(const std::vector<std::string>& entries, bool openOnStart = false,
                      const std::function<void(PlayerSettings&)>& configure = {},
                      std::vector<std::string> args = {}) {
        PlayerSettings settings;
        LoadSettingsFile(settings, folder.path(), windows.ScreenSize());
        settings.noPlayOnStart = openOnStart ? 0 : 1;
        if (configure) configure(settings);
        WriteSettings(settings);
        if (!entries.empty()) {
            std::string list;
            for (const std::string& e : entries) list += e + "\r\n";
            folder.Write(kCurrentListName, list);
        }
        Construct(std::move(args));
        Tick();
        return *player;
    }

    void WriteSettings(const PlayerSettings& settings) {
        folder.Write(kSettingsFileName, FormatSettings(settings, KeyListText()));
    }

    // Past the first tick with nothing opened; the ports' records start empty.
    TestPlayer& Started(const std::function<void(PlayerSettings&)>& configure = {}) {
        Start({}, false, configure);
        ClearRecords();
        return *player;
    }

    // The entries, as the saved list, open on the first tick and play, with the application active.
    TestPlayer& ReadyForKeys(const std::vector<std::string>& entries) {
        std::string list;
        for (const std::string& e : entries) list += e + "\r\n";
        folder.Write(kCurrentListName, list);
        Construct();
        player->OnActivated(true);
        WaitForKeys();
        return *player;
    }

    // Ticks until the open file plays and the key lockout has run out: the next key is taken.
    void WaitForKeys() {
        for (int i = 0; i < 100 && !(engine.playing && !player->layout.Timer().Running() &&
                                      !player->keyboard.Gate().Locked() && player->state.layout.appActive);
             ++i)
            Tick();
        EXPECT_TRUE(engine.playing);
        ClearRecords();
    }

    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            player->Tick();
            player->OnPanelPainted();
        }
    }

    // One tick with one key held through it.
    void TickWith(int key) {
        keys.Press(key);
        Tick();
        keys.Release(key);
    }

    void ClearRecords() {
        windows.log.clear();
        engine.log.clear();
    }

    // The paths the engine was asked to render, in order.
    std::vector<std::string> Rendered() const {
        std::vector<std::string> out;
        for (const std::string& entry : engine.log)
            if (entry.starts_with("Render ")) out.push_back(entry.substr(7));
        return out;
    }

    // Ticks until the opened file has been laid out and started.
    void TickUntilStarted() {
        for (int i = 0; i < 20 && player->View().StartStage() != StartState::Idle; ++i) Tick();
        Tick(2);
    }

    // Ticks until a new size is laid out and the keys' lockout has run out; false if it never did.
    bool TickUntilSettled() {
        const auto busy = [&] {
            return player->layout.Timer().Running() || player->keyboard.Gate().Locked() || player->Pending().newVideoSize;
        };
        for (int i = 0; i < 60 && busy(); ++i)
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
