// Key and mouse-button codes the core polls (the classic virtual-key numbering).
#pragma once

#include "model/MouseButton.h"

namespace felux::vk {

inline constexpr int LButton = 0x01;
inline constexpr int RButton = 0x02;
inline constexpr int MButton = 0x04;
inline constexpr int Return = 0x0D;
inline constexpr int Shift = 0x10;
inline constexpr int Control = 0x11;
inline constexpr int Alt = 0x12;
inline constexpr int Escape = 0x1B;
inline constexpr int Space = 0x20;
inline constexpr int PageUp = 0x21;
inline constexpr int PageDown = 0x22;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int Equals = 0xBB;  // the key of "=" and, shifted, "+"
inline constexpr int Comma = 0xBC;
inline constexpr int Minus = 0xBD;
inline constexpr int Period = 0xBE;
inline constexpr int BracketLeft = 0xDB;
inline constexpr int BracketRight = 0xDD;

// Digits and letters use their ASCII upper-case codes: '0'..'9', 'A'..'Z'.
constexpr int Char(char c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; }

// The key code a button is polled under.
constexpr int ButtonKey(MouseButton button) { return button == MouseButton::Left ? LButton : RButton; }

}  // namespace felux::vk
