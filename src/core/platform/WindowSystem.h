// Port: placing and shaping the player's windows.
#pragma once

#include <string>
#include <vector>

#include "model/Point.h"

namespace felux {

// Lyrics: the lyrics view, in the video window where the picture would be.
enum class WindowId { Main, Panel, Video, Picture, Lyrics, Editor };

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
};

enum class Stacking { Keep, Normal, Topmost };

// A span wholly outside its window: a shape made of it alone hides the whole window.
inline constexpr Rect kNoVisibleSpan{-1, -1, 1, 1};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Screen coordinates; a window given zero width or height is not visible.
    virtual void Place(WindowId id, Rect r, bool show, Stacking stacking) = 0;
    virtual void Resize(WindowId id, int width, int height) = 0;
    // On top of the other windows of the desktop.
    virtual void Raise(WindowId id) = 0;
    // Directly under the window `over`, wherever that one is in the stack; a window manager may
    // bring `over` up above it instead.
    virtual void StackUnder(WindowId id, WindowId over) = 0;
    virtual Rect WindowRect(WindowId id) = 0;
    // Mapped and exposed: what is drawn in it now is seen.
    virtual bool OnScreen(WindowId id) = 0;
    // The desktop's size, used to check saved window positions.
    virtual Size ScreenSize() = 0;
    // Device pixels to a window point on the main window's screen: 1 on a plain desktop, 1.5 at 150 %.
    virtual double DeviceScale() = 0;
    // The part of the screen showing the video window that ordinary windows may use (without the
    // desktop's panels and docks), in screen coordinates.
    virtual Rect WorkArea() = 0;
    virtual void SetTitle(WindowId id, const std::string& title) = 0;
    // One rectangle per span, in the window's client coordinates; the union is the shape.
    // No spans: the whole window, unshaped. A shape of kNoVisibleSpan alone shows nothing.
    virtual void SetRegion(WindowId id, const std::vector<Rect>& spans) = 0;
    // The system moves the window with the held left button, as a title-bar drag would.
    virtual void StartSystemMove(WindowId id) = 0;
    virtual void Minimise(WindowId id) = 0;
    // Gives the window the keyboard focus, so that the application stays the active one.
    virtual void Activate(WindowId id) = 0;
    // Back from minimised.
    virtual void Restore(WindowId id) = 0;
    // The mouse pointer in screen coordinates.
    virtual Point CursorPosition() = 0;
    virtual void MoveCursor(Point p) = 0;
    // Over the player's windows; calls come in balanced pairs.
    virtual void ShowCursor(bool show) = 0;
    // Tells the desktop the user is still there, so that the screen saver does not start.
    virtual void KeepDisplayAwake() = 0;
    // Schedules a repaint of the window.
    virtual void Invalidate(WindowId id) = 0;
    // Schedules a repaint of the part of the window (window coordinates).
    virtual void InvalidateArea(WindowId id, Rect area) = 0;
};

}  // namespace felux
