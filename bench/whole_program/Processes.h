// What the whole-program bench reads of the players it starts: their processes in /proc.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace felux::bench {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

inline double Since(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

struct Spread {
    double min = 0, median = 0, max = 0;
};

inline Spread SpreadOf(std::vector<double> v) {
    if (v.empty()) return {};
    std::sort(v.begin(), v.end());
    return {v.front(), v[v.size() / 2], v.back()};
}

inline std::string Show(const Spread& s, const char* format) {
    char buf[160];
    std::snprintf(buf, sizeof buf, (std::string(format) + " / " + format + " / " + format).c_str(), s.min, s.median,
                  s.max);
    return buf;
}

// A child process started with extra environment entries, its output thrown away.
class Child {
public:
    // group: the child leads a process group of its own, and Stop ends the whole group (a load
    // loop's compiler or dd as well as its shell).
    Child(const std::vector<std::string>& args, const std::vector<std::string>& env, bool group = false) : group_(group) {
        std::vector<std::string> envStrings(env);
        for (char** e = environ; *e; ++e) envStrings.emplace_back(*e);
        std::vector<char*> argv, envp;
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        for (const auto& e : envStrings) envp.push_back(const_cast<char*>(e.c_str()));
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        if (group) {
            posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
            posix_spawnattr_setpgroup(&attributes, 0);
        }
        start_ = Clock::now();
        if (posix_spawn(&pid_, argv[0], &actions, &attributes, argv.data(), envp.data()) != 0) pid_ = -1;
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Child() { Stop(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Alive() {
        if (pid_ <= 0 || reaped_) return false;
        if (wait4(pid_, &status_, WNOHANG, &usage_) == pid_) reaped_ = true;
        return !reaped_;
    }
    // Ends the child (if it is still there) and returns its whole-life resource use.
    rusage Stop() {
        if (pid_ > 0 && !reaped_) {
            kill(group_ ? -pid_ : pid_, SIGTERM);
            wait4(pid_, &status_, 0, &usage_);
            reaped_ = true;
        }
        return usage_;
    }
    pid_t Pid() const { return pid_; }
    Clock::time_point Started() const { return start_; }

private:
    bool group_ = false;
    pid_t pid_ = -1;
    bool reaped_ = false;
    int status_ = 0;
    rusage usage_{};
    Clock::time_point start_;
};

// User plus system CPU seconds of a running process, threads that ended included.
inline double ProcessCpu(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    const auto close = text.rfind(')');
    if (close == std::string::npos) return 0;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    double ticks = 0;
    // After the name: state is field 3, utime 14 and stime 15.
    for (int k = 3; k <= 15 && fields >> field; ++k)
        if (k >= 14) ticks += std::stod(field);
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// CPU seconds of the live threads from the scheduler's nanosecond counts: the clock ticks of
// ProcessCpu are too coarse for an idle player, whose threads do not come and go.
inline double ThreadsCpu(pid_t pid) {
    double ns = 0;
    std::error_code ec;
    for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
        std::ifstream in(task.path() / "schedstat");
        double onCpu = 0;
        if (in >> onCpu) ns += onCpu;
    }
    return ns / 1e9;
}

// A "Vm..." line of /proc/PID/status in MiB.
inline double ProcessMemory(pid_t pid, const std::string& key) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind(key + ":", 0) == 0) return std::stod(line.substr(key.size() + 1)) / 1024.0;
    return 0;
}

// The open file of the process that lies in folder, if any.
inline std::optional<std::string> OpenFileIn(pid_t pid, const std::string& folder) {
    std::error_code ec;
    for (const auto& fd : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", ec)) {
        const fs::path target = fs::read_symlink(fd.path(), ec);
        if (!ec && target.string().rfind(folder, 0) == 0) return target.string();
    }
    return std::nullopt;
}

}  // namespace felux::bench
