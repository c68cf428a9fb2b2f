// The lyrics view: the current row of the timed text large, lit word by word, the rows around it dim.
#include "player/LyricsView.h"

#include <algorithm>

#include "skin/WordTags.h"

namespace felux {

void LyricsView::Load(const IndexList& rows) {
    row_ = rows.CurrentRow();
    endMs_ = rows.CurrentEndMs();
    segment_ = 0;
    frame_ = {};
    auto visible = [&rows](int row) { return SplitWordTags(rows.RowText(row)).visible; };
    for (int r = std::max(0, row_ - kRowsAround); r < row_; ++r) frame_.before.push_back(visible(r));
    for (int r = row_ + 1; r <= row_ + kRowsAround && r < rows.RowCount(); ++r) frame_.after.push_back(visible(r));

    WordTaggedText split = SplitWordTags(rows.CurrentText());
    frame_.current = std::move(split.visible);
    const std::int64_t start = rows.RowStartMs(row_);
    times_.assign(1, start);
    bytes_.assign(1, 0);
    for (const WordTag& tag : split.tags) {
        times_.push_back(tag.ms);
        bytes_.push_back(tag.bytes);
    }
    // As on the panel: a last row whose end is not known yet fills at once when reached.
    times_.push_back(endMs_.value_or(start));
    bytes_.push_back(frame_.current.size());
    // A row without word tags shows whole, lit.
    if (split.tags.empty()) frame_.words.push_back({0, frame_.current.size(), 100});
}

const LyricsFrame& LyricsView::Frame(IndexList& rows, std::int64_t positionMs) {
    rows.TrackIndexRow(positionMs);
    if (rows.CurrentRow() != row_ || rows.CurrentEndMs() != endMs_) Load(rows);
    if (bytes_.size() > 2) {
        const int percent =
            TrackWord(times_.size(), [this](std::size_t k) { return times_[k]; }, segment_, positionMs);
        frame_.words.clear();
        for (std::size_t k = 0; k + 1 < bytes_.size(); ++k) {
            if (bytes_[k + 1] == bytes_[k]) continue;  // two tags at one place: nothing to light
            const int lit = k < segment_ ? 100 : k == segment_ ? percent : 0;
            frame_.words.push_back({bytes_[k], bytes_[k + 1], lit});
        }
    }
    return frame_;
}

}  // namespace felux
