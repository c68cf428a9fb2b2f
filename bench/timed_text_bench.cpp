// Times the title and timed text per frame (median under 100 us) and index loading (3,600 rows under 10 ms).
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "io/TextFile.h"
#include "playlist/IndexList.h"
#include "playlist/IndexText.h"
#include "BenchSupport.h"
#include "skin/PanelRenderer.h"
#include "skin/SkinBytes.h"

namespace {

using Clock = std::chrono::steady_clock;

// Stands in for the font engine: text drawing happens only on a line change, so
// its cost is reported apart from the per-frame copies.
class BarPainter : public felux::TextPainter {
public:
    felux::TextExtent Draw(felux::DibImage& image, int x, int y, std::string_view utf8,
                           const felux::TextFont& font) override {
        const felux::TextExtent e = Measure(utf8, font);
        image.FillColor(x, y, e.width, e.height, {255, 255, 255});
        for (int i = 0; i < static_cast<int>(utf8.size()); i += 2) image.FillColor(x + 7 * i / 2, y, 6, e.height, {});
        return e;
    }
    felux::TextExtent Measure(std::string_view utf8, const felux::TextFont& font) override {
        return {7 * static_cast<int>(utf8.size()) / 2, font.height < 0 ? -font.height : font.height};
    }
};

using felux::bench::Percentile;

double Micros(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::micro>(b - a).count();
}

std::string IndexText(int rows) {
    std::string text;
    // Written last row first, the worst order for keeping rows sorted.
    for (int i = rows; i >= 1; --i) {
        char line[160];
        std::snprintf(line, sizeof line, "[%02d:%02d:%02d]word [%02d:%02d:50]by [%02d:%02d:75]word line %d\r\n",
                      i / 60, i % 60, 0, i / 60, i % 60, i / 60, i % 60, i);
        text += line;
    }
    return text;
}

}  // namespace

int main() {
    felux::PanelRenderer renderer;
    if (!renderer.Load(felux::SkinBitmapBytes())) {
        std::fprintf(stderr, "the compiled-in skin did not load\n");
        return 1;
    }
    BarPainter painter;
    renderer.SetTextPainter(&painter);
    felux::TextFont font;
    renderer.SetTitle(" A title long enough to scroll across the whole display and come round again", font);

    felux::PanelView view;
    view.stopped = false;
    view.indexListActive = view.lyricsPanelShown = view.lyricsBelowVideo = true;
    view.titleHover = true;  // the title keeps drawing
    constexpr int kFrames = 20'000;
    std::vector<double> frame;
    std::vector<double> reload;
    for (int f = 0; f < kFrames; ++f) {
        const long long ms = f * 40LL;
        view.position = std::chrono::milliseconds(ms);
        const bool lineChange = f % 25 == 0;
        if (lineChange) {
            char line[200];
            std::snprintf(line, sizeof line,
                          "[%02lld:%02lld:00]Lyrics [%02lld:%02lld:25]that [%02lld:%02lld:50]fill word "
                          "[%02lld:%02lld:75]by word, long enough to scroll",
                          ms / 60'000, ms / 1'000 % 60, ms / 60'000, ms / 1'000 % 60, ms / 60'000, ms / 1'000 % 60,
                          ms / 60'000, ms / 1'000 % 60);
            renderer.LoadTimedLine(line, ms, ms + 1'000, font, 0);
        }
        const auto start = Clock::now();
        renderer.DrawTitleOverlay(view);
        renderer.DrawTimedText(view);
        const double us = Micros(start, Clock::now());
        (lineChange ? reload : frame).push_back(us);
    }
    const double median = Percentile(frame, 0.5);
    std::printf("%-34s %10s %10s %10s\n", "title + timed text", "median us", "p99 us", "max us");
    std::printf("%-34s %10.2f %10.2f %10.2f\n", "frames without a line change", median, Percentile(frame, 0.99),
                *std::max_element(frame.begin(), frame.end()));
    std::printf("%-34s %10.2f %10.2f %10.2f\n", "frames with a line change", Percentile(reload, 0.5),
                Percentile(reload, 0.99), *std::max_element(reload.begin(), reload.end()));
    std::printf("target: median under 100 us per frame: %s\n", median < 100.0 ? "met" : "MISSED");

    const std::string rows = IndexText(felux::kIndexSlots - 2);
    std::vector<double> load;
    for (int i = 0; i < 50; ++i) {
        const auto start = Clock::now();
        felux::IndexList list;
        list.Load(felux::BuildIndexRows(rows, felux::IndexFormat::Index));
        load.push_back(Micros(start, Clock::now()) / 1'000.0);
    }
    const double loadMedian = Percentile(load, 0.5);
    std::printf("\n%-34s %10s %10s\n", "index load (parse + sort)", "median ms", "max ms");
    std::printf("%-34s %10.2f %10.2f\n", "3,598 rows, 3 word tags each", loadMedian,
                *std::max_element(load.begin(), load.end()));
    std::printf("target: 3,600 rows under 10 ms: %s\n", loadMedian < 10.0 ? "met" : "MISSED");

    // A 100 MB file: only its first bytes up to the bound are read.
    const std::filesystem::path huge = std::filesystem::temp_directory_path() / "felux-bench-index.txt";
    {
        std::ofstream out(huge, std::ios::binary);
        const std::string block = IndexText(2'000);
        for (std::size_t written = 0; written < 100u * 1024 * 1024; written += block.size()) out << block;
    }
    const auto start = Clock::now();
    const std::optional<std::string> text = felux::io::ReadTextBounded(huge, felux::kMaxIndexFileBytes);
    felux::IndexList list;
    if (text) list.Load(felux::BuildIndexRows(*text, felux::IndexFormat::Index));
    const double hugeMs = Micros(start, Clock::now()) / 1'000.0;
    std::filesystem::remove(huge);
    std::printf("%-34s %10.2f ms, %d rows kept\n", "100 MB index file (read + parse)", hugeMs, list.RowCount());
    return 0;
}
