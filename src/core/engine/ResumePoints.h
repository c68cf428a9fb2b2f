// Where each long file was left, to go on from there when it opens again; kept in data.pos.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace felux {

struct ResumePoint {
    std::string path;  // the file as opened, byte for byte
    std::int64_t positionMs = 0;
    // The engine's track ids the user had; nullopt: the file's own choice, 0: none (subtitles off).
    std::optional<int> audioTrack;
    std::optional<int> subtitleTrack;
};

class ResumePoints {
public:
    static constexpr const char* kFileName = "data.pos";
    static constexpr std::size_t kMaxEntries = 1000;
    // A path longer than Linux allows names no file; a file over this size is not ours.
    static constexpr std::size_t kMaxPathBytes = 4096;
    static constexpr std::size_t kMaxFileBytes = kMaxEntries * (kMaxPathBytes + 64);
    // Ten days: a position beyond it is nothing a file of ours could have.
    static constexpr std::int64_t kMaxPositionMs = 10LL * 24 * 3600 * 1000;

    // Takes the points of folder/data.pos. False when the file is there but damaged (a line out of
    // form, or too large): then nothing is taken from it. A missing file is no damage.
    bool Load(const std::filesystem::path& folder);
    // Replaces folder/data.pos atomically; false when it could not be written.
    bool Save(const std::filesystem::path& folder) const;

    std::optional<ResumePoint> Find(const std::string& path) const;
    // The newest first; the oldest falls off past kMaxEntries.
    void Remember(ResumePoint point);
    void Forget(const std::string& path);

    const std::vector<ResumePoint>& Points() const { return points_; }

private:
    std::vector<ResumePoint> points_;
};

}  // namespace felux
