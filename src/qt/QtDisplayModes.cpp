// Display modes where switching is not available: the current mode only.
#include "qt/QtDisplayModes.h"

#include <QGuiApplication>
#include <QScreen>

namespace felux {

std::optional<DisplayMode> QtDisplayModes::Enumerate(int number) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (number != 0 || !screen) return std::nullopt;
    const QRect g = screen->geometry();
    return DisplayMode{g.width(), g.height(), screen->depth()};
}

bool QtDisplayModes::Switch(int number) { return number == 0; }

}  // namespace felux
