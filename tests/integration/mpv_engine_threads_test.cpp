// MpvEngine beside other threads: many opens in a row leave the environment alone and start no script interpreter.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "MpvTestSupport.h"

extern char** environ;

namespace felux {
namespace {

using test::Clip;
using test::InspectableEngine;

// The names of this process's threads.
std::set<std::string> ThreadNames() {
    std::set<std::string> names;
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", ec)) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        if (std::getline(comm, name)) names.insert(name);
    }
    return names;
}

// Every entry of the environment, and where each lives: setenv moves the array or an entry.
struct EnvironmentCopy {
    char** array = environ;
    std::vector<const char*> where;
    std::vector<std::string> text;
    EnvironmentCopy() {
        for (char** e = environ; *e; ++e) {
            where.push_back(*e);
            text.emplace_back(*e);
        }
    }
    bool operator==(const EnvironmentCopy&) const = default;
};

// setenv while another thread reads the environment can crash that thread; the engine's own
// threads read it as they start (script interpreters, sound libraries). A thread reading it all
// along stands for them: a sanitizer build sees a write as a use of freed memory.
TEST(MpvEngineThreads, ManyOpensNeitherWriteTheEnvironmentNorStartScripts) {
    ::unsetenv("PULSE_PROP");
    ::unsetenv("PIPEWIRE_PROPS");
    const EnvironmentCopy before;
    std::atomic<bool> done{false};
    std::thread reader([&done] {
        while (!done.load()) {
            for (char** e = environ; *e; ++e) {
                [[maybe_unused]] volatile char first = **e;
            }
            [[maybe_unused]] const char* home = std::getenv("HOME");
        }
    });

    std::set<std::string> seen;
    {
        InspectableEngine engine;
        const std::vector<std::string> files{"clip.mpg", "tone.mp3", "clip.wav", "wide.mpg"};
        for (int i = 0; i < 12; ++i) {
            ASSERT_EQ(engine.Create(), MediaResult::Ok);
            ASSERT_EQ(test::OpenAndWait(engine, Clip(files[i % files.size()]), std::nullopt), OpenStatus::Ready) << files[i % files.size()];
            engine.PrepareNext(Clip(files[(i + 1) % files.size()]));
            const std::set<std::string> now = ThreadNames();
            seen.insert(now.begin(), now.end());
        }
    }
    done = true;
    reader.join();

    EXPECT_TRUE(before == EnvironmentCopy()) << "the environment was written while other threads ran";
    for (const std::string& name : seen) {
        EXPECT_NE(name.rfind("lua", 0), 0u) << "a script thread ran: " << name;
        EXPECT_NE(name.rfind("js", 0), 0u) << "a script thread ran: " << name;
    }
}

}  // namespace
}  // namespace felux
