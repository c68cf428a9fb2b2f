// Where each long file was left, to go on from there when it opens again; kept in data.pos.
#include "engine/ResumePoints.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "io/TextFile.h"
#include "io/TextLines.h"

namespace felux {
namespace {

// A record is "<position ms> <audio> <subtitle> <path>", tracks as "-" (the file's choice) or an id.
constexpr char kFieldSeparator = ' ';
constexpr int kMaxTrackId = 1'000'000;

std::optional<std::int64_t> Number(std::string_view text, std::int64_t max) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || value < 0 || value > max)
        return std::nullopt;
    return value;
}

// The next field up to a blank; nullopt when there is none.
std::optional<std::string_view> TakeField(std::string_view& line) {
    const std::size_t blank = line.find(kFieldSeparator);
    if (blank == std::string_view::npos) return std::nullopt;
    const std::string_view field = line.substr(0, blank);
    line.remove_prefix(blank + 1);
    return field;
}

// False when out of form; "-" leaves the track to the file's choice.
bool ParseTrack(std::string_view text, std::optional<int>& track) {
    track.reset();
    if (text == "-") return true;
    const auto id = Number(text, kMaxTrackId);
    if (!id) return false;
    track = static_cast<int>(*id);
    return true;
}

std::optional<ResumePoint> ParseRecord(std::string_view line) {
    const auto position = TakeField(line);
    const auto audio = TakeField(line);
    const auto subtitle = TakeField(line);
    if (!position || !audio || !subtitle || line.empty() || line.size() > ResumePoints::kMaxPathBytes) return std::nullopt;
    ResumePoint point{std::string(line), 0, std::nullopt, std::nullopt};
    const auto ms = Number(*position, ResumePoints::kMaxPositionMs);
    if (!ms || !ParseTrack(*audio, point.audioTrack) || !ParseTrack(*subtitle, point.subtitleTrack)) return std::nullopt;
    point.positionMs = *ms;
    return point;
}

std::string TrackText(const std::optional<int>& track) { return track ? std::to_string(*track) : "-"; }

}  // namespace

bool ResumePoints::Load(const std::filesystem::path& folder) {
    std::error_code error;
    const std::filesystem::path file = folder / kFileName;
    if (!std::filesystem::exists(file, error)) return true;
    // One byte past the bound tells a file that is too large from one that fills it.
    const auto bytes = io::ReadFileBounded(file, kMaxFileBytes + 1);
    if (!bytes || bytes->size() > kMaxFileBytes) return false;
    std::vector<ResumePoint> points;
    for (const std::string_view line : io::SplitLines(*bytes, kMaxEntries + 1)) {
        auto point = ParseRecord(line);
        if (!point || points.size() == kMaxEntries) return false;
        points.push_back(std::move(*point));
    }
    points_ = std::move(points);
    return true;
}

bool ResumePoints::Save(const std::filesystem::path& folder) const {
    std::string text;
    for (const ResumePoint& point : points_) {
        text += std::to_string(point.positionMs) + kFieldSeparator + TrackText(point.audioTrack) + kFieldSeparator +
                TrackText(point.subtitleTrack) + kFieldSeparator + point.path + "\n";
    }
    return io::WriteFileAtomic(folder / kFileName, text);
}

std::optional<ResumePoint> ResumePoints::Find(const std::string& path) const {
    const auto found = std::find_if(points_.begin(), points_.end(), [&](const ResumePoint& p) { return p.path == path; });
    if (found == points_.end()) return std::nullopt;
    return *found;
}

void ResumePoints::Remember(ResumePoint point) {
    // A name that would not read back as one record is not kept.
    if (point.path.empty() || point.path.size() > kMaxPathBytes || io::NotOneLine(point.path)) return;
    point.positionMs = std::clamp<std::int64_t>(point.positionMs, 0, kMaxPositionMs);
    Forget(point.path);
    points_.insert(points_.begin(), std::move(point));
    if (points_.size() > kMaxEntries) points_.resize(kMaxEntries);
}

void ResumePoints::Forget(const std::string& path) {
    std::erase_if(points_, [&](const ResumePoint& p) { return p.path == path; });
}

}  // namespace felux
