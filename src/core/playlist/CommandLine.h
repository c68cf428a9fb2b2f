// What the command line asks the player to play.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace felux {

// The arguments after the program name joined with single blanks, so an
// unquoted path with spaces survives.
std::string JoinArguments(const std::vector<std::string>& argsAfterProgram);

// The joined arguments as an absolute path: a relative one is taken against the
// working folder, since the list and the history are read again from elsewhere.
// Leading "./" steps are dropped; nothing else is rewritten. A stream URL stays as it is.
std::string CommandLinePath(const std::vector<std::string>& argsAfterProgram,
                            const std::filesystem::path& workingFolder);

// What the command line names, as absolute paths (or stream URLs) in order. Several arguments
// that each name an existing file or a stream are several entries, unless their blank-join
// names a file itself; otherwise the join is the one path, as an unquoted path with blanks
// always was.
std::vector<std::string> CommandLinePaths(const std::vector<std::string>& argsAfterProgram,
                                          const std::filesystem::path& workingFolder);

}  // namespace felux
