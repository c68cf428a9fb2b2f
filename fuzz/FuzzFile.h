// A scratch file per fuzzing process, for parsers that read from a path.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace felux::fuzz {

// A folder of this process's own, made once and reused for every input.
inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path f =
            std::filesystem::temp_directory_path() / ("felux-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(f);
        return f;
    }();
    return folder;
}

inline std::filesystem::path WriteScratch(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path p = ScratchFolder() / name;
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return p;
}

}  // namespace felux::fuzz
