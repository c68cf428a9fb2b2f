// Word tags inside a timed line: "[mm:ss:cc]" marks where the fill reaches at that time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace felux {

inline constexpr std::size_t kMaxWordTags = 100;

struct WordTag {
    std::int64_t ms = 0;
    std::size_t bytes = 0;  // visible bytes before the tag
};

struct WordTaggedText {
    std::string visible;  // the text without its tags
    std::vector<WordTag> tags;
};

// A "[" followed by two digits opens a tag: digits fill a field, ":" starts the
// next, other characters are skipped, "]" closes it. One field is milliseconds,
// two minutes and seconds, three add hundredths; more read as 0. Tags past
// kMaxWordTags are dropped, and a tag never closed stays visible text.
WordTaggedText SplitWordTags(std::string_view text);

}  // namespace felux
