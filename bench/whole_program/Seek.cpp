// Seeks as a user makes them against the mpv program's seeks through its IPC socket. Both players
// run the same script, which writes to a pipe when playback restarts, i.e. when the first frame of
// the new position is shown; the bench reads the pipe as the line comes, so that both are timed
// from the input to that frame alike.
#include "whole_program/Seek.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <dbus/dbus.h>
#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <cmath>
#include <cstdint>
#include <map>

#include "whole_program/LineFeed.h"
#include "whole_program/PlayerScripts.h"

namespace felux::bench {
namespace {

constexpr auto kFirstFrameWait = 20s;
constexpr auto kSeekWait = 3s;
// The player takes no keys for 18 ticks after playback starts.
constexpr auto kBeforeFirstSeek = 1500ms;
constexpr auto kBetweenSeeks = 300ms;
constexpr auto kKeyHeld = 60ms;
constexpr auto kSpaceHeld = 150ms;
// The player's search step while playing, as its settings have it by default.
constexpr double kSearchSeconds = 4.5;
constexpr int kProgressPixels = 138;
constexpr int kProgressLeft = 63, kProgressMiddleY = 12;
constexpr double kUnitsPerSecond = 1e6;  // the player keeps media times in microseconds
// Half a frame of the 25 fps clip: landings closer than this show the same frame.
constexpr double kSameFrame = 0.02;
constexpr double kGoalMs = 30;

// Clicks and keys as the X server's test extension makes them, indistinguishable from a user's.
// The library is opened at run time: only the bench needs it, and no headers come with it.
class FakeInput {
public:
    FakeInput() : display_(XOpenDisplay(nullptr)), library_(dlopen("libXtst.so.6", RTLD_NOW)) {
        if (!library_) return;
        motion_ = reinterpret_cast<MotionFn>(dlsym(library_, "XTestFakeMotionEvent"));
        button_ = reinterpret_cast<ButtonFn>(dlsym(library_, "XTestFakeButtonEvent"));
        key_ = reinterpret_cast<KeyFn>(dlsym(library_, "XTestFakeKeyEvent"));
    }
    ~FakeInput() {
        if (display_) XCloseDisplay(display_);
        if (library_) dlclose(library_);
    }
    FakeInput(const FakeInput&) = delete;
    FakeInput& operator=(const FakeInput&) = delete;

    bool Ready() const { return display_ && motion_ && button_ && key_; }

    void MoveTo(int x, int y) {
        motion_(display_, -1, x, y, 0);
        XSync(display_, False);
    }
    // The press and release of the left button; the moment the press went out.
    Clock::time_point Click() {
        button_(display_, 1, True, 0);
        button_(display_, 1, False, 0);
        const auto at = Clock::now();
        XFlush(display_);
        return at;
    }
    // A key held for a while; the moment it went down.
    Clock::time_point Hold(KeySym symbol, std::chrono::milliseconds held) {
        const unsigned code = XKeysymToKeycode(display_, symbol);
        key_(display_, code, True, 0);
        const auto at = Clock::now();
        XFlush(display_);
        std::this_thread::sleep_for(held);
        key_(display_, code, False, 0);
        XFlush(display_);
        return at;
    }

private:
    using MotionFn = int (*)(Display*, int, int, int, unsigned long);
    using ButtonFn = int (*)(Display*, unsigned, Bool, unsigned long);
    using KeyFn = int (*)(Display*, unsigned, Bool, unsigned long);
    Display* display_;
    void* library_;
    MotionFn motion_ = nullptr;
    ButtonFn button_ = nullptr;
    KeyFn key_ = nullptr;
};

// A session bus of the bench's own, and the player's remote on it, as a desktop's media keys call it.
class Remote {
public:
    explicit Remote(const fs::path& folder)
        : socket_(folder / "bus"),
          daemon_({"/usr/bin/dbus-daemon", "--session", "--nofork", "--address=unix:path=" + socket_.string()}, {}) {
        for (int k = 0; k < 200 && !fs::exists(socket_); ++k) std::this_thread::sleep_for(10ms);
        DBusError error;
        dbus_error_init(&error);
        connection_ = dbus_connection_open_private(Address().c_str(), &error);
        if (connection_ && !dbus_bus_register(connection_, &error)) {
            dbus_connection_close(connection_);
            dbus_connection_unref(connection_);
            connection_ = nullptr;
        }
        dbus_error_free(&error);
    }
    ~Remote() {
        if (!connection_) return;
        dbus_connection_close(connection_);
        dbus_connection_unref(connection_);
    }
    Remote(const Remote&) = delete;
    Remote& operator=(const Remote&) = delete;

