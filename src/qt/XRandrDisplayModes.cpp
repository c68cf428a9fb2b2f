// Display modes of the X screen through XRandR: enumerate, switch, restore.
#include "qt/XRandrDisplayModes.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <cstdio>

namespace felux {
namespace {

// Xlib's error handler takes no user data, so the count of trapped errors lives here.
// Only the UI thread switches modes.
int g_errors = 0;

int CountError(Display*, XErrorEvent*) {
    ++g_errors;
    return 0;
}

// Xlib's default handler ends the process on any error; a refused mode must not.
class ErrorTrap {
public:
    explicit ErrorTrap(Display* display) : display_(display) {
        g_errors = 0;
        previous_ = XSetErrorHandler(CountError);
    }
    ~ErrorTrap() { XSetErrorHandler(previous_); }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    // Waits for the server's answers to everything sent so far.
    bool Failed() {
        XSync(display_, False);
        return g_errors != 0;
    }

private:
    Display* display_;
    XErrorHandler previous_ = nullptr;
};

}  // namespace

XRandrDisplayModes::XRandrDisplayModes() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return;
    int eventBase = 0;
    int errorBase = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase)) {
        XCloseDisplay(display);
        return;
    }
    display_ = display;
}

XRandrDisplayModes::~XRandrDisplayModes() {
    if (!display_) return;
    Restore();
    XCloseDisplay(display_);
}

std::vector<XRandrDisplayModes::Entry> XRandrDisplayModes::Modes() {
    std::vector<Entry> out;
    if (!display_) return out;
    // A fresh query, not Xlib's cache: the size numbers must match what the server has now.
    XRRScreenConfiguration* config = XRRGetScreenInfo(display_, DefaultRootWindow(display_));
    if (!config) return out;
    int count = 0;
    const XRRScreenSize* sizes = XRRConfigSizes(config, &count);
    const int depth = DefaultDepth(display_, DefaultScreen(display_));
    for (int i = 0; sizes && i < count; ++i) {
        out.push_back({{sizes[i].width, sizes[i].height, depth}, i});
    }
    XRRFreeScreenConfigInfo(config);
    std::stable_sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) {
        if (a.mode.width != b.mode.width) return a.mode.width > b.mode.width;
        return a.mode.height > b.mode.height;
    });
    return out;
}

std::optional<DisplayMode> XRandrDisplayModes::Enumerate(int number) {
    if (!display_) return fallback_.Enumerate(number);
    const std::vector<Entry> modes = Modes();
    if (number < 0 || static_cast<std::size_t>(number) >= modes.size()) return std::nullopt;
    return modes[static_cast<std::size_t>(number)].mode;
}

bool XRandrDisplayModes::SetConfig(int sizeIndex, unsigned short rotation, short rate) {
    XRRScreenConfiguration* config = XRRGetScreenInfo(display_, DefaultRootWindow(display_));
    if (!config) return false;
    ErrorTrap trap(display_);
    const Status status = rate > 0 ? XRRSetScreenConfigAndRate(display_, config, DefaultRootWindow(display_),
                                                               sizeIndex, rotation, rate, CurrentTime)
                                   : XRRSetScreenConfig(display_, config, DefaultRootWindow(display_), sizeIndex,
                                                        rotation, CurrentTime);
    XRRFreeScreenConfigInfo(config);
    return !trap.Failed() && status == RRSetConfigSuccess;
}

bool XRandrDisplayModes::Switch(int number) {
    if (!display_) return fallback_.Switch(number);
    const std::vector<Entry> modes = Modes();
    if (number < 0 || static_cast<std::size_t>(number) >= modes.size()) return false;

    XRRScreenConfiguration* config = XRRGetScreenInfo(display_, DefaultRootWindow(display_));
    if (!config) return false;
    Rotation rotation = 0;
    const SizeID current = XRRConfigCurrentConfiguration(config, &rotation);
    const short rate = XRRConfigCurrentRate(config);
    XRRFreeScreenConfigInfo(config);

    // Remember the desktop's own mode only once: a second switch must still restore to it.
    if (!switched_) {
        originalSize_ = current;
        originalRotation_ = rotation;
        originalRate_ = rate;
    }
    const int target = modes[static_cast<std::size_t>(number)].sizeIndex;
    if (target == current) return true;
    if (!SetConfig(target, rotation, 0)) {
        std::fputs("XRandR refused the display mode\n", stderr);
        return false;
    }
    switched_ = true;
    return true;
}

void XRandrDisplayModes::Restore() {
    if (!display_ || !switched_) return;
    switched_ = false;
    if (!SetConfig(originalSize_, originalRotation_, originalRate_)) {
        // The rate may no longer exist; the size is what matters.
        SetConfig(originalSize_, originalRotation_, 0);
    }
}

}  // namespace felux
