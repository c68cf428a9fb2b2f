// The panel's frame and the timed text: the player's state handed to the skin renderer when it would change.
#include "player/PanelPresenter.h"

#include <system_error>

#include "io/TextFile.h"
#include "player/Playback.h"
#include "player/VolumeControl.h"
#include "playlist/StreamUrl.h"
#include "skin/DeviceScale.h"
#include "skin/SkinBytes.h"

namespace felux {

PanelPresenter::PanelPresenter(PanelSources sources, VolumeRecordToggle& volumeRecord, VideoLayout& layout,
                               WindowSystem& windows, TextPainter* text, std::filesystem::path folder)
    : sources_(sources),
      volumeRecord_(volumeRecord),
      layout_(layout),
      windows_(windows),
      text_(text),
      folder_(std::move(folder)) {}

void PanelPresenter::ComposeStep() {
    if (!framePending_) {
        if (const std::optional<Rect> changed = DrawPanel()) {
            changedArea_ = *changed;
            framePending_ = true;
        }
    }
    if (framePending_) windows_.InvalidateArea(WindowId::Main, changedArea_);
    LyricsStep();
}

void PanelPresenter::LyricsStep() {
    if (!layout_.LyricsViewShown()) {
        lyricsView_ = {};
        if (lyricsFrame_ == LyricsFrame{}) return;
        lyricsFrame_ = {};
    } else {
        const LyricsFrame& frame =
            lyricsView_.Frame(sources_.indexList, std::chrono::duration_cast<std::chrono::milliseconds>(sources_.graph.LastPosition()).count());
        if (frame == lyricsFrame_) return;
        lyricsFrame_ = frame;
    }
    windows_.Invalidate(WindowId::Lyrics);
}

void PanelPresenter::LoadSkin() {
    panel_.Load(SkinBitmapBytes(SkinScaleFor(windows_.DeviceScale())));
    panel_.SetTextPainter(text_);
}

std::optional<Rect> PanelPresenter::DrawPanel() {
    PanelView view;
    view.stopped = sources_.state.playback.mediaClosed;
    view.paused = sources_.playback.Paused();
    view.appActive = sources_.state.layout.appActive;
    view.shufflePlay = sources_.settings.shufflePlay != 0;
    view.repeatList = sources_.settings.repeatList != 0;
    view.repeatOne = sources_.state.playback.repeatOne;
    view.held = sources_.buttons.held;
    view.rateLocked = sources_.buttons.rateLocked;
    view.scanLinesOn = sources_.settings.scanLinesOn != 0;
    view.lineMaskMode = sources_.settings.lineMaskMode;
    view.wheelStep = sources_.wheel.Step();
    view.progress = sources_.progress.Pixel();
    view.volumeKnob = sources_.volume.Level();
    view.volumeLogEnabled = sources_.settings.volumeLogEnabled != 0;
    view.volumeRecordPresent = volumeRecord_.RecordPresent();
    view.abState = sources_.abLoop.State();
    view.abAMs = sources_.abLoop.AMs();
    view.abBMs = sources_.abLoop.BMs();
    // A segment entry shows its span as a loop's marks, unless the A-B repeat has its own.
    if (view.abState == AbRepeat::Off && sources_.state.playback.segmentActive) {
        view.abState = AbRepeat::Looping;
        view.abAMs = sources_.state.playback.segmentStartMs;
        view.abBMs = sources_.state.playback.segmentEndMs;
    }
    view.position = sources_.graph.LastPosition();
    view.duration = sources_.graph.duration;
    view.listCount = sources_.playlist.Count();
    view.currentIndex = sources_.playlist.currentIndex;
    view.fullScreen = sources_.state.layout.fullScreen;
    view.windowZoomStep = layout_.Zoom().window;
    view.fullScreenZoomStep = layout_.Zoom().fullScreen;
    view.titleHover = sources_.state.panelHover;
    view.indexListActive = TimedTextShown();
    view.lyricsPanelShown = sources_.settings.lyricsPanelShown != 0;
    view.lyricsOnMainPanel = sources_.settings.lyricsOnMainPanel != 0;
    view.lyricsBelowVideo = sources_.settings.lyricsBelowVideo != 0;
    if (view.indexListActive) {
        sources_.indexList.TrackIndexRow(
            std::chrono::duration_cast<std::chrono::milliseconds>(sources_.graph.LastPosition()).count());
        if (sources_.indexList.reloadRequest) {
            sources_.indexList.reloadRequest = false;
            const int row = sources_.indexList.CurrentRow();
            panel_.LoadTimedLine(sources_.indexList.CurrentText(), sources_.indexList.RowStartMs(row), sources_.indexList.CurrentEndMs(), SkinFont(),
                                sources_.settings.fontPosition);
        }
    }
    // The renderer moves the ramp's speed and counts the read-out down; their owners take the results.
    int rate = sources_.state.playback.playbackRate;
    int readoutCountdown = sources_.state.layout.readoutCountdown;
    PanelWrites writes{rate, sources_.buttons.ramp, sources_.buttons.volumeModeRequest, readoutCountdown,
                       volumeRecord_};
    if (!panel_.FrameDue(view, writes)) return std::nullopt;
    const std::optional<Rect> changed = panel_.DrawPanel(view, writes);
    if (rate != sources_.state.playback.playbackRate) sources_.playback.SetPlayingRate(rate);
    if (readoutCountdown != sources_.state.layout.readoutCountdown) layout_.SetReadoutCountdown(readoutCountdown);
    if (view.indexListActive && view.lyricsBelowVideo && layout_.StripHeight() > 0)
        windows_.Invalidate(WindowId::Video);
    return changed;
}

TextFont PanelPresenter::SkinFont() const {
    TextFont font;
    font.face = sources_.settings.fontFace;
    font.height = sources_.settings.fontHeight;
    font.weight = sources_.settings.fontWeight;
    font.italic = sources_.settings.fontItalic != 0;
    font.charSet = sources_.settings.fontCharSet;
    return font;
}

bool PanelPresenter::TimedTextShown() const {
    return sources_.indexList.Active() && !sources_.state.playback.mediaClosed;
}

void PanelPresenter::LoadIndexText() {
    sources_.indexList.Clear();
    lyricsView_ = {};
    // A stream has no folder: a file named like it in the working folder is not its index.
    if (IsStreamUrl(sources_.openFile.path)) return;
    // The size tells apart index files of equal names in the one Index folder.
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(sources_.openFile.path, ec);
    for (const IndexFile& candidate : IndexFileCandidates(folder_, sources_.openFile.path, ec ? 0 : size)) {
        const std::optional<std::string> text = io::ReadTextBounded(candidate.path, kMaxIndexFileBytes);
        if (!text) continue;
        sources_.indexList.Load(BuildIndexRows(*text, candidate.format));
        return;
    }
}

void PanelPresenter::DrawTitleStrip() { panel_.SetTitle(sources_.openFile.titleLine, SkinFont()); }

void PanelPresenter::TimedTextFontChanged() {
    if (!sources_.state.playback.mediaClosed) DrawTitleStrip();
    sources_.indexList.reloadRequest = true;
}

void PanelPresenter::PaintTimedTextStrip(PixelSink& sink, int width, int height) const {
    if (!TimedTextShown() || sources_.settings.lyricsBelowVideo == 0) return;
    panel_.PaintTimedTextStrip(sink, width, height, layout_.StripHeight());
}

}  // namespace felux
