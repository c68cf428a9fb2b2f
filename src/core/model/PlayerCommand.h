// Every intent the keys, the panel, the wheel and a remote can raise, and the one way they raise it.
#pragma once

namespace felux {

enum class PlayerCommand {
    Play,                // open the current entry, or resume a pause
    Stop,
    PauseToggle,         // the still button: pause or resume, and wind back a wheel seek
    PlayPause,           // the middle button and SPACE: back to the set rate, and end a wheel seek
    NextEntry,
    PreviousEntry,
    PlaySelected,        // close what plays and open the entry the list points at
    SearchForwardStart,  // a held search: it pauses the picture and jumps until released
    SearchForwardEnd,
    SearchBackStart,
    SearchBackEnd,
    FrameForward,        // one frame while paused
    FrameBack,
    WheelNotchForward,   // one notch for the wheel seek
    WheelNotchBack,
    OpenFile,
    EditorToggle,
    Settings,
    ShuffleToggle,
    RepeatToggle,
    RepeatOneToggle,     // the current entry again at its end, over the list's repeat
    SpeedDown,           // the chosen speed 10 % slower, kept from file to file
    SpeedUp,
    SpeedNormal,
    FullScreenToggle,
    VolumeChanged,       // the live level moved; the engine follows
    ZoomIn,
    ZoomOut,
    AspectChange,        // the aspect preset changed: apply it and show it
    LyricsToggle,        // the lyrics above or below the video
    LyricsViewToggle,    // a sound file's lyrics large in the video window's place
    AudioTrackNext,      // the open file's next audio track
    SubtitleTrackNext,   // its next subtitle track, or none after the last
    ChapterNext,
    ChapterPrevious,     // near a chapter's start, the one before it
    LineLoopToggle,      // the timed-text line playing as the A-B loop, or the loop ends
    LineNext,            // the next timed-text line's start
    LinePrevious,        // the current line's start, near it the line before
    Minimise,
    VideoOnly,
    Quit,
};

// Where the inputs hand their commands. The player decides which wait for the tick's command
// step and which act at once, so every source of a command keeps the same timing.
class CommandSink {
public:
    virtual ~CommandSink() = default;
    virtual void Command(PlayerCommand command) = 0;
};

}  // namespace felux