    bool Ready() const { return connection_ != nullptr; }
    std::string Address() const { return "unix:path=" + socket_.string(); }

    // The player has taken its name on the bus.
    bool WaitForPlayer() {
        for (int k = 0; k < 500; ++k) {
            if (dbus_bus_name_has_owner(connection_, kName, nullptr)) return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    // SetPosition on the first entry, without waiting for an answer; the moment it went out.
    Clock::time_point SetPosition(double seconds) {
        DBusMessage* message = dbus_message_new_method_call(kName, "/org/mpris/MediaPlayer2",
                                                            "org.mpris.MediaPlayer2.Player", "SetPosition");
        const char* track = "/org/felux/Track/0";
        const dbus_int64_t micros = std::llround(seconds * 1e6);
        dbus_message_append_args(message, DBUS_TYPE_OBJECT_PATH, &track, DBUS_TYPE_INT64, &micros, DBUS_TYPE_INVALID);
        dbus_message_set_no_reply(message, TRUE);
        const auto at = Clock::now();
        dbus_connection_send(connection_, message, nullptr);
        dbus_connection_flush(connection_);
        dbus_message_unref(message);
        return at;
    }

private:
    static constexpr const char* kName = "org.mpris.MediaPlayer2.felux";
    fs::path socket_;
    Child daemon_;
    DBusConnection* connection_ = nullptr;
};

// mpv's IPC socket, to which its seeks are written.
class MpvSocket {
public:
    explicit MpvSocket(const fs::path& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
        for (int k = 0; k < 500; ++k) {
            fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
            if (connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return;
            close(fd_);
            fd_ = -1;
            std::this_thread::sleep_for(10ms);
        }
    }
    ~MpvSocket() {
        if (fd_ >= 0) close(fd_);
    }
    MpvSocket(const MpvSocket&) = delete;
    MpvSocket& operator=(const MpvSocket&) = delete;

    bool Ready() const { return fd_ >= 0; }
    // The moment the command went out.
    Clock::time_point Seek(double seconds, const char* flags) {
        char line[128];
        const int n = std::snprintf(line, sizeof line, "{\"command\":[\"seek\",%.7f,\"%s\"]}\n", seconds, flags);
        const auto at = Clock::now();
        Send(line, n);
        return at;
    }
    void Pause() {
        const char line[] = "{\"command\":[\"set_property\",\"pause\",true]}\n";
        Send(line, static_cast<int>(sizeof line) - 1);
    }

private:
    void Send(const char* line, int n) {
        if (write(fd_, line, static_cast<std::size_t>(n)) != n) std::fprintf(stderr, "mpv's socket took no command\n");
    }
    int fd_ = -1;
};

enum class Way { Bar, Key, Remote };

const char* WayName(Way way) {
    switch (way) {
        case Way::Bar: return "a click on the progress bar";
        case Way::Key: return "the search key '.'";
        case Way::Remote: return "the remote's SetPosition";
    }
    return "";
}

// One seek of a launch: by which way, and where to (a progress pixel, or seconds for the remote).
struct SeekStep {
    Way way;
    double where = 0;
};

// Back and forth within the 10 s clip while it plays on: the key steps 4.5 s on, the rest jumps.
constexpr SeekStep kSchedule[] = {{Way::Key},          {Way::Bar, 28}, {Way::Remote, 6.5}, {Way::Bar, 41},
                                  {Way::Remote, 1.0},  {Way::Key},     {Way::Bar, 69},     {Way::Remote, 2.0}};

// The bar's target as the player computes it: the length in its units over the bar's pixels.
double BarTarget(double duration, double pixel) {
    const auto units = static_cast<std::int64_t>(std::llround(duration * kUnitsPerSecond));
    return static_cast<double>(units / kProgressPixels * static_cast<std::int64_t>(pixel)) / kUnitsPerSecond;
}

struct Landing {
    double ms = 0, position = 0;
};

// Each step's landing while playing, timed, or nothing for a seek whose frame never came; then,
// paused, where each absolute step lands: a script reading the position while the clip plays may
// read it a frame late.
struct LaunchResult {
    std::vector<std::optional<Landing>> playing, paused;
};

constexpr auto kPauseSettles = 500ms;

std::optional<Landing> Awaited(LineFeed& feed, Clock::time_point sent) {
    const auto restart = feed.Next("restart", std::chrono::duration_cast<std::chrono::milliseconds>(kSeekWait));
    if (!restart) return std::nullopt;
    return Landing{std::chrono::duration<double, std::milli>(restart->at - sent).count(), restart->value};
}

// The clip's length once loaded, after its first frame; nothing if either never came.
std::optional<double> FirstFrame(LineFeed& feed) {
    const auto loaded = feed.Next("loaded", std::chrono::duration_cast<std::chrono::milliseconds>(kFirstFrameWait));
    if (!loaded || !feed.Next("restart", std::chrono::duration_cast<std::chrono::milliseconds>(kFirstFrameWait)))
        return std::nullopt;
    std::this_thread::sleep_for(kBeforeFirstSeek);
    return loaded->value;
}

LaunchResult MpvLaunch(const Paths& p, LineFeed& feed, const fs::path& script, const fs::path& folder) {
    const fs::path socket = folder / "mpv.sock";
    std::error_code ec;
    fs::remove(socket, ec);
    feed.Clear();
    Child mpv({"/usr/bin/mpv", "--no-config", "--ao=null", "--vo=x11", "--script=" + script.string(),
               "--input-ipc-server=" + socket.string(), p.clip},
              {});
    MpvSocket ipc(socket);
    const std::optional<double> duration = FirstFrame(feed);
    LaunchResult result;
    const auto seek = [&](const SeekStep& step) -> std::optional<Landing> {
        if (!duration || !ipc.Ready()) return std::nullopt;
        Clock::time_point sent;
        switch (step.way) {
            case Way::Bar: sent = ipc.Seek(BarTarget(*duration, step.where), "absolute"); break;
            case Way::Key: sent = ipc.Seek(kSearchSeconds, "relative+exact"); break;
            case Way::Remote: sent = ipc.Seek(step.where, "absolute"); break;
        }
        const std::optional<Landing> landing = Awaited(feed, sent);
        std::this_thread::sleep_for(kBetweenSeeks);
        return landing;
    };
    for (const SeekStep& step : kSchedule) result.playing.push_back(seek(step));
    if (ipc.Ready()) ipc.Pause();
    std::this_thread::sleep_for(kPauseSettles);
    for (const SeekStep& step : kSchedule) result.paused.push_back(step.way == Way::Key ? std::nullopt : seek(step));
    return result;
}

LaunchResult FeluxLaunch(const Paths& p, LineFeed& feed, const fs::path& script, ScreenWatch& screen, FakeInput& input,
                         Remote& remote) {
    FreshHome(p);
    feed.Clear();
    std::vector<std::string> env = FeluxEnv(p, "x11");
    env.push_back("FELUX_MPV_SCRIPT=" + script.string());
    env.push_back("DBUS_SESSION_BUS_ADDRESS=" + remote.Address());
    Child felux({p.felux, p.clip}, env);
    const std::optional<double> duration = FirstFrame(feed);
    const bool onBus = duration && remote.WaitForPlayer();
    LaunchResult result;
    const auto seek = [&](const SeekStep& step) -> std::optional<Landing> {
        const std::optional<std::pair<int, int>> panel = screen.PanelOrigin();
        if (!duration || !panel || (step.way == Way::Remote && !onBus)) return std::nullopt;
        Clock::time_point sent;
        switch (step.way) {
            case Way::Bar:
                input.MoveTo(panel->first + kProgressLeft + static_cast<int>(step.where), panel->second + kProgressMiddleY);
                sent = input.Click();
                break;
            case Way::Key: sent = input.Hold(XK_period, kKeyHeld); break;
            case Way::Remote: sent = remote.SetPosition(step.where); break;
        }
        const std::optional<Landing> landing = Awaited(feed, sent);
        std::this_thread::sleep_for(kBetweenSeeks);
        return landing;
    };
    for (const SeekStep& step : kSchedule) result.playing.push_back(seek(step));
    // SPACE pauses: held over a few ticks, which poll the keys.
    input.Hold(XK_space, kSpaceHeld);
    std::this_thread::sleep_for(kPauseSettles);
    for (const SeekStep& step : kSchedule) result.paused.push_back(step.way == Way::Key ? std::nullopt : seek(step));
    return result;
}

void ShowWay(Way way, const std::vector<double>& felux, const std::vector<double>& mpv) {
    const double difference = SpreadOf(felux).median - SpreadOf(mpv).median;
    std::printf("  seek by %s, input to the first new frame, ms min / median / max\n", WayName(way));
    std::printf("    FELUX %s (%zu)   mpv by IPC %s (%zu)   difference of medians %.0f\n",
                Show(SpreadOf(felux), "%.0f").c_str(), felux.size(), Show(SpreadOf(mpv), "%.0f").c_str(), mpv.size(),
                difference);
    std::printf("    goal: within %.0f ms of mpv's: %s\n", kGoalMs,
                felux.empty() || mpv.empty() ? "not measured" : difference <= kGoalMs ? "met" : "MISSED");
}

}  // namespace

void Seeking(const Paths& p, ScreenWatch& screen, int runs) {
    const fs::path folder = fs::temp_directory_path() / ("felux-bench-seek-" + std::to_string(getpid()));
    std::error_code ec;
    fs::create_directories(folder, ec);
    {
        LineFeed feed(folder / "restarts");
        FakeInput input;
        Remote remote(folder);
        const fs::path script = folder / "restarts.lua";
        WriteRestartScript(script, feed.Path());
        if (!feed.Open() || !input.Ready() || !remote.Ready()) {
            std::printf("seek: not measured (%s)\n", !feed.Open()    ? "no pipe"
                                                     : !input.Ready() ? "no X test extension"
                                                                      : "no session bus");
            return;
        }
        std::map<Way, std::vector<double>> fMs, mMs;
        int compared = 0, same = 0;
        double worst = 0;
        for (int k = 0; k < runs; ++k) {
            LaunchResult m, f;
            InTurn(
                k, [&] { m = MpvLaunch(p, feed, script, folder); },
                [&] { f = FeluxLaunch(p, feed, script, screen, input, remote); });
            for (std::size_t s = 0; s < std::size(kSchedule); ++s) {
                const Way way = kSchedule[s].way;
                if (f.playing[s]) fMs[way].push_back(f.playing[s]->ms);
                if (m.playing[s]) mMs[way].push_back(m.playing[s]->ms);
                // A relative seek lands where the clip had got to; the absolute ones are compared.
                const std::optional<Landing>&fp = f.paused[s], &mp = m.paused[s];
                if (way == Way::Key || !fp || !mp) continue;
                const double apart = std::abs(fp->position - mp->position);
                if (apart >= kSameFrame)
                    std::printf("  launch %d, seek %zu by %s: FELUX at %.3f s, mpv at %.3f s\n", k + 1, s + 1,
                                WayName(way), fp->position, mp->position);
                ++compared;
                same += apart < kSameFrame;
                worst = std::max(worst, apart);
            }
        }
        std::printf("seek, vo=x11, %d launches each of %zu seeks while playing\n", runs, std::size(kSchedule));
        for (Way way : {Way::Bar, Way::Key, Way::Remote}) ShowWay(way, fMs[way], mMs[way]);
        std::printf("  landing of the bar's and the remote's seeks made again while paused: %d of %d on mpv's frame, widest apart %.3f s\n", same,
                    compared, worst);
        std::printf("    goal: every one on mpv's frame: %s\n",
                    compared == 0 ? "not measured" : same == compared ? "met" : "MISSED");
    }
    fs::remove_all(folder, ec);
}

}  // namespace felux::bench
