// The lyrics view: the current row of the timed text large, lit word by word, the rows around it dim.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "playlist/IndexList.h"

namespace felux {

// A stretch of the current line's visible text (bytes [from, to)) and how much of it is lit.
struct LyricsWord {
    std::size_t from = 0;
    std::size_t to = 0;
    int litPercent = 0;  // 0..100, lit from its left edge
    bool operator==(const LyricsWord&) const = default;
};

struct LyricsFrame {
    std::vector<std::string> before;  // the rows before the current one, oldest first
    std::string current;              // without its word tags
    std::vector<LyricsWord> words;    // cover `current` in order
    std::vector<std::string> after;   // the rows after it, next first
    bool operator==(const LyricsFrame&) const = default;
};

class LyricsView {
public:
    static constexpr int kRowsAround = 2;

    // What shows at positionMs. Follows the rows' current row; the work per frame is bounded by
    // the rows' own bounds (the text and word tags of five rows), however long the file is.
    const LyricsFrame& Frame(IndexList& rows, std::int64_t positionMs);

private:
    void Load(const IndexList& rows);

    int row_ = -1;
    std::optional<std::int64_t> endMs_;
    std::vector<std::int64_t> times_;  // the row's start, its word tags, its end
    std::vector<std::size_t> bytes_;   // where each of those falls in the visible text
    std::size_t segment_ = 0;
    LyricsFrame frame_;
};

}  // namespace felux
