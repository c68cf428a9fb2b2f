// Fuzzes reading list files (.tob and .m3u, any encoding) and writing them back.
#include <cstdlib>

#include "FuzzFile.h"
#include "playlist/ListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte picks the kind, so one corpus covers both.
    const bool m3u = size > 0 && (data[0] & 1) != 0;
    const auto file = felux::fuzz::WriteScratch(m3u ? "in.m3u" : "in.tob", data, size);
    felux::Playlist list;
    felux::LoadListFile(list, file);
    // What we write must read back as the same number of entries: no name may split in two.
    const auto out = felux::fuzz::ScratchFolder() / "KR01.tob";
    std::filesystem::remove(out);
    felux::WriteCurrentList(list, out);
    felux::Playlist back;
    felux::LoadListFile(back, out);
    if (back.Size() > list.Size()) std::abort();
    return 0;
}
