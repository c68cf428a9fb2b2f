// Which field of the pending record each command raises.
#include "model/PendingCommands.h"

namespace felux {

bool PendingCommands::Raise(PlayerCommand command) {
    using enum PlayerCommand;
    switch (command) {
        case Play: play = true; break;
        case Stop: stop = true; break;
        case PauseToggle: pauseToggle = true; break;
        case PlayPause: playPause = true; break;
        case NextEntry: fastForward = SearchPhase::StepEntry; break;
        case PreviousEntry: rewind = SearchPhase::StepEntry; break;
        case PlaySelected: playSelected = true; break;
        case SearchForwardStart:
            fastForward = SearchPhase::Start;
            oneShotSearch = OneShotSearch::Forward;
            break;
        case SearchForwardEnd: fastForward = SearchPhase::Released; break;
        case SearchBackStart:
            rewind = SearchPhase::Start;
            oneShotSearch = OneShotSearch::Back;
            break;
        case SearchBackEnd: rewind = SearchPhase::Released; break;
        case FrameForward: frameStep = FrameStep::Forward; break;
        case FrameBack: frameStep = FrameStep::Back; break;
        case WheelNotchForward: wheelNotch = 1; break;
        case WheelNotchBack: wheelNotch = -1; break;
        case OpenFile: file = FileRequest::OpenDialog; break;
        case EditorToggle: file = FileRequest::EditorToggle; break;
        case Settings: settings = true; break;
        case ShuffleToggle: shuffleToggle = true; break;
        case RepeatToggle: repeatToggle = true; break;
        case FullScreenToggle: fullScreen = true; break;
        case VolumeChanged: volumeChanged = true; break;
        case RepeatOneToggle:
        case SpeedDown:
        case SpeedUp:
        case SpeedNormal:
        case ZoomIn:
        case ZoomOut:
        case AspectChange:
        case LyricsToggle:
        case LyricsViewToggle:
        case AudioTrackNext:
        case SubtitleTrackNext:
        case ChapterNext:
        case ChapterPrevious:
        case LineLoopToggle:
        case LineNext:
        case LinePrevious:
        case Minimise:
        case VideoOnly:
        case Quit: return false;
    }
    return true;
}

}  // namespace felux
