// The keys the keyboard poll watches, in the order of its all-keys-released test.
#pragma once

#include <array>

#include "platform/KeyState.h"
#include "platform/Keys.h"

namespace felux {

inline constexpr std::array<int, 41> kWatchedKeys{
    vk::Return,      vk::Alt,          vk::Char('N'), vk::Char('M'), vk::Down,      vk::Right,
    vk::Left,        vk::Up,           vk::Space,     vk::Char('X'), vk::Char('Z'), vk::Char('S'),
    vk::Char('A'),   vk::Char('C'),    vk::Char('B'), vk::Char('V'), vk::Char('F'), vk::Char('G'),
    vk::Comma,       vk::Period,       vk::BracketRight, vk::BracketLeft, vk::Char('1'), vk::Char('2'),
    vk::Char('3'),   vk::Char('4'),    vk::Char('5'), vk::Char('6'), vk::Char('7'), vk::Char('8'),
    vk::Char('9'),   vk::Char('0'),    vk::Control,   vk::Char('R'), vk::Char('T'), vk::Char('E'),
    vk::Char('W'),   vk::Char('Q'),    vk::Shift,     vk::PageUp,    vk::PageDown};

// Queries every watched key once and discards the answers, clearing their pressed latches.
inline void ClearKeyLatches(KeyState& keys) {
    for (int key : kWatchedKeys) keys.Hit(key);
    keys.EndPoll();
}

}  // namespace felux
