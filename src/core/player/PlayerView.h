// What the outside may read of the player: the windows paint from it, the remote and the
// hand-over answer from it. It changes nothing; changes go in as commands.
#pragma once

#include <optional>
#include <string>

#include "model/MediaTime.h"
#include "model/PlaybackStatus.h"
#include "model/PlayerState.h"

namespace felux {

class AbLoop;
class Player;
class PixelSink;
class Playlist;
class PlaylistEditor;
struct LyricsFrame;
struct OpenFile;
struct PlayerSettings;

class PlayerView {
public:
    explicit PlayerView(const Player& player) : player_(player) {}

    // The first tick has run: the settings are read and the command line's files are in the list.
    bool Initialised() const;
    // A file is open (not while it is still being opened).
    bool MediaOpen() const;
    bool Opening() const;
    bool Paused() const;
    // How far the file opened last has got towards playing.
    StartState StartStage() const;
    WindowMode Mode() const;
    bool FullScreen() const;
    // The wheel seek's step as the panel shows it: 0 at rest, negative backwards.
    int WheelStep() const;
    int VolumeLevel() const;        // 0..62
    int PlaybackRate() const;       // thousandths of normal speed
    bool RepeatOne() const;
    MediaTime Position() const;     // as last read from the engine
    MediaTime Duration() const;
    // A search held on the panel or by a key, which the next and previous steps leave alone.
    bool SearchHeld(bool forward) const;
    // An absolute seek asked for and not yet carried out.
    std::optional<MediaTime> PendingSeek() const;

    const PlayerSettings& Settings() const;
    const Playlist& List() const;
    const OpenFile& File() const;
    const PlaylistEditor& Editor() const;
    const LyricsFrame& Lyrics() const;
    // The A-B loop as the panel shows it: its step and its marks.
    const AbLoop& Loop() const;

    // Whether a left press at this panel point drags the main window.
    bool MovesWindowAt(int x, int y) const;
    void PaintPanel(PixelSink& sink) const;
    void PaintTimedTextStrip(PixelSink& sink, int width, int height) const;

private:
    const Player& player_;
};

}  // namespace felux
