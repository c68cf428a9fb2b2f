// The panel's frame and the timed text: the player's state handed to the skin renderer when it would change.
#pragma once

#include <filesystem>
#include <optional>

#include "engine/MediaGraph.h"
#include "model/AbLoop.h"
#include "model/PlayerState.h"
#include "model/ProgressBar.h"
#include "platform/PixelSink.h"
#include "platform/TextPainter.h"
#include "platform/WindowSystem.h"
#include "player/LyricsView.h"
#include "player/OpenFile.h"
#include "player/VideoLayout.h"
#include "playlist/IndexList.h"
#include "playlist/Playlist.h"
#include "settings/PlayerSettings.h"
#include "skin/PanelButtons.h"
#include "skin/PanelRenderInputs.h"
#include "skin/PanelRenderer.h"

namespace felux {

class Playback;
class VolumeControl;

// What the panel shows, read each tick.
struct PanelSources {
    const PlayerState& state;
    const PlayerSettings& settings;
    const MediaGraph& graph;
    const Playlist& playlist;
    const OpenFile& openFile;
    IndexList& indexList;
    PanelButtons& buttons;
    Playback& playback;  // the PLAY ramp moves its speed
    const VolumeControl& volume;
    const WheelSeek& wheel;
    const AbLoop& abLoop;
    const ProgressBar& progress;
};

class PanelPresenter {
public:
    PanelPresenter(PanelSources sources, VolumeRecordToggle& volumeRecord, VideoLayout& layout, WindowSystem& windows,
                   TextPainter* text, std::filesystem::path folder);

    void LoadSkin();
    // Composes the panel when it would change and asks for the changed part to be painted; an
    // unchanged panel is neither composed nor painted again, so an idle player stays idle.
    void ComposeStep();
    // The canvas reached the screen: the next tick may compose another frame.
    void Painted() { framePending_ = false; }
    // The settings dialog closed over the panel: the next tick composes a frame afresh.
    void DropPendingFrame() { framePending_ = false; }
    void PaintPanel(PixelSink& sink) const { panel_.PaintTo(sink); }
    // The timed text's strip along the bottom of the video window, width x height, when there is one.
    void PaintTimedTextStrip(PixelSink& sink, int width, int height) const;

    // What the lyrics view shows now; empty while it is hidden.
    const LyricsFrame& Lyrics() const { return lyricsFrame_; }

    // The open file's index text, found by its name and size.
    void LoadIndexText();
    void DrawTitleStrip();
    // The font settings may have changed: the title and the current line are drawn again.
    void TimedTextFontChanged();

private:
    std::optional<Rect> DrawPanel();
    TextFont SkinFont() const;
    bool TimedTextShown() const;
    // The lyrics view's frame follows playback; its window is repainted when the frame changed.
    void LyricsStep();

    PanelSources sources_;
    VolumeRecordToggle& volumeRecord_;
    VideoLayout& layout_;  // the panel counts its zoom read-out down
    WindowSystem& windows_;
    TextPainter* text_;
    std::filesystem::path folder_;
    PanelRenderer panel_;
    bool framePending_ = false;  // a composed frame waits for its paint
    Rect changedArea_;           // of the composed frame waiting for its paint
    LyricsView lyricsView_;
    LyricsFrame lyricsFrame_;
};

}  // namespace felux
