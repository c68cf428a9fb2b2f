// Test helper: gives the X screen extra modes, and reads its size, through its own connection.
#include "XrandrTestModes.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <string>

namespace felux::test {
namespace {

Display* Connection() {
    static Display* display = XOpenDisplay(nullptr);
    return display;
}

int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

bool AddScreenModes(const std::vector<std::pair<int, int>>& sizes) {
    Display* d = Connection();
    if (!d) return false;
    XSetErrorHandler(IgnoreError);
    const Window root = DefaultRootWindow(d);
    XRRScreenResources* res = XRRGetScreenResources(d, root);
    if (!res || res->noutput < 1 || res->ncrtc < 1) return false;
    RROutput output = res->outputs[0];
    const RRCrtc crtc = res->crtcs[0];
    XRRCrtcInfo* crtcInfo = XRRGetCrtcInfo(d, res, crtc);
    const RRMode original = crtcInfo->mode;
    XRRFreeCrtcInfo(crtcInfo);
    for (const auto& [w, h] : sizes) {
        std::string name = std::to_string(w) + "x" + std::to_string(h) + "_test";
        XRRModeInfo info{};
        info.width = static_cast<unsigned>(w);
        info.height = static_cast<unsigned>(h);
        info.hTotal = info.width;
        info.vTotal = info.height;
        info.dotClock = static_cast<unsigned long>(w) * static_cast<unsigned long>(h) * 60;
        info.name = name.data();
        info.nameLength = static_cast<unsigned>(name.size());
        const RRMode mode = XRRCreateMode(d, root, &info);
        XRRAddOutputMode(d, output, mode);
        // The server lists a size for the old API once a CRTC has used it.
        XRRSetCrtcConfig(d, res, crtc, CurrentTime, 0, 0, mode, RR_Rotate_0, &output, 1);
    }
    XRRSetCrtcConfig(d, res, crtc, CurrentTime, 0, 0, original, RR_Rotate_0, &output, 1);
    XRRFreeScreenResources(res);
    XSync(d, False);
    int count = 0;
    XRRScreenConfiguration* config = XRRGetScreenInfo(d, root);
    if (!config) return false;
    XRRConfigSizes(config, &count);
    XRRFreeScreenConfigInfo(config);
    return count > static_cast<int>(sizes.size());
}

std::optional<std::pair<int, int>> CurrentScreenSize() {
    Display* d = Connection();
    if (!d) return std::nullopt;
    XRRScreenConfiguration* config = XRRGetScreenInfo(d, DefaultRootWindow(d));
    if (!config) return std::nullopt;
    Rotation rotation = 0;
    const SizeID current = XRRConfigCurrentConfiguration(config, &rotation);
    int count = 0;
    const XRRScreenSize* sizes = XRRConfigSizes(config, &count);
    std::optional<std::pair<int, int>> out;
    if (current < count) out = std::pair{sizes[current].width, sizes[current].height};
    XRRFreeScreenConfigInfo(config);
    return out;
}

}  // namespace felux::test
