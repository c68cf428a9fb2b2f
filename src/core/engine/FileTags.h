// The tags the player shows for the open file: chosen between the MP3's own tag and the engine's, and bounded.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/AudioInfo.h"
#include "platform/MediaEngine.h"

namespace felux {

// A tag text longer than this is cut, between two characters: a title line and a desktop's
// widget show a few dozen.
inline constexpr std::size_t kTagTextCap = 1024;

// Valid UTF-8 (other bytes decoded as the io text rule does) of at most kTagTextCap bytes, with
// control characters as spaces, so that one tag can neither break a line nor grow without end.
std::string BoundedTagText(std::string_view text);

// The MP3's ID3 texts where it has any, else the engine's; the track number is the engine's
// either way. Every text bounded, a track below 1 left out.
MediaTags ShownTags(const std::optional<AudioFileInfo>& mp3, const MediaTags& engine);

}  // namespace felux
