// What happens before the windows exist: options, the data folder, the single instance, X11, fonts.
#include "qt/Launch.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "app/CommandLineOptions.h"
#include "app/DataFolder.h"
#include "playlist/CommandLine.h"
#include "playlist/StreamUrl.h"
#include "qt/FontSubstitution.h"
#include "qt/HandOverChannel.h"
#include "qt/X11Session.h"

namespace felux {
namespace {

std::optional<std::string> Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::optional<std::string>(v) : std::nullopt;
}

std::filesystem::path ExecutableFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}

std::string BundledKeyList() {
    QFile bundled(QStringLiteral(":/KR02.sys"));
    if (!bundled.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = bundled.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

std::variant<int, Launch> PrepareLaunch(int argc, char** argv) {
    const CommandLineRequest request = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    const std::string keyList = BundledKeyList();
    const DataFolderInputs inputs{Env("FELUX_HOME"), ExecutableFolder(), Env("XDG_CONFIG_HOME"), Env("HOME"), keyList};
    switch (request.action) {
        case CommandLineRequest::Action::Error:
            std::fprintf(stderr, "%s\n", request.error.c_str());
            return 2;
        case CommandLineRequest::Action::Help: {
            const std::optional<std::filesystem::path> folder = ChooseDataFolder(inputs);
            std::fputs(UsageText(folder ? folder->string() : "(none: set FELUX_HOME or HOME)").c_str(), stdout);
            return 0;
        }
        case CommandLineRequest::Action::Version:
            std::fputs(VersionText(FELUX_VERSION).c_str(), stdout);
            return 0;
        case CommandLineRequest::Action::Run:
            break;
    }

    for (const std::string& note : request.notes) std::fprintf(stderr, "%s\n", note.c_str());

    Launch launch;
    launch.lock = std::make_unique<InstanceLock>();
    // Without a private folder there is neither lock nor hand-over (Folder() said why).
    const QString runtimeFolder = InstanceLock::Folder(ChooseDataFolder(inputs));
    if (runtimeFolder.isEmpty()) {
        // Two players would both save at exit, the last one over the other's list.
        if (InstanceLock::AnotherCopyRuns()) {
            std::fputs("felux: another copy runs without the single-instance lock, which has no private folder;"
                       " not starting a second player\n",
                       stderr);
            return 1;
        }
        std::fputs("felux: no private folder for the single-instance lock and hand-over; running without them\n",
                   stderr);
    }
    launch.runtimeFolder = runtimeFolder;
    const InstanceLock::Result locked =
        runtimeFolder.isEmpty() ? InstanceLock::Result::CannotLock : launch.lock->TryAcquire(runtimeFolder);
    // Leaving quietly would look like success while nothing plays.
    if (locked == InstanceLock::Result::CannotLock && !runtimeFolder.isEmpty())
        std::fprintf(stderr, "felux: could not make the single-instance lock in %s; running without it\n",
                     runtimeFolder.toLocal8Bit().constData());
    if (locked == InstanceLock::Result::Taken) launch.handOverSocket = HandOverSocketPath(runtimeFolder);
    if (locked == InstanceLock::Result::HeldByAnother) {
        // The running player has a working folder of its own.
        std::error_code noFolder;
        std::vector<std::string> files = CommandLinePaths(request.plainArgs, std::filesystem::current_path(noFolder));
        if (!request.path.empty()) files.push_back(request.path);
        files.insert(files.end(), request.morePaths.begin(), request.morePaths.end());
        for (std::string& f : files) {
            if (IsStreamUrl(f)) continue;
            std::error_code ec;
            const std::filesystem::path absolute = std::filesystem::absolute(f, ec);
            if (!ec) f = absolute.string();
        }
        if (files.empty()) return 0;
        int noArgs = 1;
        QCoreApplication app(noArgs, argv);
        // Files that silently went nowhere would look like a start that worked.
        if (const std::optional<std::string> problem = SendHandOver(HandOverSocketPath(runtimeFolder), files)) {
            std::fprintf(stderr, "felux: %s\n", problem->c_str());
            return 1;
        }
        return 0;
    }
    if (const std::optional<std::string> problem = PrepareX11Session()) {
        std::fputs(problem->c_str(), stderr);
        return 1;
    }
    const std::optional<std::filesystem::path> folder = ResolveDataFolder(inputs);
    if (!folder) {
        std::fputs("felux: no data folder: set FELUX_HOME or HOME\n", stderr);
        return 1;
    }
    SubstituteWindowsFonts();
    launch.folder = *folder;
    launch.args = request.plainArgs;
    if (!request.path.empty()) launch.args.push_back(request.path);
    launch.laterFiles = request.morePaths;
    // The running player reads them later, from a working folder that may have changed.
    for (std::string& f : launch.laterFiles) {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(f, ec);
        if (!IsStreamUrl(f) && !ec) f = absolute.string();
    }
    return launch;
}

}  // namespace felux
