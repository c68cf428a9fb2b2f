// The open file's index rows and the row that belongs to the playback position.
#include "playlist/IndexList.h"

#include <algorithm>
#include <limits>

namespace felux {

void IndexList::Clear() {
    rows_ = {};
    endMs_.reset();
    currentRow_ = 0;
    active_ = false;
    reloadRequest = false;
}

void IndexList::Load(IndexRows rows) {
    Clear();
    rows_ = std::move(rows);
    if (rows_.texts.empty()) return;
    active_ = true;
    reloadRequest = true;
}

void IndexList::SetEndMs(std::int64_t durationMs) {
    if (durationMs > 0) endMs_ = durationMs;
}

const std::string& IndexList::CurrentText() const { return RowText(currentRow_); }

const std::string& IndexList::RowText(int row) const {
    static const std::string kNone;
    return row >= 0 && row < RowCount() ? rows_.texts[static_cast<std::size_t>(row)] : kNone;
}

std::int64_t IndexList::RowStartMs(int row) const {
    return row >= 1 && row < RowCount() ? rows_.startMs[static_cast<std::size_t>(row)] : 0;
}

std::int64_t IndexList::Slot(int k) const {
    if (k < RowCount()) return RowStartMs(k);
    return endMs_.value_or(std::numeric_limits<std::int64_t>::max());
}

std::optional<std::int64_t> IndexList::CurrentEndMs() const {
    if (currentRow_ + 1 >= RowCount()) return endMs_;
    return Slot(currentRow_ + 1);
}

int IndexList::FirstRowAfter(std::int64_t ms) const {
    if (rows_.startMs.empty()) return 0;
    const auto first = rows_.startMs.begin();
    return static_cast<int>(std::upper_bound(first + 1, rows_.startMs.end(), ms) - first);
}

std::optional<IndexList::LineSpan> IndexList::LineAt(std::int64_t positionMs) const {
    if (!active_ || positionMs < 0) return std::nullopt;
    const int row = FirstRowAfter(positionMs) - 1;
    if (row == 0 && rows_.texts[0].empty()) return std::nullopt;
    LineSpan span{RowStartMs(row), endMs_};
    // Rows of one time show one after the other: the line runs to the next later start.
    const int after = FirstRowAfter(span.startMs);
    if (after < RowCount()) span.endMs = RowStartMs(after);
    return span;
}

std::optional<std::int64_t> IndexList::NextLineStart(std::int64_t positionMs) const {
    if (!active_) return std::nullopt;
    const int after = FirstRowAfter(positionMs);
    if (after >= RowCount()) return std::nullopt;
    return RowStartMs(after);
}

void IndexList::TrackIndexRow(std::int64_t positionMs) {
    if (!active_) return;
    const int count = RowCount();
    const int before = currentRow_;
    if (positionMs < Slot(currentRow_)) {
        for (int steps = 0; steps < count && currentRow_ > 0 && positionMs < Slot(currentRow_); ++steps) --currentRow_;
    } else if (positionMs > Slot(currentRow_ + 1)) {
        // The last row stays current past the end of the file.
        for (int steps = 0; steps < count && currentRow_ + 1 < count && positionMs >= Slot(currentRow_ + 1); ++steps)
            ++currentRow_;
    }
    if (currentRow_ != before) reloadRequest = true;
}

}  // namespace felux
