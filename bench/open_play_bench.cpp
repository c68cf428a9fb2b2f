// Compares MpvEngine with the mpv program on one clip: time from the open request to playback
// under way, and CPU seconds for a stretch of playback. Usage: bench_open_play [clip] [seconds]
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "mpv/MpvEngine.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kOpenRuns = 5;
// Neither side may take longer than this to get going.
constexpr auto kOpenLimit = 10s;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double CpuSeconds(const rusage& usage) {
    auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return s(usage.ru_utime) + s(usage.ru_stime);
}

double OwnCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return CpuSeconds(usage);
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Begins the open and polls it, 1 ms apart, until it has ended: true when ready.
bool OpenClip(felux::MpvEngine& engine, const std::string& clip) {
    engine.BeginOpen(clip, std::nullopt);
    felux::OpenStatus status = engine.PollOpen();
    for (; status == felux::OpenStatus::Pending; status = engine.PollOpen()) std::this_thread::sleep_for(1ms);
    return status == felux::OpenStatus::Ready;
}

// Open, run, and wait for the position to move: the first frame is on screen and time runs.
std::optional<double> EngineOpenToPlaying(felux::MpvEngine& engine, const std::string& clip) {
    const auto start = Clock::now();
    if (engine.Create() != felux::MediaResult::Ok) return std::nullopt;
    if (!OpenClip(engine, clip)) return std::nullopt;
    engine.Run();
    while (engine.Position() <= felux::MediaTime{}) {
        engine.TakeCompletion();
        if (Clock::now() - start > kOpenLimit) return std::nullopt;
        std::this_thread::sleep_for(1ms);
    }
    const double seconds = SecondsSince(start);
    engine.Release();
    return seconds;
}

// CPU of this process (mpv's threads included) for the whole stretch, opens included; a clip
// shorter than the stretch is opened again at its end, as the player moves to the next entry.
std::optional<double> EngineCpuFor(const std::string& clip, double seconds, int& opens) {
    felux::MpvEngine engine;
    const double cpuStart = OwnCpuSeconds();
    const auto start = Clock::now();
    opens = 0;
    auto open = [&] {
        ++opens;
        return engine.Create() == felux::MediaResult::Ok && OpenClip(engine, clip) &&
               engine.Run() == felux::MediaResult::Ok;
    };
    if (!open()) return std::nullopt;
    while (SecondsSince(start) < seconds) {
        if (engine.TakeCompletion() && !open()) return std::nullopt;
        std::this_thread::sleep_for(40ms);
    }
    engine.Release();
    return OwnCpuSeconds() - cpuStart;
}

struct Child {
    pid_t pid = -1;
    int out = -1;  // the child's standard output, when asked for
};

