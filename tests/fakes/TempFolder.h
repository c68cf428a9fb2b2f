// A fresh temporary folder per test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace felux::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path Write(const std::string& name, std::string_view bytes) const;
    std::string Read(const std::string& name) const;

private:
    std::filesystem::path path_;
};

}  // namespace felux::test
