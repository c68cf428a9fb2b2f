// The media types the player opens, as the desktop file and MPRIS announce them.
#pragma once

#include "playlist/MediaFileTypes.h"

namespace felux {

inline constexpr const auto& kMediaMimeTypes = kDeclaredMimeTypes;

}  // namespace felux
