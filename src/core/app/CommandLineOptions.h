// The program's options (--help, --version) and the files its command line names.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace felux {

struct CommandLineRequest {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    // The plain file arguments as given: whether they are one path with blanks or several files
    // is decided against the disk (CommandLinePaths).
    std::vector<std::string> plainArgs;
    // The first of several file:// URLs, decoded. Empty when none was named.
    std::string path;
    // Further files named by URLs; the running player appends them after the first.
    std::vector<std::string> morePaths;
    std::string error;  // the message for Action::Error, without a line end
};

// Options count only before the first file argument, so an unquoted path whose words begin
// with "-" still reaches the player whole; "--" ends the options.
CommandLineRequest ParseCommandLine(const std::vector<std::string>& argsAfterProgram);

// "file:///a%20b.mpg" and "file://localhost/..." give the decoded local path; any other text,
// another host, or a NUL, as it stands or escaped, gives nullopt.
std::optional<std::string> FileUrlToPath(std::string_view url);

// The --help text, naming the data folder in use.
std::string UsageText(std::string_view dataFolder);
std::string VersionText(std::string_view version);

}  // namespace felux
