// A scratch file per fuzzing process, for parsers that read from a path.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace felux::fuzz {

// A folder of this process's own, made once, reused for every input and removed at exit.
// It lives in memory when it can: the saves fsync, and a disk fsync per input would
// cost most of a run.
class Scratch {
public:
    Scratch() {
        std::error_code ec;
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path base =
            std::filesystem::is_directory(shm, ec) && ::access(shm.c_str(), W_OK) == 0
                ? shm
                : std::filesystem::temp_directory_path();
        folder_ = base / ("felux-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    const std::filesystem::path& Folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

inline const std::filesystem::path& ScratchFolder() {
    static const Scratch scratch;
    return scratch.Folder();
}

inline std::filesystem::path WriteScratch(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path p = ScratchFolder() / name;
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return p;
}

}  // namespace felux::fuzz
