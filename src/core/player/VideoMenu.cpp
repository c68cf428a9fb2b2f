// The video window's menu: the audio tracks, the subtitle tracks and "off", and the chapters, each a bounded list around the current one.
#include "player/VideoMenu.h"

#include <algorithm>
#include <cstdio>

#include "engine/TrackSteps.h"
#include "i18n/UiText.h"

namespace felux {
namespace {

// Cut at a character boundary of the UTF-8 text.
std::string Shortened(const std::string& text) {
    if (text.size() <= kVideoMenuTitleBytes) return text;
    std::size_t end = kVideoMenuTitleBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end) + "…";
}

// The first of at most kVideoMenuSectionItems items of count that keep `current` in view, centred
// where the ends allow.
std::size_t WindowStart(std::size_t count, std::optional<std::size_t> current) {
    if (count <= kVideoMenuSectionItems || !current) return 0;
    const std::size_t half = kVideoMenuSectionItems / 2;
    const std::size_t start = *current > half ? *current - half : 0;
    return std::min(start, count - kVideoMenuSectionItems);
}

// "2  [jpn]  Commentary"
std::string TrackLabel(std::size_t number, const MediaTrack& t) {
    std::string label = std::to_string(number);
    if (!t.language.empty()) label += "  [" + Shortened(t.language) + "]";
    if (!t.title.empty()) label += "  " + Shortened(t.title);
    return label;
}

// "3  0:05:00  Title"
std::string ChapterLabel(std::size_t number, const MediaChapter& c) {
    const long long seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::max(MediaTime{}, c.start)).count();
    char time[48];
    std::snprintf(time, sizeof time, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    std::string label = std::to_string(number) + "  " + time;
    if (!c.title.empty()) label += "  " + Shortened(c.title);
    return label;
}

void AddTracks(VideoMenu& menu, MenuSection& section, const std::vector<MediaTrack>& tracks, TrackKind kind) {
    std::vector<const MediaTrack*> ofKind;
    std::optional<std::size_t> selected;
    for (const MediaTrack& t : tracks) {
        if (t.kind != kind) continue;
        if (t.selected && !selected) selected = ofKind.size();
        ofKind.push_back(&t);
    }
    if (kind == TrackKind::Subtitle && !ofKind.empty()) {
        section.items.push_back(UiText("VideoMenu", "なし"));
        menu.actions.push_back({VideoMenuAction::Kind::Track, kind, std::nullopt, MediaTime{}});
        if (!selected) section.checked = 0;
    }
    const std::size_t first = WindowStart(ofKind.size(), selected);
    for (std::size_t i = first; i < ofKind.size() && i < first + kVideoMenuSectionItems; ++i) {
        if (selected == i) section.checked = section.items.size();
        section.items.push_back(TrackLabel(i + 1, *ofKind[i]));
        menu.actions.push_back({VideoMenuAction::Kind::Track, kind, ofKind[i]->id, MediaTime{}});
    }
}

}  // namespace

VideoMenu BuildVideoMenu(const std::vector<MediaTrack>& tracks, const std::vector<MediaChapter>& chapters,
                         MediaTime position) {
    VideoMenu menu;
    MenuSection audio{UiText("VideoMenu", "音声"), {}, std::nullopt};
    AddTracks(menu, audio, tracks, TrackKind::Audio);
    MenuSection subtitles{UiText("VideoMenu", "字幕"), {}, std::nullopt};
    AddTracks(menu, subtitles, tracks, TrackKind::Subtitle);
    MenuSection chapterSection{UiText("VideoMenu", "チャプター"), {}, std::nullopt};
    const std::optional<std::size_t> at = ChapterAt(chapters, position);
    const std::size_t first = WindowStart(chapters.size(), at);
    for (std::size_t i = first; i < chapters.size() && i < first + kVideoMenuSectionItems; ++i) {
        if (at == i) chapterSection.checked = chapterSection.items.size();
        chapterSection.items.push_back(ChapterLabel(i + 1, chapters[i]));
        menu.actions.push_back({VideoMenuAction::Kind::Chapter, TrackKind::Audio, std::nullopt, chapters[i].start});
    }
    menu.sections = {std::move(audio), std::move(subtitles), std::move(chapterSection)};
    return menu;
}

}  // namespace felux
