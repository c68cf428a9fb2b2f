// The plain key bindings: a key, the modifiers it needs, and the command it raises.
#pragma once

#include <array>

#include "model/PlayerCommand.h"
#include "platform/Keys.h"

namespace felux {

// Down: held, or tapped since the last poll. Hit: also pressed since the key's last query.
enum class KeyTrigger { Down, Hit };

// SHIFT tells apart two bindings of one key; where neither needs it, it does not matter.
enum class ShiftKey { Any, Held, Up };

// Modifiers that must be held; the others do not matter.
struct KeyModifiers {
    bool control = false;
    bool alt = false;
    ShiftKey shift = ShiftKey::Any;
};

struct KeyBinding {
    int key;
    KeyModifiers modifiers;
    KeyTrigger trigger;
    PlayerCommand command;
    // Acts even while the keys are locked out, and starts no lockout of its own.
    bool duringLockout = false;
};

// Held, repeating and locked keys (volume, arrows, the search keys, SPACE, the digits) are the
// poll's own code: what they do depends on how long and when they are held.
inline constexpr std::array kKeyBindings{
    KeyBinding{vk::Char('Q'), {.control = true, .alt = true}, KeyTrigger::Down, PlayerCommand::Quit, true},
    KeyBinding{vk::Return, {.alt = true}, KeyTrigger::Down, PlayerCommand::FullScreenToggle},
    KeyBinding{vk::Char('K'), {}, KeyTrigger::Down, PlayerCommand::LyricsToggle},
    KeyBinding{vk::Char('X'), {}, KeyTrigger::Hit, PlayerCommand::ZoomIn},
    KeyBinding{vk::Char('Z'), {}, KeyTrigger::Hit, PlayerCommand::ZoomOut},
    // Keys the behaviour leaves free, as other players use them.
    KeyBinding{vk::Char('B'), {}, KeyTrigger::Hit, PlayerCommand::AudioTrackNext},
    KeyBinding{vk::Char('V'), {}, KeyTrigger::Hit, PlayerCommand::SubtitleTrackNext},
    KeyBinding{vk::Char('Y'), {}, KeyTrigger::Hit, PlayerCommand::LyricsViewToggle},
    KeyBinding{vk::PageDown, {}, KeyTrigger::Hit, PlayerCommand::ChapterNext},
    KeyBinding{vk::PageUp, {}, KeyTrigger::Hit, PlayerCommand::ChapterPrevious},
    KeyBinding{vk::Char('L'), {}, KeyTrigger::Hit, PlayerCommand::LineLoopToggle},
    // As mpv steps between subtitle lines; the arrows' own code leaves them to these under CTRL.
    KeyBinding{vk::Right, {.control = true}, KeyTrigger::Hit, PlayerCommand::LineNext},
    KeyBinding{vk::Left, {.control = true}, KeyTrigger::Hit, PlayerCommand::LinePrevious},
    KeyBinding{vk::Minus, {}, KeyTrigger::Hit, PlayerCommand::SpeedDown},
    KeyBinding{vk::Equals, {.shift = ShiftKey::Held}, KeyTrigger::Hit, PlayerCommand::SpeedUp},
    KeyBinding{vk::Equals, {.shift = ShiftKey::Up}, KeyTrigger::Hit, PlayerCommand::SpeedNormal},
};

}  // namespace felux
