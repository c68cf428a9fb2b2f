// The open file's index rows and the row that belongs to the playback position.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "playlist/IndexText.h"

namespace felux {

// Rebuilt on every open. Row 0 is the lead-in; row k starts at RowStartMs(k)
// and lasts until the next row starts, the last one until the end of the file.
class IndexList {
public:
    // No index for the open file: nothing is tracked or shown.
    void Clear();
    // Rows for the open file; row 0 becomes current and a reload is requested.
    void Load(IndexRows rows);
    // The file's duration, once known: the end of the last row.
    void SetEndMs(std::int64_t durationMs);

    // Moves the current row to the one whose span holds positionMs, requesting
    // a reload when it changes. Steps between neighbours, so a seek costs at most
    // one pass over the rows.
    void TrackIndexRow(std::int64_t positionMs);

    bool Active() const { return active_; }
    int RowCount() const { return static_cast<int>(rows_.texts.size()); }
    int CurrentRow() const { return currentRow_; }
    const std::string& CurrentText() const;
    // Row `row`'s text; empty outside 0 .. RowCount() - 1.
    const std::string& RowText(int row) const;
    std::int64_t RowStartMs(int row) const;
    // When the current row ends; nullopt while the last row's end is unknown.
    std::optional<std::int64_t> CurrentEndMs() const;

    // A timed line: from its start to the next later start, the last one to the end of the file
    // (nullopt while that is unknown). The lead-in row is a line only when it has text.
    struct LineSpan {
        std::int64_t startMs = 0;
        std::optional<std::int64_t> endMs;
    };
    // The line playing at positionMs; nullopt before the first line or without rows. Binary
    // searches over the sorted, bounded rows: a key never waits on a long file.
    std::optional<LineSpan> LineAt(std::int64_t positionMs) const;
    // The start of the first line after positionMs.
    std::optional<std::int64_t> NextLineStart(std::int64_t positionMs) const;

    // The display fetches the current row again when this is set, then clears it.
    bool reloadRequest = false;

private:
    // Slot k: the start of row k; slot RowCount() the end of the file (max while unknown).
    std::int64_t Slot(int k) const;
    // The first row past the lead-in that starts after ms; RowCount() when none does.
    int FirstRowAfter(std::int64_t ms) const;

    IndexRows rows_;
    std::optional<std::int64_t> endMs_;
    int currentRow_ = 0;
    bool active_ = false;
};

}  // namespace felux
