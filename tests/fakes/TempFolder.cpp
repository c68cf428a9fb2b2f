// A fresh temporary folder per test, removed afterwards.
#include "TempFolder.h"

#include <fstream>
#include <random>
#include <sstream>

namespace felux::test {

TempFolder::TempFolder() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("felux-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempFolder::Write(const std::string& name, std::string_view bytes) const {
    const std::filesystem::path p = path_ / name;
    std::ofstream out(p, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p;
}

std::string TempFolder::Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace felux::test
