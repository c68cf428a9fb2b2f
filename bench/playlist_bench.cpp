// Times loading and sorting list files of 1,000 to 100,000 entries; the sort should grow like n log n.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>

#include "io/TextFile.h"
#include "playlist/ListFile.h"

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Paths under a few folders with repeated names, so many keys compare equal.
std::string ListText(std::size_t n) {
    std::mt19937 random(static_cast<unsigned>(n));
    std::string text;
    for (std::size_t i = 0; i < n; ++i) {
        text += "/home/user/Music/Album " + std::to_string(random() % 50) + "/Track " +
                std::to_string(random() % (n / 4 + 1)) + (random() % 2 ? ".MP3" : ".mp3") + "\r\n";
    }
    return text;
}

}  // namespace

int main() {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("felux_playlist_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::printf("%10s %12s %12s %22s\n", "entries", "load ms", "sort ms", "sort ns / (n log2 n)");
    for (std::size_t n : {1'000u, 10'000u, 100'000u}) {
        const std::filesystem::path file = folder / ("list" + std::to_string(n) + ".tob");
        felux::io::WriteFileAtomic(file, ListText(n));

        felux::Playlist list;
        auto start = std::chrono::steady_clock::now();
        felux::LoadListFile(list, file);
        const double loadMs = MillisecondsSince(start);

        start = std::chrono::steady_clock::now();
        list.SortRange(0, list.Size());
        const double sortMs = MillisecondsSince(start);
        const double perNLogN = sortMs * 1e6 / (static_cast<double>(n) * std::log2(static_cast<double>(n)));
        std::printf("%10zu %12.2f %12.2f %22.2f\n", n, loadMs, sortMs, perNLogN);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
