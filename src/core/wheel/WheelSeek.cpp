// The wheel seek: notches move a step of -9..+9 that searches, or plays at a rate, until it is back at 0.
#include "wheel/WheelSeek.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "platform/Keys.h"

namespace felux {
namespace {

int Sign(int v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

SeekMode Direction(int v) { return v > 0 ? SeekMode::Forward : SeekMode::Backward; }

int ClampStep(int step) { return std::clamp(step, -kWheelStepLimit, kWheelStepLimit); }

MediaTime Milliseconds(int ms) { return std::chrono::milliseconds(ms); }

// |value| without overflow for INT_MIN.
MediaTime MagnitudeMs(int value) { return std::chrono::milliseconds(std::llabs(static_cast<long long>(value))); }

// The rate the engine briefly takes before the entry's rate, as the original graph needed.
constexpr double kRateKick = 0.001;

}  // namespace

WheelSeek::WheelSeek(const PlayerState& state, CommandSink& commands, const PlayerSettings& settings,
                     KeyState& keys, WheelMedia& media, InputGate& keyGate)
    : state_(state), commands_(commands), settings_(settings), keys_(keys), media_(media), keyGate_(keyGate) {}

void WheelSeek::OnWheel(int delta) {
    if (settings_.wheelSeekOff != 0 || !state_.layout.appActive || delta == 0) return;
    pendingNotch_ = Sign(delta);
}

bool WheelSeek::ForwardChildNotch(int windowNotch) {
    if (settings_.wheelNotchFeel != 1 || settings_.wheelSeekOff != 0 || keyGate_.Locked()) return false;
    if (windowNotch == 0) return false;
    commands_.Command(windowNotch > 0 ? PlayerCommand::WheelNotchForward : PlayerCommand::WheelNotchBack);
    return true;
}

bool WheelSeek::UseVideoOnlyNotch(bool videoOnlyMode, int videoWindowNotch) {
    if (!videoOnlyMode || !state_.layout.appActive || settings_.wheelSeekOff != 0) return false;
    // Only a notch replaces one: the window's "none" would drop the notch a held arrow queued.
    if (videoWindowNotch == 0) return false;
    pendingNotch_ = Sign(videoWindowNotch);
    return true;
}

void WheelSeek::TakeNotch(std::optional<int> notch) {
    if (!notch) return;
    pendingNotch_ = Sign(*notch);
    keyGate_.Clear();
}

void WheelSeek::DecideFrameStep() {
    if (state_.playback.mediaClosed || !media_.Paused() || pendingNotch_ == 0) return;
    const bool frameStep = settings_.wheelFrameStepWhenPaused == 1 ? !keys_.Hit(vk::Shift)
                                                                    : keys_.Down(vk::Shift);
    if (!frameStep) return;
    commands_.Command(pendingNotch_ > 0 ? PlayerCommand::FrameForward : PlayerCommand::FrameBack);
    if (step_ != 0) {
        // A seek at a rate entry plays the graph; the frame step needs it paused at normal speed.
        media_.Pause();
        media_.SetRate(RateFromPermille(state_.playback.playbackRate));
    }
    step_ = 0;
    pendingNotch_ = 0;
}

bool WheelSeek::RunFrameStep(FrameStep frameStep) {
    if (frameStep == FrameStep::None) return true;
    if (state_.playback.mediaClosed || !media_.Paused()) return false;
    media_.SeekPosition(frameStep == FrameStep::Forward ? SeekMode::Forward : SeekMode::Backward,
                        media_.TimePerFrame());
    return true;
}

bool WheelSeek::RunWheelSteps(bool playPause) {
    if (state_.playback.mediaClosed) return false;  // notch and play/pause stay pending
    ProcessWheelNotch();
    RunPlayPause(playPause);
    RunWheelSearch();
    return true;
}

void WheelSeek::WindBack() {
    if (step_ == 0) return;
    step_ = 1;
    pendingNotch_ = -1;
}

void WheelSeek::ProcessWheelNotch() {
    if (pendingNotch_ == 0) return;
    if (settings_.wheelVariableSpeed == 1)
        ProcessUserNotch();
    else
        ProcessFixedNotch();
    pendingNotch_ = 0;
}

void WheelSeek::ProcessFixedNotch() {
    if (step_ == 0) media_.Pause();
    step_ += pendingNotch_;
    if (step_ == 0 && !media_.Paused()) media_.Run();
    step_ = ClampStep(step_);
}

WheelSeek::Entry WheelSeek::UserEntry() const {
    const auto i = static_cast<std::size_t>(WheelTableIndex(ClampStep(step_)));
    const bool paused = media_.Paused();
    const WheelTable& steps = paused ? settings_.wheelPauseSteps : settings_.wheelPlaySteps;
    const WheelTable& rates = paused ? settings_.wheelPauseIsRate : settings_.wheelPlayIsRate;
    return {steps[i], rates[i] == 1};
}

void WheelSeek::ProcessUserNotch() {
    step_ = ClampStep(step_ + pendingNotch_);
    const Entry entry = UserEntry();
    if (!entry.isRate && step_ != 0) {
        media_.Pause();  // RunWheelSearch jumps
        return;
    }
    media_.Run();
    const bool backToPause = step_ == 0 && media_.Paused();
    if (!keyGate_.Locked()) {
        media_.SetRate(kRateKick);
        if (backToPause) media_.Pause();
        // Back at 0 the chosen speed returns, not normal speed.
        media_.SetRate(step_ != 0 ? PercentScale(entry.value) : RateFromPermille(state_.playback.playbackRate));
    } else if (backToPause) {
        // Without the rate change the player must still return to its pause.
        media_.Pause();
    }
}

void WheelSeek::RunPlayPause(bool playPause) {
    if (!playPause) return;
    media_.SetRate(RateFromPermille(state_.playback.playbackRate));
    if (step_ == 0) {
        media_.TogglePause();
        return;
    }
    if (settings_.wheelVariableSpeed == 1) {
        if (media_.Paused())
            media_.Pause();
        else
            media_.Run();
        step_ = 0;
    } else {
        step_ = 0;
        if (!media_.Paused()) media_.Run();
    }
}

void WheelSeek::RunWheelSearch() {
    if (step_ == 0 || state_.searchTick != 0) return;
    const SeekMode direction = Direction(step_);
    if (settings_.wheelVariableSpeed != 1) {
        const auto& table = media_.Paused() ? kFixedWheelPauseSteps : kFixedWheelPlaySteps;
        const int ms = table[static_cast<std::size_t>(std::abs(ClampStep(step_)))];
        media_.Search(direction, Milliseconds(ms));
        return;
    }
    const Entry entry = UserEntry();
    if (entry.isRate || entry.value == 0) return;
    media_.Search(Direction(entry.value), MagnitudeMs(entry.value));
}

}  // namespace felux
