// How the whole-program bench runs the two players alike: fresh data folders, turns, waits.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "settings/PlayerSettings.h"
#include "settings/SettingsFile.h"
#include "whole_program/Processes.h"

namespace felux::bench {

inline constexpr auto kPoll = 10ms;
inline constexpr auto kGiveUp = 60s;

struct Paths {
    std::string felux, clip, listFolder, home;
};

// Round k's two runs, mpv first in even rounds: alternating spreads any drift of the machine over both.
template <typename Mpv, typename Felux>
inline void InTurn(int k, Mpv runMpv, Felux runFelux) {
    if (k % 2 == 0) {
        runMpv();
        runFelux();
    } else {
        runFelux();
        runMpv();
    }
}

inline std::vector<std::string> FeluxEnv(const Paths& p, const std::string& vo) {
    return {"FELUX_HOME=" + p.home, "XDG_RUNTIME_DIR=" + p.home, "FELUX_VO=" + vo, "FELUX_AO=null"};
}

// A fresh data folder for each run, so that no run inherits another's settings or list.
inline void FreshHome(const Paths& p) {
    std::error_code ec;
    fs::remove_all(p.home, ec);
    fs::create_directories(p.home, ec);
}

// A fresh data folder whose list does not repeat: the player closes the clip at its end, as mpv
// does, instead of opening it again.
inline void FreshHomePlayingOnce(const Paths& p) {
    FreshHome(p);
    std::error_code ec;
    fs::copy_file(fs::path(FELUX_SOURCE_DIR) / "resources" / felux::kKeyListFileName,
                  fs::path(p.home) / felux::kKeyListFileName, ec);
    felux::PlayerSettings settings;
    settings.repeatList = 0;
    if (!felux::SaveSettingsFile(settings, p.home)) std::fprintf(stderr, "could not write the settings in %s\n", p.home.c_str());
}

struct PlayRun {
    double cpu = 0, peakMiB = 0, seconds = 0;
};

// Waits for a condition, polling; the seconds since the child's exec, or nothing.
inline std::optional<double> WaitFor(Child& child, const std::function<bool()>& shown) {
    while (Since(child.Started()) < 20.0) {
        if (!child.Alive()) return std::nullopt;
        if (shown()) return Since(child.Started());
        std::this_thread::sleep_for(2ms);
    }
    return std::nullopt;
}

// Exec to the moment the clip is closed again (played to its end), read from /proc alike for both.
inline std::optional<PlayRun> PlayThrough(Child& child, const std::string& clip, std::chrono::seconds giveUp = kGiveUp) {
    bool opened = false;
    PlayRun run;
    while (Since(child.Started()) < std::chrono::duration<double>(giveUp).count()) {
        if (!child.Alive()) return std::nullopt;
        const double cpu = ProcessCpu(child.Pid());
        const double peak = ProcessMemory(child.Pid(), "VmHWM");
        const bool open = OpenFileIn(child.Pid(), clip).has_value();
        if (open) opened = true;
        if (opened && !open) return run;
        run = {cpu, peak, Since(child.Started())};
        std::this_thread::sleep_for(kPoll);
    }
    return std::nullopt;
}

}  // namespace felux::bench
