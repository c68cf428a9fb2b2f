// The keyboard poll: once a tick, the watched keys become commands and settings changes.
#include "input/KeyboardPoll.h"

#include <algorithm>
#include <cmath>

#include "engine/Volume.h"
#include "input/KeyBindings.h"
#include "platform/Keys.h"

namespace felux {
namespace {

constexpr int kArrowRepeatStart = 5;  // the first notch comes two ticks after the press
constexpr int kArrowRepeatLimit = 6;
constexpr double kOverscanStep = 0.01;

// Hundredths, so repeated steps land exactly on the limits and on the stored percent.
double Hundredths(double v) { return PercentScale(ScalePercent(v)); }

double LowerScale(double v, double limit) {
    const double lowered = Hundredths(v - kOverscanStep);
    return lowered <= limit ? limit : lowered;
}

double RaiseScale(double v) {
    const double raised = Hundredths(v + kOverscanStep);
    return raised >= kOverscanMax ? kOverscanMax : raised;
}

// The digit keys in the order the aspect keys scan them: 1..9, then 0.
constexpr char kAspectDigits[] = "1234567890";

}  // namespace

KeyboardPoll::KeyboardPoll(const PlayerState& state, const PlayerSettings& settings, KeyState& keys, KeyboardActions& actions,
                           AbLoop& abLoop)
    : state_(state), settings_(settings), keys_(keys), actions_(actions), abLoop_(abLoop) {}

void KeyboardPoll::RequestMenu(PopupMenu menu) { pollState.menuRequested[static_cast<std::size_t>(menu)] = true; }

void KeyboardPoll::Poll() {
    BoundKeys(true);
    TrackMouse();
    const bool waiting = gate_.Locked() || !state_.layout.appActive || state_.ModalDialogUp() ||
                         pollState.buttonReleaseGuard != 0;
    if (waiting)
        WaitingState();
    else
        ActiveState();
    keys_.EndPoll();
}

void KeyboardPoll::TrackMouse() {
    if (Hit(vk::LButton)) pollState.lastMouseButton = MouseButton::Left;
    if (Hit(vk::RButton)) {
        // The right button is still going: its menu request waits for a later poll.
        pollState.lastMouseButton = MouseButton::Right;
        return;
    }
    for (std::size_t i = 0; i < pollState.menuRequested.size(); ++i) {
        if (!pollState.menuRequested[i]) continue;
        pollState.menuAt[i] = actions_.CursorPosition();
        pollState.menuRequested[i] = false;
        pollState.menuCountdown[i] = kMenuDelayTicks;
    }
}

void KeyboardPoll::WaitingState() {
    bool busy = false;
    int& guard = pollState.buttonReleaseGuard;
    if (guard != 0) {
        gate_.Lock(kKeyLockoutTicks);
        if (guard >= 2) {
            --guard;
            if (Hit(vk::LButton))
                actions_.Command(ReleaseButton{MouseButton::Left});
            else
                guard = 1;
        }
        if (guard == 1) {
            if (Hit(vk::RButton))
                actions_.Command(ReleaseButton{MouseButton::Right});
            else
                guard = 0;
        }
        if (guard < 1) guard = 0;
        busy = true;
    }
    if (BusyTest()) busy = true;
    if (!busy) gate_.TickDown();
}

bool KeyboardPoll::BusyTest() {
    // Every key is queried, even once the tick is known to be busy: the queries clear the
    // pressed latches, so only presses during the lockout itself keep it running.
    bool busy = false;
    const auto anyDown = [&](std::initializer_list<int> keys) {
        bool any = false;
        for (int k : keys)
            if (Down(k)) any = true;
        return any;
    };
    const auto anyHit = [&](std::initializer_list<int> keys) {
        bool any = false;
        for (int k : keys)
            if (Hit(k)) any = true;
        return any;
    };
    const bool ret = Down(vk::Return);
    const bool alt = Down(vk::Alt);
    if (ret && alt) busy = true;
    if (anyHit({vk::Char('N'), vk::Char('M')})) busy = true;
    if (anyDown({vk::Down, vk::Right, vk::Left, vk::Up, vk::Space})) busy = true;
    if (anyHit({vk::Char('X'), vk::Char('Z'), vk::Char('S'), vk::Char('A'), vk::Char('C'), vk::Char('B'),
                vk::Char('V'), vk::Char('F'), vk::Char('G')}))
        busy = true;
    if (anyHit({vk::Comma, vk::Period})) busy = true;
    if (anyDown({vk::Char('M'), vk::BracketRight, vk::BracketLeft})) busy = true;
    for (const auto& [key, notch] : {std::pair{vk::Up, PlayerCommand::WheelNotchForward},
                                     std::pair{vk::Down, PlayerCommand::WheelNotchBack}}) {
        if (!Hit(key)) continue;
        busy = true;
        if (!state_.layout.appActive) continue;
        if (++pollState.arrowRepeatCount > kArrowRepeatLimit) {
            pollState.arrowRepeatCount = 0;
            actions_.Command(notch);
        }
    }
    if (anyHit({vk::Char('1'), vk::Char('2'), vk::Char('3'), vk::Char('4'), vk::Char('5'), vk::Char('6'),
                vk::Char('7'), vk::Char('8'), vk::Char('9'), vk::Char('0')}))
        busy = true;
    if (anyHit({vk::Control, vk::Char('R'), vk::Char('T'), vk::Char('E'), vk::Char('W')})) busy = true;
    return busy;
}

void KeyboardPoll::ActiveState() {
    MenuCountdowns();
    bool taken = false;
    if (FullScreenKeys()) taken = true;
    if (FrameStepAndSearch()) taken = true;
    Volume();
    if (Arrows()) taken = true;
    if (ScanLineAndMaskKeys()) taken = true;
    if (BoundKeys(false)) taken = true;
    if (SpaceKey()) taken = true;
    if (!state_.playback.mediaClosed && FileKeys()) taken = true;
    if (taken) gate_.Lock(kKeyLockoutTicks);
}

void KeyboardPoll::MenuCountdowns() {
    for (std::size_t i = 0; i < pollState.menuCountdown.size(); ++i) {
        int& countdown = pollState.menuCountdown[i];
        if (countdown <= 0) continue;
        const int was = countdown--;
        if (was != kMenuOpensAt) continue;
        actions_.Command(ShowMenu{static_cast<PopupMenu>(i), pollState.menuAt[i]});
        countdown = 0;
        gate_.Lock(kMenuLockoutTicks);
    }
}

bool KeyboardPoll::FullScreenKeys() {
    bool taken = false;
    // ESC only leaves full screen and F only enters it.
    if (Down(vk::Escape) && state_.layout.fullScreen) {
        actions_.Command(PlayerCommand::FullScreenToggle);
        taken = true;
    }
    if (Down(vk::Char('F')) && !state_.layout.fullScreen) {
        actions_.Command(PlayerCommand::FullScreenToggle);
        taken = true;
    }
    return taken;
}

bool KeyboardPoll::FrameStepAndSearch() {
    // With SHIFT the search keys step one frame, ',' forward and '.' back.
    if (Hit(vk::Comma) && Down(vk::Shift)) {
        actions_.Command(PlayerCommand::FrameForward);
        return true;
    }
    if (Hit(vk::Period) && Down(vk::Shift)) {
        actions_.Command(PlayerCommand::FrameBack);
        return true;
    }
    if (pollState.searchKeyHeld != HeldSearchKey::None) {
        if (pollState.searchKeyHeld == HeldSearchKey::Back && !Down(vk::Comma)) {
            pollState.searchKeyHeld = HeldSearchKey::None;
            actions_.Command(PlayerCommand::SearchBackEnd);
        }
        if (pollState.searchKeyHeld == HeldSearchKey::Forward && !Down(vk::Period)) {
            pollState.searchKeyHeld = HeldSearchKey::None;
            actions_.Command(PlayerCommand::SearchForwardEnd);
        }
        return false;
    }
    // The start also searches once, so even a short tap searches.
    if (Down(vk::Comma)) {
        actions_.Command(PlayerCommand::SearchBackStart);
        actions_.Command(PlayerCommand::SearchIndicatorBack);
        pollState.searchKeyHeld = HeldSearchKey::Back;
    } else if (Down(vk::Period)) {
        actions_.Command(PlayerCommand::SearchForwardStart);
        actions_.Command(PlayerCommand::SearchIndicatorForward);
        pollState.searchKeyHeld = HeldSearchKey::Forward;
    }
    return false;
}

void KeyboardPoll::Volume() {
    const auto change = [&](int delta) {
        int level = actions_.VolumeLevel() + delta;
        if (level > kVolumeFull - 1) level = kVolumeFull;
        if (level < 1) level = 0;
        actions_.Command(SetLiveLevel{level});
        if (!state_.playback.mediaClosed) actions_.Command(PlayerCommand::VolumeChanged);
    };
    const auto mouseVolume = [&](bool on) {
        Edit(SetMouseVolume{on});
        actions_.Command(PlayerCommand::MouseVolumeChanged);
    };
    const bool mouseModeKeys = actions_.FullScreenPanelHidden();
    if (mouseModeKeys && Down(vk::Control) && Down(vk::Char('M')))
        mouseVolume(true);
    else if (Down(vk::Char('M')) || Down(vk::BracketRight))
        change(2);
    if (mouseModeKeys && Down(vk::Control) && Down(vk::Char('N')))
        mouseVolume(false);
    else if (Down(vk::Char('N')) || Down(vk::BracketLeft))
        change(-2);
}

bool KeyboardPoll::Arrows() {
    // Under CTRL LEFT and RIGHT step between timed lines (the key table), not entries.
    const bool lineKeys = Down(vk::Control);
    if (!lineKeys && Down(vk::Right)) {
        actions_.Command(PlayerCommand::NextEntry);
        actions_.Command(PlayerCommand::StopWheelSeek);
        return true;
    }
    if (!lineKeys && Down(vk::Left)) {
        actions_.Command(PlayerCommand::PreviousEntry);
        actions_.Command(PlayerCommand::StopWheelSeek);
        return true;
    }
    if (Down(vk::Up) || Down(vk::Down)) {
        // The waiting polls count on from here and hand the wheel seek its notches.
        pollState.arrowRepeatCount = kArrowRepeatStart;
        return true;
    }
    return false;
}

bool KeyboardPoll::ScanLineAndMaskKeys() {
    bool taken = false;
    if (Hit(vk::Char('S'))) {
        Edit(ToggleScanLines{});
        actions_.Command(PlayerCommand::VideoRegionsChanged);
        taken = true;
    }
    if (Hit(vk::Char('A'))) {
        Edit(CycleLineMask{});
        actions_.Command(PlayerCommand::VideoRegionsChanged);
        taken = true;
    }
    return taken;
}

bool KeyboardPoll::BoundKeys(bool lockedOut) {
    bool taken = false;
    for (const KeyBinding& b : kKeyBindings) {
        if (b.duringLockout != lockedOut) continue;
        // Modifiers first: a query clears the key's latch, so the key is asked only when they hold.
        if (b.modifiers.control && !Down(vk::Control)) continue;
        if (b.modifiers.alt && !Down(vk::Alt)) continue;
        if (b.modifiers.shift != ShiftKey::Any && Down(vk::Shift) != (b.modifiers.shift == ShiftKey::Held)) continue;
        if (!(b.trigger == KeyTrigger::Down ? Down(b.key) : Hit(b.key))) continue;
        actions_.Command(b.command);
        taken = true;
    }
    return taken;
}

bool KeyboardPoll::SpaceKey() {
    if (!Down(vk::Space)) return false;
    actions_.Command(state_.playback.mediaClosed ? PlayerCommand::Play : PlayerCommand::PlayPause);
    return true;
}

bool KeyboardPoll::FileKeys() {
    bool taken = false;
    if (Hit(vk::Char('R'))) {
        if (actions_.PlaylistCount() > 0) {
            abLoop_.Step();
            if (!abLoop_.Looping()) actions_.Command(PlayerCommand::CheckABRepeat);
        }
        taken = true;
    }
    if (Hit(vk::Char('T')) && abLoop_.Looping()) {
        actions_.Command(PlayerCommand::AppendSegmentEntry);
        taken = true;
    }
    bool overscan = OverscanFineKeys();
    if (OverscanPresetKeys()) {
        overscan = true;
        taken = true;
    }
    if (overscan) actions_.Command(PlayerCommand::ApplyOverscan);
    if (ScanLinePatternKeys()) taken = true;
    if (AspectKeys()) taken = true;
    return taken;
}

bool KeyboardPoll::OverscanFineKeys() {
    // No lockout: the scale moves every tick while the key is held.
    double x = settings_.overscanScaleX;
    double y = settings_.overscanScaleY;
    bool applied = false;
    if (Hit(vk::Char('E'))) {
        if (Down(vk::Alt)) {
            y = LowerScale(y, kOverscanMinY);
        } else if (Down(vk::Shift)) {
            x = LowerScale(x, kOverscanMinX);
        } else {
            x = LowerScale(x, kOverscanMinX);
            y = LowerScale(y, kOverscanMinY);
        }
        applied = true;
    }
    if (Hit(vk::Char('W'))) {
        if (Down(vk::Alt)) {
            y = RaiseScale(y);
        } else if (Down(vk::Shift)) {
            x = RaiseScale(x);
        } else {
            x = RaiseScale(x);
            y = RaiseScale(y);
        }
        applied = true;
    }
    if (applied) Edit(SetOverscan{std::nullopt, x, y});
    return applied;
}

bool KeyboardPoll::OverscanPresetKeys() {
    bool taken = false;
    // Q is the overscan key only on its own: under CTRL or ALT it belongs to the quit chord,
    // whole or still being pressed, and the exit would save the reset over the user's choice.
    // Asked first, so that a Q of the chord leaves no latch behind to reset later.
    const bool q = Hit(vk::Char('Q'));
    if (q && !Down(vk::Control) && !Down(vk::Alt)) {
        Edit(SetOverscan{0, 1.0, 1.0});
        taken = true;
    }
    if (!Down(vk::Shift)) return taken;
    for (int digit = 1; digit <= 5; ++digit) {
        if (!Hit(vk::Char(static_cast<char>('0' + digit)))) continue;
        Edit(digit == 1 ? SetOverscan{0, 1.0, 1.0} : PresetScales(digit, digit - 1));
        return true;
    }
    return taken;
}

bool KeyboardPoll::ScanLinePatternKeys() {
    if (!Down(vk::Alt)) return false;
    for (int digit = 1; digit <= 5; ++digit) {
        if (!Hit(vk::Char(static_cast<char>('0' + digit)))) continue;
        Edit(SetScanLinePattern{digit - 1});
        if (digit >= 2) Edit(PresetScales(digit, std::nullopt));
        actions_.Command(PlayerCommand::ScanLinePatternChanged);
        return true;
    }
    return false;
}

bool KeyboardPoll::AspectKeys() {
    if (Down(vk::Shift) || Down(vk::Alt)) return false;
    for (int i = 0; kAspectDigits[i] != '\0'; ++i) {
        if (!Hit(vk::Char(kAspectDigits[i]))) continue;
        Edit(SetAspectPreset{i});
        actions_.Command(PlayerCommand::AspectChange);
        return true;
    }
    return false;
}

SetOverscan KeyboardPoll::PresetScales(int preset, std::optional<int> asPreset) const {
    const int xs[] = {settings_.overscanX2, settings_.overscanX3, settings_.overscanX4, settings_.overscanX5};
    const int ys[] = {settings_.overscanY2, settings_.overscanY3, settings_.overscanY4, settings_.overscanY5};
    const auto i = static_cast<std::size_t>(std::clamp(preset, 2, 5) - 2);
    // In floating point: the stored percents may be anything a settings file held.
    return {asPreset, Hundredths(1.0 - xs[i] / 100.0), Hundredths(1.0 - ys[i] / 100.0)};
}

}  // namespace felux
