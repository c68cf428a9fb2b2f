// Times a timed-text line change with the real font engine (run with QT_QPA_PLATFORM=offscreen).
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "qt/QtTextPainter.h"
#include "skin/PanelRenderer.h"
#include "skin/SkinBytes.h"

namespace {

// A line of the given number of word tags, Japanese words between them.
std::string TaggedLine(int tags) {
    std::string line;
    for (int i = 0; i < tags; ++i) {
        char word[48];
        std::snprintf(word, sizeof word, "[00:%02d:%02d]歌詞%d ", i / 10, i % 10 * 10, i);
        line += word;
    }
    return line;
}

double MedianMs(felux::PanelRenderer& renderer, const std::string& line, const felux::TextFont& font) {
    felux::PanelView view;
    view.indexListActive = view.lyricsPanelShown = view.lyricsBelowVideo = true;
    std::vector<double> ms;
    for (int i = 0; i < 200; ++i) {
        renderer.LoadTimedLine(line, 0, 20'000, font, 0);
        const auto start = std::chrono::steady_clock::now();
        renderer.DrawTimedText(view);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    felux::PanelRenderer renderer;
    if (!renderer.Load(felux::SkinBitmapBytes())) return 1;
    felux::QtTextPainter painter;
    renderer.SetTextPainter(&painter);
    felux::TextFont font;
    font.face = "ＭＳ Ｐゴシック";
    std::printf("%-40s %10s\n", "line change (draw + measure)", "median ms");
    for (int tags : {2, 10, 100}) {
        const std::string what = std::to_string(tags) + " word tags";
        std::printf("%-40s %10.3f\n", what.c_str(), MedianMs(renderer, TaggedLine(tags), font));
    }
    const auto start = std::chrono::steady_clock::now();
    renderer.SetTitle(" A title of a file: artist name  <0:04:33>", font);
    std::printf("%-40s %10.3f\n", "title drawn on open (one run)",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    return 0;
}
