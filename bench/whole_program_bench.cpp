// Compares the whole player with the mpv program as a user runs them: CPU and peak memory over a
// clip played to its end, idle CPU, start-up to the panel and to the first frame, memory over a
// long list, and keeping time with a 4K HEVC clip on a loaded machine. Run it through
// whole_program.sh, which prepares the clips and the X server.
// Usage: bench_whole_program FELUX CLIP LIST-FOLDER [runs] [idle-seconds] [parts: play,start,seek,smooth,idle,list,4k]
// The 4k part plays clip-4k.mp4 from CLIP's folder.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "whole_program/LineFeed.h"
#include "whole_program/PlayerScripts.h"
#include "whole_program/Players.h"
#include "whole_program/Processes.h"
#include "whole_program/ScreenWatch.h"
#include "whole_program/Seek.h"
#include "whole_program/Smooth.h"

namespace {

using namespace felux::bench;

// A frame lasts 40 ms: the list is looked at more often, so that a first frame is seen soon.
constexpr auto kListPoll = 5ms;
constexpr int kStartRounds = 5;
constexpr int kStartRuns = 5;
constexpr double kStartGoalMs = 20;
constexpr int kListSample = 10;
constexpr int kListEntries = 200;
// The length of each list entry, as whole_program.sh makes it.
constexpr double kListClipSeconds = 0.6;
constexpr double kPlayCpuGoal = 1.10;
constexpr double kPlayPeakGoalMiB = 15;
constexpr double kIdleGoalPercent = 0.3;
constexpr double kListCpuGoal = 1.05;
constexpr double kListRssGoalMiB = 15;


void Playing(const Paths& p, const std::string& vo, int runs) {
    std::vector<double> mpvCpu, mpvPeak, mpvSec, fCpu, fPeak, fSec, ratios;
    for (int k = 0; k < runs; ++k) {
        std::optional<PlayRun> m, f;
        auto runMpv = [&] {
            Child mpv({"/usr/bin/mpv", "--no-config", "--ao=null", "--vo=" + vo, p.clip}, {});
            m = PlayThrough(mpv, p.clip);
        };
        auto runFelux = [&] {
            FreshHomePlayingOnce(p);
            Child felux({p.felux, p.clip}, FeluxEnv(p, vo));
            f = PlayThrough(felux, p.clip);
        };
        InTurn(k, runMpv, runFelux);
        if (!m || !f) {
            std::printf("  run %d: %s did not play the clip through\n", k + 1, m ? "FELUX" : "mpv");
            continue;
        }
        mpvCpu.push_back(m->cpu), mpvPeak.push_back(m->peakMiB), mpvSec.push_back(m->seconds);
        fCpu.push_back(f->cpu), fPeak.push_back(f->peakMiB), fSec.push_back(f->seconds);
        ratios.push_back(m->cpu > 0 ? f->cpu / m->cpu : 0);
    }
    std::printf("vo=%s, %zu runs, min / median / max\n", vo.c_str(), ratios.size());
    std::printf("  CPU s      FELUX %s   mpv %s   ratio %s\n", Show(SpreadOf(fCpu), "%.2f").c_str(),
                Show(SpreadOf(mpvCpu), "%.2f").c_str(), Show(SpreadOf(ratios), "%.3f").c_str());
    std::printf("  peak MiB   FELUX %s   mpv %s   difference of medians %.1f\n",
                Show(SpreadOf(fPeak), "%.1f").c_str(), Show(SpreadOf(mpvPeak), "%.1f").c_str(),
                SpreadOf(fPeak).median - SpreadOf(mpvPeak).median);
    std::printf("  wall s     FELUX %s   mpv %s\n", Show(SpreadOf(fSec), "%.2f").c_str(),
                Show(SpreadOf(mpvSec), "%.2f").c_str());
    if (ratios.empty()) return;
    const double ratio = SpreadOf(ratios).median, peakApart = SpreadOf(fPeak).median - SpreadOf(mpvPeak).median;
    std::printf("  goal: CPU within %.2fx of mpv's: %s; peak within %.0f MiB of mpv's: %s\n", kPlayCpuGoal,
                ratio <= kPlayCpuGoal ? "met" : "MISSED", kPlayPeakGoalMiB, peakApart <= kPlayPeakGoalMiB ? "met" : "MISSED");
}


// Exec to the panel on screen: the first look at the panel window that already matches, in nine
// pixels of ten, what it shows two seconds later (a mapped but unpainted window does not count).
std::optional<double> PanelTime(Child& child, ScreenWatch& screen) {
    std::vector<std::pair<double, std::vector<unsigned long>>> looks;
    while (Since(child.Started()) < 2.0 && child.Alive()) {
        if (auto pixels = screen.PanelPixels(); pixels && (looks.empty() || looks.back().second != *pixels))
            looks.emplace_back(Since(child.Started()), std::move(*pixels));
        std::this_thread::sleep_for(2ms);
    }
    const auto settled = screen.PanelPixels();
    if (!settled) return std::nullopt;
    for (const auto& [when, pixels] : looks) {
        if (pixels.size() != settled->size()) continue;
        std::size_t same = 0;
        for (std::size_t k = 0; k < pixels.size(); ++k) same += pixels[k] == (*settled)[k];
        if (same * 10 >= pixels.size() * 9) return when;
    }
    return std::nullopt;
}

void StartUp(const Paths& p, ScreenWatch& screen) {
    std::vector<double> mpvFrame, fFrame, fPanel, fPanelNoFile, mpvRounds, fRounds, mpvRestart, fRestart;
    // Both players tell through the same script when their engine shows the first frame, which
    // the screen may show later, once the window is on it.
    const fs::path folder = fs::temp_directory_path() / ("felux-bench-start-" + std::to_string(getpid()));
    std::error_code ec;
    fs::create_directories(folder, ec);
    LineFeed feed(folder / "restarts");
    const fs::path script = folder / "restarts.lua";
    WriteRestartScript(script, feed.Path());
    // Read while the screen is watched, so that the line is stamped as it comes.
    const auto firstFrame = [&](Child& child, std::vector<double>& shown, std::vector<double>& told) {
        bool heard = false;
        const auto seen = WaitFor(child, [&] {
            if (!heard)
                if (const auto restart = feed.Next("restart", 0ms)) {
                    heard = true;
                    told.push_back(std::chrono::duration<double, std::milli>(restart->at - child.Started()).count());
                }
            return screen.VideoShown();
        });
        if (seen) shown.push_back(*seen * 1000);
    };
    // The last run's windows must be gone before the next one is timed.
    auto clearScreen = [&] {
        for (int i = 0; i < 200 && screen.VideoShown(); ++i) std::this_thread::sleep_for(10ms);
    };
    // Rounds of runs, each round's median kept: a burst of load on the shared machine moves one
    // round's median, not the figure.
    for (int r = 0; r < kStartRounds; ++r) {
        std::vector<double> mpvRound, fRound;
        for (int k = 0; k < kStartRuns; ++k) {
            auto runMpv = [&] {
                clearScreen();
                feed.Clear();
                Child mpv({"/usr/bin/mpv", "--no-config", "--ao=null", "--vo=x11", "--script=" + script.string(), p.clip}, {});
                firstFrame(mpv, mpvRound, mpvRestart);
            };
            // The frame is looked for as in mpv's run: watching the panel as well would load the
            // X server, and slow the player's first frame, more than mpv's.
            auto runFelux = [&] {
                clearScreen();
                FreshHome(p);
                feed.Clear();
                std::vector<std::string> env = FeluxEnv(p, "x11");
                env.push_back("FELUX_MPV_SCRIPT=" + script.string());
                Child felux({p.felux, p.clip}, env);
                firstFrame(felux, fRound, fRestart);
            };
            InTurn(r * kStartRuns + k, runMpv, runFelux);
            if (r == 0) {
                clearScreen();
                FreshHome(p);
                {
                    Child felux({p.felux, p.clip}, FeluxEnv(p, "x11"));
                    if (auto s = PanelTime(felux, screen)) fPanel.push_back(*s * 1000);
                }
                FreshHome(p);
                Child felux({p.felux}, FeluxEnv(p, "x11"));
                if (auto s = PanelTime(felux, screen)) fPanelNoFile.push_back(*s * 1000);
            }
            std::this_thread::sleep_for(300ms);
        }
        if (!mpvRound.empty()) mpvRounds.push_back(SpreadOf(mpvRound).median);
        if (!fRound.empty()) fRounds.push_back(SpreadOf(fRound).median);
        mpvFrame.insert(mpvFrame.end(), mpvRound.begin(), mpvRound.end());
        fFrame.insert(fFrame.end(), fRound.begin(), fRound.end());
    }
    std::printf("start-up, vo=x11, %d rounds of %d runs, ms min / median / max\n", kStartRounds, kStartRuns);
    std::printf("  exec to first frame   FELUX %s   mpv %s   (all runs)\n", Show(SpreadOf(fFrame), "%.0f").c_str(),
                Show(SpreadOf(mpvFrame), "%.0f").c_str());
    const double difference = SpreadOf(fRounds).median - SpreadOf(mpvRounds).median;
    std::printf("  round medians         FELUX %s   mpv %s   difference of medians %.0f\n",
                Show(SpreadOf(fRounds), "%.0f").c_str(), Show(SpreadOf(mpvRounds), "%.0f").c_str(), difference);
    std::printf("  goal: first frame within %.0f ms of mpv's: %s\n", kStartGoalMs,
                fRounds.empty() || mpvRounds.empty() ? "not measured" : difference <= kStartGoalMs ? "met" : "MISSED");
    std::printf("  exec to the engine's first frame (its restart event), all runs: FELUX %s   mpv %s\n",
                Show(SpreadOf(fRestart), "%.0f").c_str(), Show(SpreadOf(mpvRestart), "%.0f").c_str());
    std::printf("  exec to panel         with the clip %s   without a file %s\n", Show(SpreadOf(fPanel), "%.0f").c_str(),
                Show(SpreadOf(fPanelNoFile), "%.0f").c_str());
    fs::remove_all(folder, ec);
}

// CPU per second of wall time over a stretch, in percent of one core.
double CoreShare(pid_t pid, double seconds) {
    const double cpu0 = ThreadsCpu(pid);
    const auto t0 = Clock::now();
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    return (ThreadsCpu(pid) - cpu0) / Since(t0) * 100;
}

// Exec, the first frame, then Space (held over a few ticks, which poll the keys; the player takes
// keys a little after playback starts); true once paused.
bool PauseAfterStart(Child& felux, ScreenWatch& screen) {
    if (!WaitFor(felux, [&] { return screen.VideoShown(); })) return false;
    std::this_thread::sleep_for(1500ms);
    return std::system("xdotool keydown space; sleep 0.15; xdotool keyup space") == 0;
}

void Idle(const Paths& p, ScreenWatch& screen, double seconds) {
    // The title scrolls in and fades out after its first pass (the long one in about ten seconds),
    // and the panel then rests: "paused" is measured at rest, "paused in the title's first pass"
    // a second after the pause, while the clip's shorter title still moves and fades.
    const fs::path wide = fs::path(p.clip).parent_path() / "A clip whose title is wider than the display.mp4";
    std::error_code ec;
    if (!fs::exists(wide, ec)) fs::create_hard_link(p.clip, wide, ec);
    std::vector<double> noFile, paused, scrolling, noFilePeak;
    for (int k = 0; k < 3; ++k) {
        {
            FreshHome(p);
            Child felux({p.felux}, FeluxEnv(p, "x11"));
            if (WaitFor(felux, [&] { return screen.PanelPixels().has_value(); })) {
                std::this_thread::sleep_for(2s);
                noFile.push_back(CoreShare(felux.Pid(), seconds));
                noFilePeak.push_back(ProcessMemory(felux.Pid(), "VmHWM"));
            }
        }
        {
            FreshHome(p);
            Child felux({p.felux, wide.string()}, FeluxEnv(p, "x11"));
            if (PauseAfterStart(felux, screen)) {
                std::this_thread::sleep_for(12s);
                paused.push_back(CoreShare(felux.Pid(), seconds));
            }
        }
        {
            FreshHome(p);
            Child felux({p.felux, p.clip}, FeluxEnv(p, "x11"));
            if (PauseAfterStart(felux, screen)) {
                std::this_thread::sleep_for(1s);
                scrolling.push_back(CoreShare(felux.Pid(), seconds));
            }
        }
    }
    std::printf("idle, vo=x11, %.0f s each, %% of one core min / median / max\n", seconds);
    std::printf("  no file %s   paused %s   paused in the title's first pass %s\n",
                Show(SpreadOf(noFile), "%.2f").c_str(), Show(SpreadOf(paused), "%.2f").c_str(),
                Show(SpreadOf(scrolling), "%.2f").c_str());
    std::printf("  peak MiB without a file %s\n", Show(SpreadOf(noFilePeak), "%.1f").c_str());
    // The floor: any Qt program woken by a 40 ms timer costs about this much.
    const auto rests = [](const std::vector<double>& v) { return !v.empty() && SpreadOf(v).median <= kIdleGoalPercent; };
    std::printf("  goal: at rest (no file, paused) no more than %.1f %% of a core: %s, %s\n", kIdleGoalPercent,
                rests(noFile) ? "met" : "MISSED", rests(paused) ? "met" : "MISSED");
}

struct ListRun {
    int entries = 0;
    double seconds = 0, cpu = 0;
    // From one entry's open to the next one's, less the clip's own length: the time lost per change.
    std::vector<double> changeMs;
    // From one entry's first frame on the screen to the next one's, less the clip's length: how
    // long the last frame of an entry stayed beyond its own time.
    std::vector<double> frameGapMs;
    std::vector<std::pair<int, double>> rss;
};

// One round of the list: every entry's open seen in /proc, every entry's first frame on the
// screen (the frames' colour alternates), the resident size at every tenth.
ListRun PlayList(Child& child, const std::string& folder, ScreenWatch& screen) {
    ListRun run;
    std::string last;
    const auto start = Clock::now();
    auto lastSeen = start;
    std::optional<Clock::time_point> lastChange, lastFirstFrame;
    Colour lastColour = Colour::Nothing;
    // Between entries no clip is open for a moment; none for three seconds means the player stopped.
    while (child.Alive() && run.entries < kListEntries && Since(start) < 900 && Since(lastSeen) < 3.0) {
        if (auto open = OpenFileIn(child.Pid(), folder + "/e")) {
            const auto now = Clock::now();
            lastSeen = now;
            if (*open != last) {
                last = *open;
                ++run.entries;
                if (lastChange)
                    run.changeMs.push_back((std::chrono::duration<double>(now - *lastChange).count() - kListClipSeconds) *
                                           1000);
                lastChange = now;
                run.seconds = Since(start);
                if (run.entries % kListSample == 0) run.rss.emplace_back(run.entries, ProcessMemory(child.Pid(), "VmRSS"));
            }
            run.cpu = ProcessCpu(child.Pid());
        }
        if (const Colour shown = screen.FrameColour(); shown != Colour::Nothing && shown != lastColour) {
            const auto now = Clock::now();
            if (lastFirstFrame && lastColour != Colour::Nothing)
                run.frameGapMs.push_back(
                    (std::chrono::duration<double>(now - *lastFirstFrame).count() - kListClipSeconds) * 1000);
            lastFirstFrame = now;
            lastColour = shown;
        }
        std::this_thread::sleep_for(kListPoll);
    }
    return run;
}

void ShowList(const char* name, const ListRun& run) {
    const Spread change = SpreadOf(run.changeMs);
    const Spread gap = SpreadOf(run.frameGapMs);
    std::printf("  %-5s %d entries, first open to last %.1f s, CPU %.1f s, per change ms median %.0f max %.0f\n", name,
                run.entries, run.seconds, run.cpu, change.median, change.max);
    std::printf("        last frame to the next first frame, %zu changes seen, ms median %.0f max %.0f\n",
                run.frameGapMs.size(), gap.median, gap.max);
    std::printf("        RSS MiB at every %dth entry:", kListSample);
    for (const auto& [n, mib] : run.rss) std::printf(" %d:%.1f", n, mib);
    if (run.rss.size() >= 2)
        std::printf("\n        growth from entry %d to %d: %.1f MiB", run.rss.front().first, run.rss.back().first,
                    run.rss.back().second - run.rss.front().second);
    std::printf("\n");
}

// The list as each program plays it: FELUX from its list file, mpv the same file as its playlist.
void LongList(const Paths& p, ScreenWatch& screen) {
    const fs::path list = fs::path(p.listFolder) / "list.m3u";
    ListRun f, m;
    {
        FreshHome(p);
        Child felux({p.felux, list.string()}, FeluxEnv(p, "x11"));
        // The list repeats by default: one round is measured.
        f = PlayList(felux, p.listFolder, screen);
    }
    {
        Child mpv({"/usr/bin/mpv", "--no-config", "--ao=null", "--vo=x11", list.string()}, {});
        m = PlayList(mpv, p.listFolder, screen);
    }
    std::printf("long list, vo=x11, %d entries of %.1f s\n", kListEntries, kListClipSeconds);
    ShowList("FELUX", f);
    ShowList("mpv", m);
    if (m.seconds <= 0 || m.cpu <= 0 || f.rss.empty() || m.rss.empty()) {
        std::printf("  goal: not measured\n");
        return;
    }
    const double cpuRatio = f.cpu / m.cpu, rssApart = f.rss.back().second - m.rss.back().second;
    std::printf("  list seconds FELUX %.1f  mpv %.1f  ratio %.3f; CPU ratio %.3f; last RSS difference %.1f MiB\n",
                f.seconds, m.seconds, f.seconds / m.seconds, cpuRatio, rssApart);
    std::printf("  goal: CPU within %.2fx of mpv's: %s; last RSS within %.0f MiB of mpv's: %s\n", kListCpuGoal,
                cpuRatio <= kListCpuGoal ? "met" : "MISSED", kListRssGoalMiB, rssApart <= kListRssGoalMiB ? "met" : "MISSED");
}


// The load a shared machine puts beside a player: busy loops, and a build's compilers and disk
// writes. Each loop leads a process group, so that stopping it ends what it was running.
enum class Load { Quiet, BusyLoops, Heavy };

const char* LoadName(Load load) {
    switch (load) {
        case Load::Quiet: return "quiet";
        case Load::BusyLoops: return "two busy loops";
        case Load::Heavy: return "heavy (two busy loops, two compile loops, disk writes)";
    }
    return "";
}

// A C file that takes the compiler about a second at -O2, as a build's files do.
void WriteCompileSource(const fs::path& file) {
    std::ofstream out(file);
    for (int f = 0; f < 400; ++f)
        out << "int f" << f << "(int x) { int s = 0; for (int i = 0; i < x; ++i) s += (i * " << f
            << ") ^ (s >> 3); return s; }\n";
}

std::vector<std::unique_ptr<Child>> StartLoad(Load load, const fs::path& folder) {
    std::vector<std::string> loops;
    if (load != Load::Quiet) loops = {"while :; do :; done", "while :; do :; done"};
    if (load == Load::Heavy) {
        const fs::path source = folder / "load.c";
        WriteCompileSource(source);
        for (int k = 0; k < 2; ++k)
            loops.push_back("while :; do cc -O2 -c '" + source.string() + "' -o '" + folder.string() + "/load" +
                            std::to_string(k) + ".o'; done");
        loops.push_back("while :; do dd if=/dev/zero of='" + folder.string() +
                        "/load.bin' bs=1M count=256 conv=fsync status=none; done");
    }
    std::vector<std::unique_ptr<Child>> running;
    for (const auto& loop : loops) running.push_back(std::make_unique<Child>(std::vector<std::string>{"/bin/sh", "-c", loop},
                                                                             std::vector<std::string>{}, true));
    return running;
}

// The clip's own length, as whole_program.sh makes it.
constexpr double kHevcSeconds = 10.0;
// A loaded machine may take several times the clip's length; past this a run counts as not played.
constexpr auto kHevcGiveUp = 180s;

// A 4K HEVC clip with sound on the X11 output, FELUX and mpv by turns, in each load condition.
void Hevc4k(const Paths& p, int runs) {
    const fs::path clip = fs::path(p.clip).parent_path() / "clip-4k.mp4";
    const fs::path tools = fs::temp_directory_path() / ("felux-bench-load-" + std::to_string(getpid()));
    std::error_code ec;
    fs::create_directories(tools, ec);
    const fs::path script = tools / "drops.lua", drops = tools / "drops.txt";
    WriteDropScript(script, drops);
    for (Load load : {Load::Quiet, Load::BusyLoops, Load::Heavy}) {
        std::vector<double> fWall, mWall, fCpu, mCpu, fDrop, mDrop, ratios;
        int missed = 0;
        {
            const auto loadRunning = StartLoad(load, tools);
            // The loops at full pace before the first player starts.
            std::this_thread::sleep_for(1s);
            for (int k = 0; k < runs; ++k) {
                std::optional<PlayRun> m, f;
                std::optional<double> md, fd;
                auto runMpv = [&] {
                    fs::remove(drops, ec);
                    Child mpv({"/usr/bin/mpv", "--no-config", "--ao=null", "--vo=x11", "--script=" + script.string(),
                               clip.string()},
                              {});
                    m = PlayThrough(mpv, clip.string(), kHevcGiveUp);
                    mpv.Stop();
                    if (auto c = ReadFrameCounts(drops)) md = c->dropped;
                };
                auto runFelux = [&] {
                    FreshHomePlayingOnce(p);
                    fs::remove(drops, ec);
                    std::vector<std::string> env = FeluxEnv(p, "x11");
                    env.push_back("FELUX_MPV_SCRIPT=" + script.string());
                    Child felux({p.felux, clip.string()}, env);
                    f = PlayThrough(felux, clip.string(), kHevcGiveUp);
                    felux.Stop();
                    if (auto c = ReadFrameCounts(drops)) fd = c->dropped;
                };
                InTurn(k, runMpv, runFelux);
                if (!m || !f) {
                    ++missed;
                    std::printf("  run %d: %s did not play the clip through in %.0f s\n", k + 1, m ? "FELUX" : "mpv",
                                std::chrono::duration<double>(kHevcGiveUp).count());
                    continue;
                }
                // Each run as it ends: on a shared machine the spread says as much as the median.
                std::printf("  run %d: wall s FELUX %.2f mpv %.2f, CPU s FELUX %.2f mpv %.2f, dropped FELUX %.0f mpv %.0f\n",
                            k + 1, f->seconds, m->seconds, f->cpu, m->cpu, fd.value_or(-1), md.value_or(-1));
                mWall.push_back(m->seconds), fWall.push_back(f->seconds);
                mCpu.push_back(m->cpu), fCpu.push_back(f->cpu);
                ratios.push_back(m->cpu > 0 ? f->cpu / m->cpu : 0);
                if (md) mDrop.push_back(*md);
                if (fd) fDrop.push_back(*fd);
            }
        }
        std::printf("4k HEVC + AAC, %.0f s, vo=x11, %s: %zu runs, min / median / max\n", kHevcSeconds, LoadName(load),
                    ratios.size());
        if (ratios.empty()) continue;
        std::printf("  wall s     FELUX %s   mpv %s\n", Show(SpreadOf(fWall), "%.2f").c_str(),
                    Show(SpreadOf(mWall), "%.2f").c_str());
        std::printf("  CPU s      FELUX %s   mpv %s   ratio %s\n", Show(SpreadOf(fCpu), "%.2f").c_str(),
                    Show(SpreadOf(mCpu), "%.2f").c_str(), Show(SpreadOf(ratios), "%.3f").c_str());
        std::printf("  dropped    FELUX %s   mpv %s   (%zu and %zu runs counted)\n", Show(SpreadOf(fDrop), "%.0f").c_str(),
                    Show(SpreadOf(mDrop), "%.0f").c_str(), fDrop.size(), mDrop.size());
        // Keeping time: within 10 % of the clip's length, where mpv manages it on the same machine.
        const double limit = kHevcSeconds * 1.10;
        const double fw = SpreadOf(fWall).median, mw = SpreadOf(mWall).median, ratio = SpreadOf(ratios).median;
        const char* wallGoal = mw > limit ? "not set (mpv is behind too)" : fw <= limit ? "met" : "MISSED";
        std::printf("  goal: wall within %.1f s where mpv's is: %s; CPU within 1.10x of mpv's: %s%s\n", limit, wallGoal,
                    ratio <= 1.10 ? "met" : "MISSED", missed ? " (runs missing)" : "");
    }
    fs::remove_all(tools, ec);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s FELUX CLIP LIST-FOLDER [runs] [idle-seconds] [parts]\n", argv[0]);
        return 2;
    }
    // Each figure as soon as it is known: a long run piped to a file shows its progress.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Paths p{argv[1], fs::absolute(argv[2]).string(), fs::absolute(argv[3]).string(),
            (fs::temp_directory_path() / ("felux-bench-" + std::to_string(getpid()))).string()};
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 3;
    const double idleSeconds = argc > 5 ? std::max(1.0, std::atof(argv[5])) : 10.0;
    const std::string parts = argc > 6 ? argv[6] : "play,start,seek,smooth,idle,list,4k";
    auto wanted = [&](const char* part) { return parts.find(part) != std::string::npos; };
    ScreenWatch screen;
    if (!screen.Open()) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    std::printf("clip %s\n", p.clip.c_str());
    if (wanted("play"))
        for (const char* vo : {"null", "x11"}) Playing(p, vo, runs);
    if (wanted("start")) StartUp(p, screen);
    if (wanted("idle")) Idle(p, screen, idleSeconds);
    if (wanted("seek")) Seeking(p, screen, runs);
    if (wanted("smooth")) Smoothness(p, runs);
    if (wanted("list")) LongList(p, screen);
    if (wanted("4k")) Hevc4k(p, runs);
    std::error_code ec;
    fs::remove_all(p.home, ec);
    return 0;
}