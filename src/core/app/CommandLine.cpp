// What the command line asks the player to play.
#include "app/CommandLine.h"

#include <filesystem>

namespace felux {

std::string JoinArguments(const std::vector<std::string>& argsAfterProgram) {
    std::string joined;
    for (std::size_t i = 0; i < argsAfterProgram.size(); ++i) {
        if (i > 0) joined += ' ';
        joined += argsAfterProgram[i];
    }
    return joined;
}

bool IsListPath(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext == ".m3u" || ext == ".tob";
}

}  // namespace felux
