// What the command line asks the player to play.
#include "playlist/CommandLine.h"

#include <algorithm>
#include <filesystem>

#include "playlist/StreamUrl.h"

namespace felux {

std::string JoinArguments(const std::vector<std::string>& argsAfterProgram) {
    std::string joined;
    for (std::size_t i = 0; i < argsAfterProgram.size(); ++i) {
        if (i > 0) joined += ' ';
        joined += argsAfterProgram[i];
    }
    return joined;
}

std::string CommandLinePath(const std::vector<std::string>& argsAfterProgram,
                            const std::filesystem::path& workingFolder) {
    const std::string joined = JoinArguments(argsAfterProgram);
    std::string folder = workingFolder.string();
    if (joined.empty() || joined.front() == '/' || folder.empty() || IsStreamUrl(joined)) return joined;
    std::string_view rest = joined;
    while (rest.starts_with("./")) rest.remove_prefix(std::min(rest.size(), rest.find_first_not_of('/', 1)));
    if (folder.back() != '/') folder += '/';
    return folder + std::string(rest);
}

std::vector<std::string> CommandLinePaths(const std::vector<std::string>& argsAfterProgram,
                                          const std::filesystem::path& workingFolder) {
    if (argsAfterProgram.empty()) return {};
    const std::string joined = CommandLinePath(argsAfterProgram, workingFolder);
    if (argsAfterProgram.size() == 1) return {joined};
    // A URL never holds a raw blank, so arguments joined into one name no stream.
    const auto exists = [](const std::string& path) {
        std::error_code ec;
        if (IsStreamUrl(path)) return path.find(' ') == std::string::npos;
        return std::filesystem::exists(path, ec);
    };
    if (exists(joined)) return {joined};
    std::vector<std::string> each;
    for (const std::string& arg : argsAfterProgram) {
        if (arg.empty()) continue;  // a quoted nothing names no file
        each.push_back(CommandLinePath({arg}, workingFolder));
        if (!exists(each.back())) return {joined};
    }
    return each;
}

}  // namespace felux
