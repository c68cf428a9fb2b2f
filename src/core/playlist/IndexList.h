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

    // The display fetches the current row again when this is set, then clears it.
    bool reloadRequest = false;

private:
    // Slot k: the start of row k; slot RowCount() the end of the file (max while unknown).
    std::int64_t Slot(int k) const;

    IndexRows rows_;
    std::optional<std::int64_t> endMs_;
    int currentRow_ = 0;
    bool active_ = false;
};

}  // namespace felux
