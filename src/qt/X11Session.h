// The program needs X11: choose Qt's xcb platform, and find out early when no X display answers.
#pragma once

#include <optional>
#include <string>

namespace felux {

// Sets QT_QPA_PLATFORM to xcb unless the user chose a platform. With xcb, returns the message
// for standard error when the X display cannot be opened; nullopt when the start may go on.
std::optional<std::string> PrepareX11Session();

}  // namespace felux
