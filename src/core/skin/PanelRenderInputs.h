// What the panel renderer reads each frame, and the few player values it changes.
#pragma once

#include <cstdint>

#include "model/MediaTime.h"
#include "model/AbLoop.h"
#include "skin/RateRamp.h"

namespace felux {

// Buttons the panel's mouse handling (or the keys, for BACK and NEXT) holds down.
struct HeldButtons {
    bool play = false;
    bool stop = false;
    bool still = false;
    bool back = false;
    bool next = false;
    bool config = false;
    bool zoomMinus = false;
    bool zoomPlus = false;
    bool full = false;
    bool power = false;

    bool operator==(const HeldButtons&) const = default;
};

// A snapshot of the player for one frame.
struct PanelView {
    bool stopped = true;  // no file open
    bool paused = false;
    bool appActive = true;
    bool shufflePlay = false;
    bool repeatList = false;
    bool repeatOne = false;  // the RP label blinks instead of staying lit
    HeldButtons held;
    bool rateLocked = false;  // the ramp stays put until the button is released
    bool scanLinesOn = false;
    int lineMaskMode = 0;  // 0, 1 or 2
    int wheelStep = 0;     // -9..9, clamped when drawn
    int progress = 0;      // pixels along the progress bar, clamped to 0..137 when drawn
    int volumeKnob = 0;    // pixels along the volume slider, 0..62
    bool volumeLogEnabled = false;
    bool volumeRecordPresent = false;  // the open file has a volume record (volume mode 1)
    AbRepeat abState = AbRepeat::Off;
    std::int64_t abAMs = 0;            // A and B points, milliseconds
    std::int64_t abBMs = 0;
    MediaTime position{};
    MediaTime duration{};
    int listCount = 0;
    int currentIndex = 0;  // from 0
    bool fullScreen = false;
    int windowZoomStep = 2;      // 0..6
    int fullScreenZoomStep = 5;  // 0..8
    bool indexListActive = false;  // timed text is shown
    bool titleHover = false;       // the pointer is over the display: the title stays lit
    bool lyricsPanelShown = false; // the timed text's copy on the panel
    bool lyricsOnMainPanel = false;  // that copy in the lower position
    bool lyricsBelowVideo = false;   // the wide copy for the strip under the video

    bool operator==(const PanelView&) const = default;
};

// Registers the open file's volume in the volume log, or forgets its record;
// either way the level is applied again.
class VolumeRecordToggle {
public:
    virtual ~VolumeRecordToggle() = default;
    virtual void RegisterVolume() = 0;
    virtual void ForgetVolume() = 0;
    // Whether the open file has a record now, after a toggle.
    virtual bool RecordPresent() const = 0;
};

// Player values the renderer changes, borrowed for one frame.
struct PanelWrites {
    int& playbackRate;       // per mille; the ramp moves it while PLAY is held
    RateRamp& ramp;
    int& volumeModeRequest;  // non-zero: toggle the volume record this frame; cleared here
    int& readoutCountdown;   // ticks the zoom read-out still shows; counted down here
    VolumeRecordToggle& volumeRecord;
};

}  // namespace felux
