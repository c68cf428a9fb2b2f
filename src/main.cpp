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
#include "qt/PlaylistEditorDlg.h"
#include "qt/QtPlaylistDialogs.h"
#include "qt/XRandrDisplayModes.h"
#include "qt/QtKeyFeed.h"
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
    felux::QtEditorWindow editorWindow;
    windows.SetEditor([&editorWindow] { return editorWindow.Widget(); });
    // Choosers belong to the editor while it is open, so that they come up over it.
    felux::QtPlaylistDialogs dialogs([&editorWindow, &mainWindow]() -> QWidget* {
        return editorWindow.Widget() ? editorWindow.Widget() : &mainWindow;
    });

    // The picture widget is native, so mpv can draw into it.
    felux::MpvEngine media([&videoWindow]() -> std::optional<std::int64_t> {
        const WId wid = videoWindow.Picture()->winId();
        // mpv looks the window up on its own X connection: it must exist on the server by then.
        QGuiApplication::sync();
        return static_cast<std::int64_t>(wid);
    });
    felux::MpvSystemVolume systemVolume(media);
    auto toStandardError = [](const std::string& text) { std::fputs(text.c_str(), stderr); };

    felux::MainPlayerDlg player(
        {windows, keys, displayModes, media, systemVolume, toStandardError, &editorWindow, &dialogs}, *folder,
        std::move(args));
    mainWindow.SetPlayer(&player);
    editorWindow.SetPlayer(&player, &mainWindow);
    dialogs.SetReceivers([&player](int id) { player.OnPopupChosen(id); },
                         [&player](std::optional<std::string> path) { player.OnFileChosen(std::move(path)); });
    videoWindow.SetRecord(&player.videoInput);
    QObject::connect(&app, &QGuiApplication::applicationStateChanged, [&player](Qt::ApplicationState s) {
        player.OnActivateApp(s == Qt::ApplicationActive);
    });
    player.OnInitDialog();

    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        player.OnTimer();
        if (player.Ended()) {
            timer.stop();
            // exit(), not quit(): quit() asks the windows, and ours refuse to close by themselves.
            QCoreApplication::exit(0);
        }
    });
    timer.start(40);
    return app.exec();
}
