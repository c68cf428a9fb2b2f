// Wiring: the Qt windows and adapters, the player core, and the tick's timer.
#include <QApplication>
#include <QFile>
#include <clocale>
#include <cstdio>
#include <fcntl.h>
#include <malloc.h>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <system_error>
#include <vector>

#include "app/HandOver.h"
#include "input/KeyLatch.h"
#include "model/Tick.h"
#include "mpv/MpvEngine.h"
#include "mpv/MpvInstance.h"
#include "mpv/MpvSystemVolume.h"
#include "mpv/QuietSoundLibraries.h"
#include "mpv/SoundStreamName.h"
#include "player/Player.h"
#include "playlist/CommandLine.h"
#include "playlist/ListFile.h"
#include "qt/BusScreenSaver.h"
#include "qt/HandOverChannel.h"
#include "qt/Launch.h"
#include "qt/MainWindow.h"
#include "qt/MprisService.h"
#include "qt/PlaylistEditorWindow.h"
#include "qt/QtPlaylistDialogs.h"
#include "qt/XRandrDisplayModes.h"
#include "qt/FocusReturn.h"
#include "qt/QtKeyFeed.h"
#include "qt/QtSettingsDialogs.h"
#include "qt/QtTextPainter.h"
#include "qt/QtWindowSystem.h"
#include "qt/SessionBus.h"
#include "qt/SessionEnd.h"
#include "qt/TickClock.h"
#include "qt/Translation.h"
#include "qt/VideoWindow.h"
#include "qt/XConnectionLoss.h"

namespace {
constexpr int kTicksPerTrim = 1000 / felux::kTickMs;
}  // namespace

