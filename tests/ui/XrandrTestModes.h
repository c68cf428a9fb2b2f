// Test helper: gives the X screen extra modes, and reads its size, through its own connection.
#pragma once

#include <optional>
#include <utility>
#include <vector>

namespace felux::test {

// Adds the sizes to the first output and makes them known to the size list; the modes
// live as long as the helper's connection, which stays open until the process ends.
bool AddScreenModes(const std::vector<std::pair<int, int>>& sizes);

// The screen's current size as the server reports it now.
std::optional<std::pair<int, int>> CurrentScreenSize();

}  // namespace felux::test
