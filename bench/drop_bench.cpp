// Times a drop of a folder tree of 10,000 and 100,000 files: the scan in tick-sized slices, the sort, the first file's check.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

#include "playlist/FolderScan.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// n files in folders of 100, two levels deep, with a few skipped names among them.
void MakeTree(const std::filesystem::path& root, std::size_t n) {
    std::mt19937 random(static_cast<unsigned>(n));
    for (std::size_t i = 0; i < n; ++i) {
        const std::filesystem::path folder =
            root / ("Artist " + std::to_string(i / 1000)) / ("Album " + std::to_string(i / 100 % 10));
        if (i % 100 == 0) std::filesystem::create_directories(folder);
        const char* ext = i % 10 == 0 ? ".txt" : (random() % 2 ? ".MP3" : ".mpg");
        std::ofstream(folder / ("Track " + std::to_string(random() % 1000) + "-" + std::to_string(i) + ext));
    }
}

}  // namespace

int main() {
    const std::filesystem::path base =
        std::filesystem::temp_directory_path() / ("felux_drop_bench_" + std::to_string(::getpid()));
    std::printf("%9s %8s %9s %7s %12s %9s %22s %9s\n", "files", "entries", "scan ms", "slices", "max slice ms",
                "sort ms", "sort ns / (n log2 n)", "open ms");
    for (std::size_t n : {10'000u, 100'000u}) {
        const std::filesystem::path root = base / std::to_string(n);
        MakeTree(root, n);

        felux::Playlist list;
        felux::DropScan scan;
        scan.Start({root.string()});
        int slices = 0;
        double longest = 0;
        auto start = Clock::now();
        bool done = false;
        // The same slices the tick runs: 64 entries at a time until 15 ms have passed.
        while (!done) {
            const auto slice = Clock::now();
            do {
                done = scan.Step(list, 64);
            } while (!done && Clock::now() - slice < std::chrono::milliseconds(15));
            longest = std::max(longest, MillisecondsSince(slice));
            ++slices;
        }
        const double scanMs = MillisecondsSince(start);

        start = Clock::now();
        list.SortRange(0, list.Size());
        const double sortMs = MillisecondsSince(start);
        const double m = static_cast<double>(list.Size());
        start = Clock::now();
        const bool opens = felux::EntryOpens(list.PathAt(0));
        const double openMs = MillisecondsSince(start);
        std::printf("%9zu %8zu %9.1f %7d %12.1f %9.1f %22.1f %9.3f%s\n", n, list.Size(), scanMs, slices, longest,
                    sortMs, sortMs * 1e6 / (m * std::log2(m)), openMs, opens ? "" : " (first entry does not open)");
        std::filesystem::remove_all(root);
    }
    std::filesystem::remove_all(base);
    return 0;
}