std::optional<Child> Spawn(const std::vector<std::string>& args, bool readOutput) {
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeFds[2] = {-1, -1};
    if (readOutput) {
        if (pipe(pipeFds) != 0) return std::nullopt;
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    Child child;
    const int rc = posix_spawnp(&child.pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (readOutput) close(pipeFds[1]);
    if (rc != 0) {
        if (readOutput) close(pipeFds[0]);
        return std::nullopt;
    }
    child.out = pipeFds[0];
    return child;
}

std::optional<rusage> StopChild(Child& child) {
    kill(child.pid, SIGTERM);
    if (child.out >= 0) close(child.out);
    int status = 0;
    rusage usage{};
    if (wait4(child.pid, &status, 0, &usage) < 0) return std::nullopt;
    return usage;
}

std::vector<std::string> MpvArgs(const std::string& clip, const std::string& script, bool loop) {
    std::vector<std::string> args = {"mpv", "--no-config", "--terminal=no", "--osc=no", "--ytdl=no",
                                     "--load-stats-overlay=no", "--load-osd-console=no", "--audio-display=no",
                                     "--input-default-bindings=no", "--keepaspect=no"};
    args.push_back(std::string("--vo=") + std::getenv("FELUX_VO"));
    args.push_back(std::string("--ao=") + std::getenv("FELUX_AO"));
    if (!script.empty()) args.push_back("--script=" + script);
    if (loop) args.push_back("--loop-file=inf");
    args.push_back(clip);
    return args;
}

// The mpv program with a script that prints one line once time-pos has moved, like the engine side.
std::optional<double> CliOpenToPlaying(const std::string& clip, const std::string& script) {
    const auto start = Clock::now();
    auto child = Spawn(MpvArgs(clip, script, false), true);
    if (!child) return std::nullopt;
    char c = 0;
    const bool got = read(child->out, &c, 1) == 1;
    const double seconds = SecondsSince(start);
    StopChild(*child);
    if (!got) return std::nullopt;
    return seconds;
}

std::optional<double> CliCpuFor(const std::string& clip, double seconds) {
    auto child = Spawn(MpvArgs(clip, "", true), false);
    if (!child) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    auto usage = StopChild(*child);
    if (!usage) return std::nullopt;
    return CpuSeconds(*usage);
}

bool OnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (!path) return false;
    std::string dirs(path);
    for (std::size_t from = 0; from <= dirs.size();) {
        const std::size_t to = std::min(dirs.find(':', from), dirs.size());
        const auto candidate = std::filesystem::path(dirs.substr(from, to - from)) / name;
        if (access(candidate.c_str(), X_OK) == 0) return true;
        from = to + 1;
    }
    return false;
}

void PrintRow(const char* what, std::optional<double> engine, std::optional<double> cli) {
    std::printf("%-34s %10s %10s %8s\n", what, engine ? std::to_string(*engine).substr(0, 7).c_str() : "failed",
                cli ? std::to_string(*cli).substr(0, 7).c_str() : "-",
                engine && cli && *cli > 0 ? std::to_string(*engine / *cli).substr(0, 5).c_str() : "-");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string clip = argc > 1 ? argv[1] : FELUX_SOURCE_DIR "/resources/demo/demo.mpg";
    const double seconds = argc > 2 ? std::max(1.0, std::atof(argv[2])) : 20.0;
    if (!std::filesystem::is_regular_file(clip)) {
        std::fprintf(stderr, "no such clip: %s\n", clip.c_str());
        return 2;
    }
    // Picture and sound go nowhere unless asked for, the same for both sides.
    setenv("FELUX_VO", "null", 0);
    setenv("FELUX_AO", "null", 0);

    std::vector<double> engineOpen;
    for (int i = 0; i < kOpenRuns; ++i) {
        felux::MpvEngine engine;
        if (auto s = EngineOpenToPlaying(engine, clip)) engineOpen.push_back(*s);
    }
    int opens = 0;
    const auto engineCpu = EngineCpuFor(clip, seconds, opens);

    std::optional<double> cliOpen;
    std::optional<double> cliCpu;
    const bool haveCli = OnPath("mpv");
    if (haveCli) {
        const auto script = std::filesystem::temp_directory_path() / ("felux-bench-" + std::to_string(getpid()) + ".lua");
        std::ofstream(script) << "local done = false\n"
                                 "mp.observe_property('time-pos', 'number', function(_, v)\n"
                                 "  if v and v > 0 and not done then done = true; io.stdout:write('p'); io.stdout:flush() end\n"
                                 "end)\n";
        std::vector<double> runs;
        for (int i = 0; i < kOpenRuns; ++i) {
            if (auto s = CliOpenToPlaying(clip, script.string())) runs.push_back(*s);
        }
        if (!runs.empty()) cliOpen = Median(runs);
        std::filesystem::remove(script);
        cliCpu = CliCpuFor(clip, seconds);
    }

    std::printf("clip %s, vo=%s ao=%s\n", clip.c_str(), std::getenv("FELUX_VO"), std::getenv("FELUX_AO"));
    std::printf("%-34s %10s %10s %8s\n", "", "MpvEngine", "mpv", "ratio");
    PrintRow("open to playing, s (median of 5)", engineOpen.empty() ? std::nullopt : std::optional(Median(engineOpen)),
             cliOpen);
    const std::string cpuLabel = "CPU for " + std::to_string(static_cast<int>(seconds)) + " s playing, s";
    PrintRow(cpuLabel.c_str(), engineCpu, cliCpu);
    std::printf("the engine opened the clip %d time(s) in that stretch; mpv loops it in place%s\n", opens,
                haveCli ? "" : "; mpv is not on PATH");
    std::printf("mpv's open time includes starting the process and loading its libraries\n");
    return engineOpen.empty() || !engineCpu ? 1 : 0;
}
