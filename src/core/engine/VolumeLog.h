// The per-file volume log: the volume to use again for each remembered file name, kept in data.vol.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace felux {

struct VolumeRecord {
    std::string name;        // the file's name without folder and extension; compared byte for byte
    std::string volumeLine;  // "1:%08x" of the wave-out value, kept as read

    // Whether this is the record of the file with that name key.
    bool Names(std::string_view nameKey) const;
};

struct VolumeLogOptions {
    bool enabled = true;      // volumeLogEnabled
    bool autoUpdate = false;  // volumeLogAutoUpdate
    std::size_t maxEntries = 500;  // volumeLogMax: records beyond it fall off the bottom
};

// What the log needs to know about the file being played.
struct CurrentFile {
    std::string_view nameKey;
    bool openedOnce = false;  // records are written only after a file has been opened
    int wheelStep = 0;        // a wheel seek in progress keeps the log untouched
};

class VolumeLog {
public:
    static constexpr const char* kFileName = "data.vol";
    static constexpr std::size_t kMaxFileBytes = 4u << 20;

    // Appends the records of folder/data.vol; a missing or unreadable file adds nothing.
    void Load(const std::filesystem::path& folder);
    // Replaces folder/data.vol atomically; false when it could not be written.
    bool Save(const std::filesystem::path& folder) const;

    // The level of the file's record, newest first. With the log enabled this also sets
    // RecordPresent(); with it disabled nothing changes and nullopt is returned.
    std::optional<int> LookUp(std::string_view nameKey, bool enabled);
    // On leaving a file: with auto-update, its record moves to the top with the current level.
    void RecordOnLeave(const VolumeLogOptions& options, const CurrentFile& file, int level);
    // The record toggle: Register puts the file's record at the top, Forget removes it.
    void Register(const VolumeLogOptions& options, const CurrentFile& file, int level);
    void Forget(const VolumeLogOptions& options, const CurrentFile& file);

    void Clear();
    void TrimTo(std::size_t maxEntries);

    bool RecordPresent() const { return recordPresent_; }
    const std::vector<VolumeRecord>& Records() const { return records_; }

private:
    bool MayWrite(const VolumeLogOptions& options, const CurrentFile& file) const;
    void Remove(std::string_view nameKey);
    void PutOnTop(const VolumeLogOptions& options, std::string_view nameKey, int level);

    std::vector<VolumeRecord> records_;
    std::optional<std::string> unpaired_;  // a name line at the end of data.vol without its volume line
    bool recordPresent_ = false;
};

}  // namespace felux
