// What the outside may read of the player.
#include "player/PlayerView.h"

#include "player/Player.h"

namespace felux {

bool PlayerView::Initialised() const { return player_.state.initialised; }
bool PlayerView::MediaOpen() const { return !player_.state.playback.mediaClosed; }
bool PlayerView::Opening() const { return player_.state.playback.startState == StartState::Opening; }
bool PlayerView::Paused() const { return player_.playback.Paused(); }
StartState PlayerView::StartStage() const { return player_.state.playback.startState; }
WindowMode PlayerView::Mode() const { return player_.state.windowMode; }
bool PlayerView::FullScreen() const { return player_.state.layout.fullScreen; }
int PlayerView::WheelStep() const { return player_.wheel.Step(); }
int PlayerView::VolumeLevel() const { return player_.volume.Level(); }
int PlayerView::PlaybackRate() const { return player_.state.playback.playbackRate; }
bool PlayerView::RepeatOne() const { return player_.state.playback.repeatOne; }
MediaTime PlayerView::Position() const { return player_.graph.LastPosition(); }
MediaTime PlayerView::Duration() const { return player_.graph.duration; }

bool PlayerView::SearchHeld(bool forward) const {
    return (forward ? player_.pending_.fastForward : player_.pending_.rewind) != SearchPhase::Idle;
}

std::optional<MediaTime> PlayerView::PendingSeek() const { return player_.pending_.seekTo; }

const PlayerSettings& PlayerView::Settings() const { return player_.settings; }
const Playlist& PlayerView::List() const { return player_.playlist; }
const OpenFile& PlayerView::File() const { return player_.openFile; }
const PlaylistEditor& PlayerView::Editor() const { return player_.editor; }
const LyricsFrame& PlayerView::Lyrics() const { return player_.presenter.Lyrics(); }
const AbLoop& PlayerView::Loop() const { return player_.abLoop; }

bool PlayerView::MovesWindowAt(int x, int y) const { return player_.mouse.MovesWindowAt(x, y); }
void PlayerView::PaintPanel(PixelSink& sink) const { player_.presenter.PaintPanel(sink); }
void PlayerView::PaintTimedTextStrip(PixelSink& sink, int width, int height) const {
    player_.presenter.PaintTimedTextStrip(sink, width, height);
}

}  // namespace felux
