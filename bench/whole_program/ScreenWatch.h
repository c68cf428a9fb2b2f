// What the whole-program bench sees on the X screen: the clips' coloured frames and the panel.
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace felux::bench {

// Half the width of the list's picture, twice the widest bar of its test pattern.
constexpr int kBandRun = 320;

enum class Colour { Nothing, Green, Magenta };

inline Colour ColourOf(unsigned long pixel) {
    const unsigned long r = (pixel >> 16) & 255, g = (pixel >> 8) & 255, b = pixel & 255;
    if (g >= 200 && r <= 60 && b <= 60) return Colour::Green;
    if (r >= 200 && b >= 200 && g <= 60) return Colour::Magenta;
    return Colour::Nothing;
}

// Looks at the X screen: the clips carry a pure green frame (the list's every other entry a
// magenta one), the panel is the window titled as ours.
class ScreenWatch {
public:
    ScreenWatch() : display_(XOpenDisplay(nullptr)) {
        // The players' windows come and go while they are looked at: such errors mean "not there".
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~ScreenWatch() {
        if (display_) XCloseDisplay(display_);
    }
    bool Open() const { return display_ != nullptr; }

    // Some rows of the screen show the clips' green.
    bool VideoShown() {
        const Window root = DefaultRootWindow(display_);
        const int width = DisplayWidth(display_, DefaultScreen(display_));
        const int height = DisplayHeight(display_, DefaultScreen(display_));
        int hits = 0;
        for (int y = 4; y < height && hits < 16; y += 8) {
            XImage* row = XGetImage(display_, root, 0, y, static_cast<unsigned>(width), 1, AllPlanes, ZPixmap);
            if (!row) continue;
            for (int x = 0; x < width; x += 4) {
                const unsigned long p = XGetPixel(row, x, 0);
                const unsigned long r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
                if (g >= 200 && r <= 60 && b <= 60) ++hits;
            }
            XDestroyImage(row);
        }
        return hits >= 16;
    }

    // The colour of the clip's frame on the screen, read from one row through its top band; the
    // row is looked for over the whole screen while none is known or the known one shows nothing.
    Colour FrameColour() {
        if (!band_ && !FindBand()) return Colour::Nothing;
        const Colour seen = BandColour();
        if (seen == Colour::Nothing) band_.reset();
        return seen;
    }

    // The panel window's pixels while it is mapped; nothing before.
    std::optional<std::vector<unsigned long>> PanelPixels() {
        const std::optional<Window> panel = Find(DefaultRootWindow(display_), 0);
        if (!panel) return std::nullopt;
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display_, *panel, &attributes) || attributes.map_state != IsViewable)
            return std::nullopt;
        XImage* image = XGetImage(display_, *panel, 0, 0, static_cast<unsigned>(attributes.width),
                                  static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
        if (!image) return std::nullopt;
        std::vector<unsigned long> pixels;
        for (int y = 0; y < attributes.height; ++y)
            for (int x = 0; x < attributes.width; ++x) pixels.push_back(XGetPixel(image, x, y));
        XDestroyImage(image);
        return pixels;
    }

    // The panel's top left corner on the screen while it is mapped.
    std::optional<std::pair<int, int>> PanelOrigin() {
        const std::optional<Window> panel = Find(DefaultRootWindow(display_), 0);
        if (!panel) return std::nullopt;
        int x = 0, y = 0;
        Window child = 0;
        if (!XTranslateCoordinates(display_, *panel, DefaultRootWindow(display_), 0, 0, &x, &y, &child))
            return std::nullopt;
        return std::pair{x, y};
    }

private:
    struct Band {
        int y = 0, x = 0, width = 0;
    };

    // The first screen row with a run of frame colour as wide as half the list's picture lies in
    // its top band (the test pattern's green and magenta bars are narrower): a few pixels lower
    // is inside the band whatever the scan's step.
    bool FindBand() {
        const Window root = DefaultRootWindow(display_);
        const int width = DisplayWidth(display_, DefaultScreen(display_));
        const int height = DisplayHeight(display_, DefaultScreen(display_));
        for (int y = 0; y + 8 < height; y += 4) {
            XImage* row = XGetImage(display_, root, 0, y, static_cast<unsigned>(width), 1, AllPlanes, ZPixmap);
            if (!row) continue;
            int start = -1, best = 0, bestStart = 0;
            for (int x = 0; x <= width; ++x) {
                const bool coloured = x < width && ColourOf(XGetPixel(row, x, 0)) != Colour::Nothing;
                if (coloured && start < 0) start = x;
                if (!coloured && start >= 0) {
                    if (x - start > best) best = x - start, bestStart = start;
                    start = -1;
                }
            }
            XDestroyImage(row);
            if (best >= kBandRun) {
                band_ = Band{y + 4, bestStart, best};
                return true;
            }
        }
        return false;
    }

    // Nine pixels of ten of one colour, or none.
    Colour BandColour() {
        XImage* row = XGetImage(display_, DefaultRootWindow(display_), band_->x, band_->y,
                                static_cast<unsigned>(band_->width), 1, AllPlanes, ZPixmap);
        if (!row) return Colour::Nothing;
        int green = 0, magenta = 0;
        for (int x = 0; x < band_->width; ++x) {
            const Colour c = ColourOf(XGetPixel(row, x, 0));
            green += c == Colour::Green;
            magenta += c == Colour::Magenta;
        }
        XDestroyImage(row);
        if (green * 10 >= band_->width * 9) return Colour::Green;
        if (magenta * 10 >= band_->width * 9) return Colour::Magenta;
        return Colour::Nothing;
    }

    std::optional<Window> Find(Window w, int depth) {
        if (Named(w)) return w;
        if (depth > 3) return std::nullopt;
        Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display_, w, &root, &parent, &children, &count)) return std::nullopt;
        std::optional<Window> found;
        for (unsigned k = 0; k < count && !found; ++k) found = Find(children[k], depth + 1);
        if (children) XFree(children);
        return found;
    }
    bool Named(Window w) {
        const Atom name = XInternAtom(display_, "_NET_WM_NAME", False);
        const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display_, w, name, 0, 64, False, utf8, &type, &format, &items, &after, &data) !=
            Success)
            return false;
        const bool ours = data && std::string(reinterpret_cast<char*>(data), items) == " \u25ce FELUX";
        if (data) XFree(data);
        return ours;
    }

    Display* display_;
    std::optional<Band> band_;
};

}  // namespace felux::bench
