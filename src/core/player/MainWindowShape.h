// The main window's size, title and outline.
#pragma once

#include <vector>

#include "platform/WindowSystem.h"

namespace felux {

inline constexpr int kMainWidth = 407;
inline constexpr int kMainHeight = 50;
inline constexpr const char* kMainTitle = " ◎ FELUX";

// The shape of the panel and main window: one span per row, inclusive ends made exclusive.
std::vector<Rect> PanelRegion();

}  // namespace felux
