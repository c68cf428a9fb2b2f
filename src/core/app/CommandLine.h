// What the command line asks the player to play.
#pragma once

#include <string>
#include <vector>

namespace felux {

// The arguments after the program name joined with single blanks, so an
// unquoted path with spaces survives.
std::string JoinArguments(const std::vector<std::string>& argsAfterProgram);

// ".m3u" or ".tob" in any letter case: a list file rather than a media file.
bool IsListPath(const std::string& path);

}  // namespace felux
