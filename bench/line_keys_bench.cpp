// Times what L and the line keys do on a lyrics file of 100,000 lines out of order with one line of
// 10,000 letters: reading it into rows once, then each key's search for its line.
#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include "playlist/IndexList.h"
#include "playlist/IndexText.h"

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

std::string Lyrics(std::size_t lines) {
    std::mt19937 random(20261210u);
    std::string text = "[00:05.00]" + std::string(10'000, 'x') + "\n";
    char tag[32];
    for (std::size_t i = 0; i < lines; ++i) {
        const auto cs = static_cast<unsigned>(random() % 360'000);  // within an hour, in hundredths
        std::snprintf(tag, sizeof tag, "[%02u:%02u.%02u]", cs / 6000, cs / 100 % 60, cs % 100);
        text += tag;
        text += "line\n";
    }
    return text;
}

}  // namespace

int main() {
    const std::string text = Lyrics(100'000);
    auto start = std::chrono::steady_clock::now();
    felux::IndexRows rows = felux::BuildIndexRows(text, felux::IndexFormat::Lrc);
    const double parseMs = MillisecondsSince(start);
    felux::IndexList list;
    list.Load(std::move(rows));
    list.SetEndMs(3'600'000);

    constexpr int kQueries = 1'000'000;
    std::mt19937 random(7u);
    std::int64_t sink = 0;
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < kQueries; ++i) {
        const auto at = static_cast<std::int64_t>(random() % 3'600'000);
        if (const auto line = list.LineAt(at)) sink += line->startMs + line->endMs.value_or(0);
        sink += list.NextLineStart(at).value_or(0);
    }
    const double queryMs = MillisecondsSince(start);
    std::printf("%-34s %12.2f\n", "file of 100,000 lines to rows, ms", parseMs);
    std::printf("%-34s %12d\n", "rows kept", list.RowCount());
    std::printf("%-34s %12.1f\n", "one key's two searches, ns", queryMs * 1e6 / kQueries);
    return sink == 42 ? 1 : 0;
}
