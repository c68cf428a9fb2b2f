// Subtitle files that sit beside a clip and carry its name, to be shown in its picture.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace felux {

// At most this many files are taken, and at most this many folder entries looked at, so that
// a huge folder cannot hold up an open.
inline constexpr std::size_t kMaxSubtitleFiles = 32;
inline constexpr std::size_t kMaxSubtitleScan = 20000;

// "clip.srt" and "clip.<tag>.srt" (a language, say) beside "clip.mkv", for the extensions .srt,
// .ass, .ssa, .vtt and .sub in any case; the exact name first, then by name. Lyrics and other
// timed text (.lrc, .txt) are the player's own and never listed.
std::vector<std::string> SubtitleFilesBeside(const std::string& clip);

}  // namespace felux
