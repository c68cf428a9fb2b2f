// The program needs X11: choose Qt's xcb platform, and find out early when no X display answers.
#include "qt/X11Session.h"

#include <QByteArray>
#include <QtGlobal>
#include <X11/Xlib.h>

namespace felux {

std::optional<std::string> PrepareX11Session() {
    // Video embedding, window masks and XRandR are X11 features: a Wayland session runs the
    // player through XWayland.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("xcb")) return std::nullopt;
    Display* display = XOpenDisplay(nullptr);
    if (display) {
        XCloseDisplay(display);
        return std::nullopt;
    }
    const QByteArray name = qgetenv("DISPLAY");
    std::string message = "felux: cannot open the X display";
    message += name.isEmpty() ? std::string(" (DISPLAY is not set)") : " '" + name.toStdString() + "'";
    message +=
        ".\nFELUX needs an X server; in a Wayland session it runs through XWayland, which must be "
        "running and named by DISPLAY.\n";
    return message;
}

}  // namespace felux
