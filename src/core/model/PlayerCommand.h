// Every plain intent the keys, the panel, the wheel and a remote can raise.
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
    // What the key poll and the panel's mouse handling ask of other parts, acting when raised.
    MouseVolumeChanged,      // mouseVolume changed while in full screen
    StopWheelSeek,           // an arrow steps to another entry: a running wheel seek ends where it is
    VideoRegionsChanged,     // scan lines or the line mask changed: shape the video window again and redraw
    ScanLinePatternChanged,  // also crops the picture again, as ALT+2..5 scale the overscan with it
    ApplyOverscan,           // the overscan scales changed: crop again and lay the video out again
    SearchIndicatorBack,     // the pressed look of the panel's search buttons
    SearchIndicatorForward,
    CheckABRepeat,           // the A-B step just changed
    AppendSegmentEntry,      // the A-B loop becomes a play-segment entry of the list
    StartWindowMove,         // the window system moves the panel with the held button
    MainWindowDoubleClick,   // a left double click on the panel's bare surface
    FocusReset,              // the keyboard focus back to the main window
    // What the player's own parts leave for the command step.
    NewVideoSize,            // the layout or the picture changed: laid out again at the step
    EndOfList,               // the list ran out: closed at the step, which also collapses the video window
    MediaClosed,             // what played is closed: a STOP or the list's end still waiting has nothing left to close
    // The panel's own marks for the command step: a press or a release changes what waits there.
    HoldProgress,            // the progress bar is dragged: the step leaves it where the drag put it
    FollowProgress,          // the drag is over: the bar follows the position again
    WithdrawPlay,            // a held PLAY became the speed ramp: the play its press raised is taken back
    WithdrawPress,           // the button is up: a STOP, still or FILE press the step has not carried out is dropped
    WithdrawFullScreen,      // FULL needs a file: its toggle is dropped
    ClearBackSearch,         // a press on BACK starts afresh: no step or search back waits
    ClearForwardSearch,      // the same for NEXT
};
inline constexpr int kPlayerCommands = static_cast<int>(PlayerCommand::ClearForwardSearch) + 1;

}  // namespace felux
