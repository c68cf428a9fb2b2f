// Wiring: the Qt windows and adapters, the player core, and the 40 ms timer.
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <fcntl.h>
#include <cstdlib>

#include "app/DataFolder.h"
#include "input/KeyLatch.h"
#include "mpv/MpvEngine.h"
#include "mpv/MpvSystemVolume.h"
#include "player/MainPlayerDlg.h"
#include "qt/InstanceLock.h"
#include "qt/MainWindow.h"
#include "qt/XRandrDisplayModes.h"
#include "qt/QtKeyFeed.h"
#include "qt/QtTextPainter.h"
#include "qt/QtWindowSystem.h"
#include "qt/VideoWindow.h"

namespace {

std::optional<std::string> Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::optional<std::string>(v) : std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    // Standard descriptors that were closed at launch would be reused by the X connection and
    // then closed by code that means the standard ones.
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) < 0) ::open("/dev/null", O_RDWR);
    // The resources live in a static library: register them explicitly.
    Q_INIT_RESOURCE(felux);
    // Both windows carry the class "felux" whatever the program file is called.
    if (qEnvironmentVariableIsEmpty("RESOURCE_NAME")) qputenv("RESOURCE_NAME", "felux");
    QCoreApplication::setApplicationName(QStringLiteral("felux"));
    QApplication app(argc, argv);
    // libmpv needs C number formatting; Qt has just set the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    app.setQuitOnLastWindowClosed(false);

    felux::InstanceLock lock;
    if (!lock.TryAcquire()) return 0;

    QFile bundled(QStringLiteral(":/KR02.sys"));
    bundled.open(QIODevice::ReadOnly);
    const QByteArray keyList = bundled.readAll();
    const std::optional<std::filesystem::path> folder = felux::ResolveDataFolder({
        Env("FELUX_HOME"),
        QCoreApplication::applicationDirPath().toStdString(),
        Env("XDG_CONFIG_HOME"),
        Env("HOME"),
        std::string_view(keyList.constData(), static_cast<std::size_t>(keyList.size())),
    });
    if (!folder) return 1;

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);

    felux::MainWindow mainWindow;
    felux::VideoWindow videoWindow;
    felux::KeyLatch keys;
    felux::QtKeyFeed keyFeed(keys);
    app.installEventFilter(&keyFeed);
    felux::QtWindowSystem windows(mainWindow, videoWindow);
    felux::XRandrDisplayModes displayModes;

    // The picture widget is native, so mpv can draw into it.
    felux::MpvEngine media([&videoWindow]() -> std::optional<std::int64_t> {
        return static_cast<std::int64_t>(videoWindow.PictureWindow());
    });
    felux::MpvSystemVolume systemVolume(media);
    auto toStandardError = [](const std::string& text) { std::fputs(text.c_str(), stderr); };

    felux::QtTextPainter textPainter;

    felux::MainPlayerDlg player({windows, keys, displayModes, media, systemVolume, toStandardError, &textPainter},
                                *folder, std::move(args));
    mainWindow.SetPlayer(&player);
    videoWindow.SetRecord(&player.videoInput);
    videoWindow.SetCloseHandler([&player] { player.state.exitRequested = 1; });
    videoWindow.SetStripPainter([&player](felux::PixelSink& sink, int width, int height) {
        player.PaintTimedTextStrip(sink, width, height);
    });
    QObject::connect(&app, &QGuiApplication::applicationStateChanged, [&player](Qt::ApplicationState s) {
        player.OnActivateApp(s == Qt::ApplicationActive);
    });
    player.OnInitDialog();

    QTimer timer;
    auto tick = [&] {
        player.OnTimer();
        if (player.Ended()) {
            timer.stop();
            // exit(), not quit(): quit() asks the windows, and ours refuse to close by themselves.
            QCoreApplication::exit(0);
        }
    };
    QObject::connect(&timer, &QTimer::timeout, tick);
    timer.start(40);
    // The first tick loads the skin and opens the file: as soon as the event loop runs, not a
    // whole interval later.
    QTimer::singleShot(0, &timer, tick);
    return app.exec();
}
