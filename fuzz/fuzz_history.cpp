// Fuzzes the history file: reading it, and that what is written reads back the same.
#include <cstdlib>

#include "FuzzFile.h"
#include "playlist/History.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    felux::History history;
    history.LoadHistory(felux::fuzz::WriteScratch("HIS.tob", data, size));
    const auto out = felux::fuzz::ScratchFolder() / "HIS.out";
    history.SaveHistory(out);
    felux::History back;
    back.LoadHistory(out);
    if (back.Entries() != history.Entries()) std::abort();
    return 0;
}
