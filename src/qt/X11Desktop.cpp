// What the player asks of the X11 desktop beyond Qt: the window manager's presence, EWMH stacking
// and taskbar hints, and whether a window still exists.
#include "qt/X11Desktop.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <vector>

// Last: Xlib's macros would clash with names in the Qt headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace felux::x11 {
namespace {

constexpr long kStateRemove = 0;
constexpr long kStateAdd = 1;
constexpr long kSourcePager = 2;

Display* TheDisplay() {
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

Atom Intern(Display* d, const char* name) { return XInternAtom(d, name, False); }

// A window's property of 32-bit items; empty when absent or of another type.
std::vector<unsigned long> Property(Display* d, Window w, Atom name, Atom type, long maxItems) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(d, w, name, 0, maxItems, False, type, &actualType, &format, &count, &after, &data) ==
            Success &&
        actualType == type && format == 32 && data)
        items.assign(reinterpret_cast<unsigned long*>(data), reinterpret_cast<unsigned long*>(data) + count);
    if (data) XFree(data);
    return items;
}

// Only the one request whose failure we expect is silenced; other errors keep Qt's handler.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

bool Exists(Display* d, Window w) {
    XSync(d, False);
    auto* previous = XSetErrorHandler(IgnoreError);
    XWindowAttributes attributes;
    const Status ok = XGetWindowAttributes(d, w, &attributes);
    XSync(d, False);
    XSetErrorHandler(previous);
    return ok != 0;
}

bool Mapped(QWidget* window) { return window->isVisible() && window->testAttribute(Qt::WA_Mapped); }

void SendToManager(Display* d, Window w, Atom message, long a0, long a1, long a2, long a3) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = message;
    e.xclient.format = 32;
    e.xclient.data.l[0] = a0;
    e.xclient.data.l[1] = a1;
    e.xclient.data.l[2] = a2;
    e.xclient.data.l[3] = a3;
    XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XFlush(d);
}

// Sets or clears states on a window: straight into the property while it is unmapped (the
// manager reads it when the window maps), through the manager once it is mapped. A window shown
// but not yet known to be mapped gets both: the manager may have read the property already, and
// the message, queued behind the map, reaches it once it manages the window.
void ChangeStates(QWidget* window, bool add, Atom first, Atom second) {
    Display* d = TheDisplay();
    if (!d || !window) return;
    const auto w = static_cast<Window>(window->winId());
    const Atom state = Intern(d, "_NET_WM_STATE");
    if (window->isVisible())
        SendToManager(d, w, state, add ? kStateAdd : kStateRemove, static_cast<long>(first),
                      static_cast<long>(second), kSourcePager);
    if (Mapped(window)) return;
    std::vector<unsigned long> states = Property(d, w, state, XA_ATOM, 64);
    std::erase_if(states, [&](unsigned long a) { return a == first || a == second; });
    if (add) {
        states.push_back(first);
        if (second != None) states.push_back(second);
    }
    XChangeProperty(d, w, state, XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(states.data()),
                    static_cast<int>(states.size()));
    XFlush(d);
}

// The running manager's check window, which refers to itself; none when no manager runs or a
// stale property of one that quit is left.
std::optional<Window> RunningManager(Display* d) {
    const Atom check = Intern(d, "_NET_SUPPORTING_WM_CHECK");
    const std::vector<unsigned long> root = Property(d, DefaultRootWindow(d), check, XA_WINDOW, 1);
    if (root.empty() || !Exists(d, root[0])) return std::nullopt;
    const std::vector<unsigned long> self = Property(d, root[0], check, XA_WINDOW, 1);
    if (self.empty() || self[0] != root[0]) return std::nullopt;
    return static_cast<Window>(root[0]);
}

}  // namespace

bool WindowManagerRunning() {
    Display* d = TheDisplay();
    return d && RunningManager(d);
}

bool WindowExists(unsigned long window) {
    Display* d = TheDisplay();
    return d && window != 0 && Exists(d, static_cast<Window>(window));
}

void BlackServerBackground(unsigned long window) {
    Display* d = TheDisplay();
    if (!d || window == 0) return;
    XSetWindowBackground(d, static_cast<Window>(window), BlackPixel(d, DefaultScreen(d)));
    XFlush(d);
}

void SkipTaskbar(QWidget* window) {
    Display* d = TheDisplay();
    if (!d) return;
    ChangeStates(window, true, Intern(d, "_NET_WM_STATE_SKIP_TASKBAR"), Intern(d, "_NET_WM_STATE_SKIP_PAGER"));
}

void KeepAbove(QWidget* window, bool above) {
    Display* d = TheDisplay();
    if (!d) return;
    ChangeStates(window, above, Intern(d, "_NET_WM_STATE_ABOVE"), None);
}

namespace {

// The running manager offers the restack message. Asked once per manager: its list is long, and
// the stacking of a start is on the way to its first picture.
bool ManagerRestacks(Display* d, Window manager) {
    static Window askedOf = None;
    static bool restacks = false;
    if (manager != askedOf) {
        const Atom wanted = Intern(d, "_NET_RESTACK_WINDOW");
        const std::vector<unsigned long> supported =
            Property(d, DefaultRootWindow(d), Intern(d, "_NET_SUPPORTED"), XA_ATOM, 1024);
        restacks = std::ranges::find(supported, wanted) != supported.end();
        askedOf = manager;
    }
    return restacks;
}

// Restacks a mapped window relative to a sibling (None: the whole stack), through the manager
// when one runs.
void Restack(Display* d, std::optional<Window> manager, QWidget* window, QWidget* sibling, int detail) {
    // Shown is enough: a window whose map is still on its way is stacked all the same.
    if (!window || !window->isVisible() || (sibling && !sibling->isVisible())) return;
    const auto w = static_cast<Window>(window->winId());
    const Window s = sibling ? static_cast<Window>(sibling->winId()) : None;
    if (manager && ManagerRestacks(d, *manager)) {
        SendToManager(d, w, Intern(d, "_NET_RESTACK_WINDOW"), kSourcePager, static_cast<long>(s), detail, 0);
        return;
    }
    // Without the hint (xfwm4 ignores it), an application's own request, which a manager that
    // framed the windows receives as a configure request naming the sibling.
    XWindowChanges changes{};
    changes.sibling = s;
    changes.stack_mode = detail;
    XReconfigureWMWindow(d, w, DefaultScreen(d), s != None ? (CWSibling | CWStackMode) : CWStackMode, &changes);
    XFlush(d);
}

}  // namespace

void RaiseTop(QWidget* window) {
    Display* d = TheDisplay();
    if (d) Restack(d, RunningManager(d), window, nullptr, Above);
}

// A manager is asked to put `over` above `window`: the same order, and one that managers which
// ignore the sibling (openbox lowers a window asked to go Below to the bottom of the desktop,
// under every other program) still get right by raising `over`.
void StackUnder(QWidget* window, QWidget* over) {
    Display* d = TheDisplay();
    if (!d) return;
    const std::optional<Window> manager = RunningManager(d);
    if (manager)
        Restack(d, manager, over, window, Above);
    else
        Restack(d, manager, window, over, Below);
}

}  // namespace felux::x11
