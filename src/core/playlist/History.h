// The play history: the most recently opened files, newest first, kept in HIS.tob.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace felux {

// The history, in the data folder.
inline constexpr const char* kHistoryName = "HIS.tob";

class History {
public:
    static constexpr std::size_t kMaxEntries = 20;

    // Replaces the history with the file's absolute paths, at most kMaxEntries.
    void LoadHistory(const std::filesystem::path& file);
    // Replaces the file atomically; an empty history gives an empty file.
    // False when the file could not be written; the old one is then kept.
    bool SaveHistory(const std::filesystem::path& file) const;
    // Moves or inserts the path (suffix already stripped) at the top; exact-match de-duplication.
    void AddToHistory(const std::string& path);
    const std::vector<std::string>& Entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
};

}  // namespace felux
