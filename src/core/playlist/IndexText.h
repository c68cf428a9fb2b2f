// Index text files: the timed-line grammar, lyrics (.lrc) lines, and the sorted rows they give.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace felux {

// Bounds that keep a damaged or huge file cheap: rows past the slots are dropped,
// tags past kMaxLineTags are ignored (the line still counts), a field longer than
// kMaxFieldDigits rejects its line, and only the first kMaxIndexFileBytes are read.
inline constexpr int kIndexSlots = 3600;  // row 0 and the end slot take one each
inline constexpr int kMaxLineTags = 50;
inline constexpr int kMaxFieldDigits = 9;
inline constexpr std::size_t kMaxRowTextBytes = 1024;
inline constexpr std::size_t kMaxIndexFileBytes = 4 * 1024 * 1024;

// One line of an index file: the start times (milliseconds, in file order) and
// the row text, which may still hold "[mm:ss:cc]" word tags.
struct TimedLine {
    std::vector<std::int64_t> timesMs;
    std::string text;
};

// A line of the index grammar ("[01:23:45]text", "1:23=text", "[500]text",
// several tags for one text); nullopt for a line that is not a timed line.
std::optional<TimedLine> ParseIndexLine(std::string_view line);

// A lyrics line ("[mm:ss.xx]text", several tags, "<mm:ss.xx>" word times turned
// into the word tags the display reads); nullopt for metadata and other lines.
// offsetMs comes from an "[offset:+n]" line: positive shows the lines sooner.
std::optional<TimedLine> ParseLrcLine(std::string_view line, std::int64_t offsetMs);

enum class IndexFormat { Index, Lrc };

// The rows of a whole file in time order: row 0 holds the lead-in text (from
// tags below 1 ms, the last such line wins), row k > 0 starts at startMs[k].
// Of rows with equal times the one read last comes first.
struct IndexRows {
    std::vector<std::string> texts;
    std::vector<std::int64_t> startMs;
};
IndexRows BuildIndexRows(std::string_view utf8, IndexFormat format);

struct IndexFile {
    std::filesystem::path path;
    IndexFormat format = IndexFormat::Index;
};

// Where a media file's index may be, in the order to try them: the program
// folder's "Index/<name>(<size>).txt", "<name>.txt" beside the media, "<name>.lrc" beside it.
std::vector<IndexFile> IndexFileCandidates(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& mediaPath, std::uintmax_t mediaSize);

}  // namespace felux
