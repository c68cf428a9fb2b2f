// What happens before the windows exist: options, the data folder, the single instance, X11, fonts.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "qt/InstanceLock.h"

namespace felux {

struct Launch {
    std::filesystem::path folder;
    std::vector<std::string> args;        // what the player opens at start
    std::vector<std::string> laterFiles;  // further files the command line named
    std::unique_ptr<InstanceLock> lock;   // held until the process ends
    QString handOverSocket;               // where to take handed files; empty without the lock
    QString runtimeFolder;                // the lock's folder, also for covers; empty without one
};

// The launch to run, or the exit status of a start that ends here: --help, --version, a bad
// option, a second copy (which hands its files over when the running one listens), no X display.
std::variant<int, Launch> PrepareLaunch(int argc, char** argv);

}  // namespace felux
