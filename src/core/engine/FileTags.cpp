// The tags the player shows for the open file: chosen between the MP3's own tag and the engine's, and bounded.
#include "engine/FileTags.h"

#include <algorithm>

#include "io/TextFile.h"

namespace felux {
namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// At most cap bytes, not ending inside a UTF-8 sequence: a cut valid text stays valid.
std::string_view CutAtCharacter(std::string_view text, std::size_t cap) {
    if (text.size() <= cap) return text;
    std::size_t end = cap;
    // A sequence is at most 4 bytes: the backing off stops within 3 even for bytes that are not UTF-8.
    for (int i = 0; i < 3 && end > 0 && IsContinuation(text[end]); ++i) --end;
    return text.substr(0, end);
}

}  // namespace

std::string BoundedTagText(std::string_view text) {
    // Decoding as Shift-JIS may lengthen the text: cut again after it.
    std::string utf8 = io::ToUtf8(CutAtCharacter(text, kTagTextCap));
    utf8.resize(CutAtCharacter(utf8, kTagTextCap).size());
    std::replace_if(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; },
                    ' ');
    return utf8;
}

MediaTags ShownTags(const std::optional<AudioFileInfo>& mp3, const MediaTags& engine) {
    const bool ownTag = mp3 && !(mp3->tag.title.empty() && mp3->tag.artist.empty() && mp3->tag.album.empty());
    MediaTags shown;
    shown.title = BoundedTagText(ownTag ? mp3->tag.title : engine.title);
    shown.artist = BoundedTagText(ownTag ? mp3->tag.artist : engine.artist);
    shown.album = BoundedTagText(ownTag ? mp3->tag.album : engine.album);
    if (engine.track && *engine.track > 0) shown.track = engine.track;
    return shown;
}

}  // namespace felux
