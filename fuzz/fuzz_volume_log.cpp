// Fuzzes the volume log: its line pairs, the volume lines, and a save that reads back the same.
#include <cstdlib>
#include <string_view>

#include "FuzzFile.h"
#include "engine/Volume.h"
#include "engine/VolumeLog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto folder = felux::fuzz::ScratchFolder();
    felux::fuzz::WriteScratch(felux::VolumeLog::kFileName, data, size);
    felux::VolumeLog log;
    log.Load(folder);
    for (const felux::VolumeRecord& r : log.Records()) (void)felux::ParseVolumeLine(r.volumeLine);
    (void)felux::ParseVolumeLine(std::string_view(reinterpret_cast<const char*>(data), size));
    log.Save(folder);
    felux::VolumeLog back;
    back.Load(folder);
    // Records whose name holds a NUL are dropped; no other may be lost or gained.
    if (back.Records().size() > log.Records().size()) std::abort();
    return 0;
}
