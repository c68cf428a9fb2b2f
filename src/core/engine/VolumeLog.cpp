// The per-file volume log: the volume to use again for each remembered file name, kept in data.vol.
#include "engine/VolumeLog.h"

#include <algorithm>

#include "engine/Volume.h"
#include "io/TextFile.h"
#include "io/TextLines.h"

namespace felux {

void VolumeLog::Load(const std::filesystem::path& folder) {
    const auto bytes = io::ReadFileBounded(folder / kFileName, kMaxFileBytes);
    if (!bytes) return;
    const std::vector<std::string_view> lines = io::SplitLines(*bytes);
    // Names stay as read: they are compared with names taken from paths, which are bytes.
    std::size_t i = 0;
    for (; i + 1 < lines.size(); i += 2) records_.push_back({std::string(lines[i]), std::string(lines[i + 1])});
    // A last name without its volume line is written back as it was, never matched.
    if (i < lines.size()) unpaired_ = std::string(lines[i]);
}

bool VolumeLog::Save(const std::filesystem::path& folder) const {
    std::string text;
    for (const VolumeRecord& record : records_) {
        // Records are line pairs: a name holding a line break would shift every pair after it.
        if (io::NotOneLine(record.name) || io::NotOneLine(record.volumeLine)) continue;
        text += record.name + "\r\n" + record.volumeLine + "\r\n";
    }
    if (unpaired_) text += *unpaired_ + "\r\n";
    return io::WriteFileAtomic(folder / kFileName, text);
}

bool VolumeRecord::Names(std::string_view nameKey) const {
    // A Shift-JIS name from an older log still finds its file under its UTF-8 name.
    return name == nameKey || (!io::IsValidUtf8(name) && io::ToUtf8(name) == nameKey);
}

std::optional<int> VolumeLog::LookUp(std::string_view nameKey, bool enabled) {
    if (!enabled) return std::nullopt;
    const auto found = std::find_if(records_.begin(), records_.end(),
                                    [&](const VolumeRecord& record) { return record.Names(nameKey); });
    recordPresent_ = found != records_.end();
    if (!recordPresent_) return std::nullopt;
    return ParseVolumeLine(found->volumeLine);
}

void VolumeLog::RecordOnLeave(const VolumeLogOptions& options, const CurrentFile& file, int level) {
    if (!options.autoUpdate || !MayWrite(options, file)) return;
    Remove(file.nameKey);
    PutOnTop(options, file.nameKey, level);
}

void VolumeLog::Register(const VolumeLogOptions& options, const CurrentFile& file, int level) {
    if (!MayWrite(options, file)) return;
    Remove(file.nameKey);
    PutOnTop(options, file.nameKey, level);
    recordPresent_ = !records_.empty() && records_.front().name == file.nameKey;
}

void VolumeLog::Forget(const VolumeLogOptions& options, const CurrentFile& file) {
    if (!MayWrite(options, file)) return;
    Remove(file.nameKey);
    recordPresent_ = false;
}

void VolumeLog::Clear() {
    records_.clear();
    unpaired_.reset();
}

void VolumeLog::TrimTo(std::size_t maxEntries) {
    if (records_.size() < maxEntries) return;
    // The unpaired name sits below every record: it falls off first.
    unpaired_.reset();
    records_.resize(maxEntries);
}

bool VolumeLog::MayWrite(const VolumeLogOptions& options, const CurrentFile& file) const {
    return options.enabled && file.wheelStep == 0 && file.openedOnce;
}

void VolumeLog::Remove(std::string_view nameKey) {
    std::erase_if(records_, [&](const VolumeRecord& record) { return record.Names(nameKey); });
}

void VolumeLog::PutOnTop(const VolumeLogOptions& options, std::string_view nameKey, int level) {
    records_.insert(records_.begin(), VolumeRecord{std::string(nameKey), FormatVolumeLine(level)});
    // Trimmed here too, not only by the settings dialog, so that auto-update cannot grow data.vol without end.
    TrimTo(options.maxEntries);
}

}  // namespace felux
