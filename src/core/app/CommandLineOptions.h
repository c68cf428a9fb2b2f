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
    // When the first file argument is a URL, each argument is an entry of its own: file:// URLs
    // decoded, http(s) URLs and plain names as given. The first of them; empty when none was named.
    std::string path;
    // The entries after the first; the running player appends them after it.
    std::vector<std::string> morePaths;
    std::string error;  // the message for Action::Error, without a line end
    // Why arguments were left out (addresses the player does not play), one line each, without
    // a line end; the run goes on with the others.
    std::vector<std::string> notes;
};

// Options count only before the first file argument, so an unquoted path whose words begin
// with "-" still reaches the player whole; "--" ends the options.
CommandLineRequest ParseCommandLine(const std::vector<std::string>& argsAfterProgram);

// "file:///a%20b.mpg" and "file://localhost/..." give the decoded local path; any other text,
// another host, or a NUL, as it stands or escaped, gives nullopt.
std::optional<std::string> FileUrlToPath(std::string_view url);

// The entry a URI from a desktop (a file manager, an MPRIS client) names: a file:// URL's path,
// an http(s) URL as it is; nullopt for anything else.
std::optional<std::string> UriToEntry(std::string_view uri);

// The --help text, naming the data folder in use.
std::string UsageText(std::string_view dataFolder);
std::string VersionText(std::string_view version);

}  // namespace felux
