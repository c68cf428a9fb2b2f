// The media types the player declares: each MIME type with its file extensions, for the folder scan, the desktop file and MPRIS.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace felux {

struct MediaFileType {
    const char* mime;
    std::string_view extensions;  // lower case, without the dot, one blank between
};

// What the player plays. resources/io.github.felux.Felux.desktop declares exactly these and the
// list types below.
inline constexpr std::array kMediaFileTypes = {
    MediaFileType{"video/mpeg", "mpg mpeg m1v m2v vob"},
    MediaFileType{"video/mp4", "mp4 m4v f4v"},
    MediaFileType{"video/x-msvideo", "avi divx"},
    MediaFileType{"video/x-ms-wmv", "wmv"},
    MediaFileType{"video/x-ms-asf", "asf"},
    MediaFileType{"application/vnd.ms-asf", "asf"},
    MediaFileType{"video/quicktime", "mov"},
    MediaFileType{"video/x-matroska", "mkv"},
    MediaFileType{"video/webm", "webm"},
    MediaFileType{"video/ogg", "ogv"},
    MediaFileType{"video/x-flv", "flv"},
    MediaFileType{"video/mp2t", "ts m2ts mts"},
    MediaFileType{"video/3gpp", "3gp"},
    MediaFileType{"audio/mpeg", "mp3 mp2"},
    MediaFileType{"audio/mp4", "m4a"},
    MediaFileType{"audio/x-wav", "wav"},
    MediaFileType{"audio/wav", "wav"},
    MediaFileType{"audio/x-ms-wma", "wma"},
    MediaFileType{"audio/ogg", "ogg oga opus"},
    MediaFileType{"audio/flac", "flac"},
    MediaFileType{"audio/x-flac", "flac"},
    MediaFileType{"audio/aac", "aac"},
    MediaFileType{"audio/x-matroska", "mka"},
};

// List files the player reads; a folder scan leaves them to the list-file switch.
inline constexpr std::array kListFileTypes = {
    MediaFileType{"audio/x-mpegurl", "m3u"},
    MediaFileType{"audio/mpegurl", "m3u"},
};

// Every MIME type above, media first, as the desktop file and MPRIS announce them.
inline constexpr auto kDeclaredMimeTypes = [] {
    std::array<const char*, kMediaFileTypes.size() + kListFileTypes.size()> all{};
    std::size_t i = 0;
    for (const MediaFileType& t : kMediaFileTypes) all[i++] = t.mime;
    for (const MediaFileType& t : kListFileTypes) all[i++] = t.mime;
    return all;
}();

// Still pictures a folder scan takes only from a folder without sound or video (an album's cover
// is not a track). The player does not declare them.
inline constexpr std::string_view kPictureExtensions = "jpg jpeg jpe bmp png gif webp";

// The extension ("mp4", ".MP4") is one of kMediaFileTypes' (ASCII case ignored).
bool IsMediaExtension(std::string_view extension);
// The extension is one of the sound-only types above ("audio/..."), as ".mp3" or "FLAC".
bool IsAudioExtension(std::string_view extension);
// The extension is one of kPictureExtensions, as ".JPG" or "png".
bool IsPictureExtension(std::string_view extension);

}  // namespace felux
