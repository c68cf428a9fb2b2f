// The media types the player opens, as the desktop file and MPRIS announce them.
#pragma once

#include <array>

namespace felux {

inline constexpr std::array kMediaMimeTypes = {
    "video/mpeg",       "video/mp4",          "video/x-msvideo", "video/x-ms-wmv",  "video/x-ms-asf",
    "video/quicktime",  "video/x-matroska",   "video/webm",      "video/ogg",       "video/x-flv",
    "video/mp2t",       "audio/mpeg",         "audio/mp4",       "audio/x-wav",     "audio/wav",
    "audio/x-ms-wma",   "audio/ogg",          "audio/flac",      "audio/x-flac",    "audio/aac",
    "audio/x-mpegurl",  "audio/mpegurl",
};

}  // namespace felux