int main(int argc, char** argv) {
    // mpv starts new demuxer and decoder threads for each file, and glibc gives new threads
    // arenas of their own that keep their freed memory: without a cap the resident size grows
    // by some 20 MiB over a long list even on the one instance, and ends 40 MiB higher.
    // Two arenas keep it flat, at no measurable cost in playing: 4K HEVC, decoded on several
    // threads, keeps the same time and drops as many frames with the cap lifted, quiet or loaded.
    ::mallopt(M_ARENA_MAX, 2);
    // Standard descriptors that were closed at launch would be reused by the X connection and
    // then closed by code that means the standard ones.
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) < 0) ::open("/dev/null", O_RDWR);
    // The resources live in a static library: register them explicitly.
    Q_INIT_RESOURCE(felux);
    // Both windows carry the class "felux" whatever the program file is called.
    if (qEnvironmentVariableIsEmpty("RESOURCE_NAME")) qputenv("RESOURCE_NAME", "felux");
    std::variant<int, felux::Launch> prepared = felux::PrepareLaunch(argc, argv);
    if (const int* status = std::get_if<int>(&prepared)) return *status;
    felux::Launch& launch = std::get<felux::Launch>(prepared);
    // The player's first open takes it over; a list is the player's to read, so nothing is guessed.
    std::error_code noFolder;
    const std::vector<std::string> named = felux::CommandLinePaths(launch.args, std::filesystem::current_path(noFolder));
    // The environment is written here or never: Qt and the engine start threads that read it.
    felux::QuietSoundLibraries();
    const bool busFound = felux::PinSessionBusAddress();
    felux::NameSoundStream(named.empty() ? felux::SoundRole::Movie : felux::SoundRoleOf(named.front()));
    // mpv starts beside Qt, on a thread of its own; the picture window is given to it once it exists.
    auto engineAhead = std::make_unique<felux::mpv::InstanceAhead>(felux::mpv::InstanceSetup{});
    QCoreApplication::setApplicationName(QStringLiteral("felux"));
    // Our command line is read already: Qt sees only the program name.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // libmpv needs C number formatting; Qt has just set the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    // Qt's connection is open and its handler set; the engine's picture thread opens its own.
    felux::EndOnXConnectionLossOnThisThread();
    felux::InstallTranslation();
    app.setQuitOnLastWindowClosed(false);

    // The picture window and mpv come first: the first file loads while the rest is built.
    felux::VideoWindow videoWindow;
    auto toStandardError = [](const std::string& text) { std::fputs(text.c_str(), stderr); };
    // The picture widget is native, so mpv can draw into it.
    // mpv's news of an open comes on its own thread: posted here, it is taken on this one.
    QObject openNewsTarget;
    std::function<void()> onOpenNews;
    felux::MpvEngine media(
        [&videoWindow]() -> std::optional<std::int64_t> {
            return static_cast<std::int64_t>(videoWindow.PictureWindow());
        },
        toStandardError,
        [&openNewsTarget, &onOpenNews] {
            QMetaObject::invokeMethod(
                &openNewsTarget, [&onOpenNews] { if (onOpenNews) onOpenNews(); }, Qt::QueuedConnection);
        });
    media.UseInstanceAhead(std::move(engineAhead));
    if (!named.empty() && !felux::IsListPath(named.front())) media.Preload(named.front());

    felux::MainWindow mainWindow;
    felux::KeyLatch keys;
    felux::QtKeyFeed keyFeed(keys);
    app.installEventFilter(&keyFeed);
    felux::FocusReturn focusReturn(mainWindow, videoWindow);
    app.installEventFilter(&focusReturn);
    felux::QtWindowSystem windows(mainWindow, videoWindow);
    felux::XRandrDisplayModes displayModes;
    felux::QtEditorWindow editorWindow;
    windows.SetEditor([&editorWindow] { return editorWindow.Widget(); });
    // Choosers belong to the editor while it is open, so that they come up over it.
    felux::QtPlaylistDialogs dialogs([&editorWindow, &mainWindow]() -> QWidget* {
        return editorWindow.Widget() ? editorWindow.Widget() : &mainWindow;
    });

    felux::MpvSystemVolume systemVolume(media);

    felux::QtTextPainter textPainter;
    felux::QtSettingsDialogs settingsDialogs(&mainWindow, displayModes);

    // Outlives the player, so that the release at exit reaches the bus before the process ends.
    felux::BusScreenSaver screenSaver(toStandardError);
    // The tick's clock is made once the player is: until then, nothing to bring forward.
    std::function<void()> promptTick = [] {};
    felux::Player player({windows, keys, displayModes, media, systemVolume, toStandardError, &textPainter,
                                 &settingsDialogs, &editorWindow, &dialogs, &screenSaver, [&promptTick] { promptTick(); }},
                                launch.folder, std::move(launch.args));
    settingsDialogs.SetClosed([&player](const std::optional<felux::SettingsForm>& result) {
        player.Command(felux::CloseSettings{result});
    });
    mainWindow.SetPlayer(&player);
    editorWindow.SetPlayer(&player, &mainWindow);
    dialogs.SetReceivers([&player](int id) { player.Command(felux::ChooseMenuItem{id}); },
                         [&player](std::optional<std::string> path) { player.Command(felux::ChooseFile{std::move(path)}); });
    videoWindow.SetRecord(&player.VideoInputRecord());
    videoWindow.SetCloseHandler([&player] { player.Command(felux::PlayerCommand::Quit); });
    videoWindow.SetStripPainter([&player](felux::PixelSink& sink, int width, int height) {
        player.View().PaintTimedTextStrip(sink, width, height);
    });
    videoWindow.Lyrics()->SetSource([&player]() -> const felux::LyricsFrame& { return player.View().Lyrics(); },
                                    [&player] { return player.View().Settings().fontFace; });
    QObject::connect(&app, &QGuiApplication::applicationStateChanged, [&player](Qt::ApplicationState s) {
        player.OnActivated(s == Qt::ApplicationActive);
    });
    player.Start();
    felux::SessionEnd sessionEnd(player);
    felux::HandOverServer handOver(player, launch.handOverSocket, std::move(launch.laterFiles));
    felux::MprisService mpris(player, launch.runtimeFolder, [&player](const std::string& path) {
        felux::ReceiveHandedFiles(player, {path}, true);
    });
    // The bus is connected on a thread of its own and never waited for: a bus slow to answer
    // would hold up the start. Until it answers the remote is not there and the screen saver
    // is asked nothing; it is asked then if a video plays.
    felux::SessionBus sessionBus(busFound, [&mpris, &screenSaver](const QDBusConnection& bus) {
        screenSaver.Attach(bus);
        mpris.Attach(bus);
    });

    onOpenNews = [&player] { player.OnOpenNews(); };

    // Each file's decoders free their frame buffers into the heap, where glibc keeps them
    // resident: handed back once a second, a long list stays some 10 MiB lower for 4 % more CPU.
    // Handing back at every free instead (a fixed mmap threshold) saves 20 MiB but faults every
    // buffer in anew, for 11 % more CPU; so does handing back after every open, which also holds
    // up each new file's picture.
    int ticksToTrim = 0;
    felux::TickClock clock([&] {
        if (--ticksToTrim <= 0) {
            ticksToTrim = kTicksPerTrim;
            ::malloc_trim(0);
        }
        player.Tick();
        if (player.Ended()) {
            clock.Stop();
            felux::XConnectionLossSavesDone();
            // exit(), not quit(): quit() asks the windows, and ours refuse to close by themselves.
            QCoreApplication::exit(0);
            return;
        }
        mpris.OnTick();
    });
    app.installEventFilter(&clock);
    // The first tick loads the skin and opens the file: as soon as the event loop runs, not a
    // whole interval later.
    promptTick = [&clock] { clock.Prompt(); };
    clock.Start();
    const int status = app.exec();
    // The player goes before the engine: news of it must find no one. The clock goes first.
    onOpenNews = nullptr;
    promptTick = [] {};
    return status;
}
