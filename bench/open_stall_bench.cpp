// How long the UI thread is held by an open that takes long: every BeginOpen and PollOpen call is
// timed while a stream's server takes the connection and stalls 5 s, and while a 2 GiB file of
// nothing is probed. Usage: bench_open_stall [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "StallingServer.h"
#include "mpv/MpvEngine.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

const char* Name(felux::OpenStatus status) {
    switch (status) {
        case felux::OpenStatus::Pending: return "pending";
        case felux::OpenStatus::Ready: return "ready";
        case felux::OpenStatus::Failed: return "failed";
        case felux::OpenStatus::TimedOut: return "timed out";
    }
    return "?";
}

// Polls as the player's tick would (every 40 ms), timing each call.
void Measure(const char* what, const std::string& path) {
    felux::MpvEngine engine;
    if (engine.Create() != felux::MediaResult::Ok) {
        std::printf("%s: no mpv instance\n", what);
        return;
    }
    std::vector<double> calls;
    const auto start = Clock::now();
    engine.BeginOpen(path, std::nullopt);
    calls.push_back(Ms(Clock::now() - start));
    felux::OpenStatus status = felux::OpenStatus::Pending;
    while (status == felux::OpenStatus::Pending) {
        std::this_thread::sleep_for(40ms);
        const auto before = Clock::now();
        status = engine.PollOpen();
        calls.push_back(Ms(Clock::now() - before));
    }
    const double total = Ms(Clock::now() - start);
    std::sort(calls.begin(), calls.end());
    std::printf("%-18s %-9s after %6.0f ms, %3zu calls: median %.2f ms, max %.2f ms\n", what, Name(status), total,
                calls.size(), calls[calls.size() / 2], calls.back());
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const std::filesystem::path sparse =
        std::filesystem::temp_directory_path() / ("felux-bench-sparse-" + std::to_string(getpid()) + ".mpg");
    { std::ofstream{sparse}; }
    std::filesystem::resize_file(sparse, std::uintmax_t{2} << 30);
    for (int run = 0; run < runs; ++run) {
        felux::test::StallingServer server(5s);
        Measure("stalled stream", server.Url("never.mp4"));
        Measure("2 GiB of nothing", sparse.string());
    }
    std::filesystem::remove(sparse);
    return 0;
}
