// The timed text's lines as places to go: L loops the line playing, the line keys step between lines.
#include "player/TimedLines.h"

namespace felux {

std::int64_t TimedLines::PositionMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(graph_.GetPosition()).count();
}

void TimedLines::ToggleLoop() {
    if (abLoop_.Looping()) {
        abLoop_.End();
        return;
    }
    if (!Available()) return;
    const std::optional<IndexList::LineSpan> line = index_.LineAt(PositionMs());
    if (!line || !line->endMs || *line->endMs < line->startMs + kAbMinimumMs) return;
    abLoop_.LoopLine(line->startMs, *line->endMs);
}

void TimedLines::Step(int direction) {
    if (!Available()) return;
    const std::int64_t now = PositionMs();
    std::optional<std::int64_t> target;
    if (direction > 0) {
        target = index_.NextLineStart(now);
    } else if (const std::optional<IndexList::LineSpan> line = index_.LineAt(now)) {
        target = line->startMs;
        if (now - line->startMs < kLineBackThresholdMs)
            if (const std::optional<IndexList::LineSpan> before = index_.LineAt(line->startMs - 1))
                target = before->startMs;
    }
    if (target) graph_.SeekPosition(SeekMode::To, std::chrono::milliseconds(*target));
}

}  // namespace felux
