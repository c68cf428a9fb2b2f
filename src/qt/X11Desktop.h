// What the player asks of the X11 desktop beyond Qt: the window manager's presence, EWMH stacking
// and taskbar hints, and whether a window still exists.
#pragma once

class QWidget;

namespace felux::x11 {

// True when an EWMH window manager runs on the display (it answers _NET_SUPPORTING_WM_CHECK).
bool WindowManagerRunning();
// The window still exists on the server; false also without an X11 display.
bool WindowExists(unsigned long window);
// The server clears the window to black on its own: a picture window is never filled by Qt,
// which would take seconds on a huge one and draw over the video output.
void BlackServerBackground(unsigned long window);
// Keeps a top-level window out of the taskbar and pager: it belongs to another window of ours.
// Written before the window maps, and sent to the manager when it is mapped already.
void SkipTaskbar(QWidget* window);
// Keeps a top-level window above ordinary windows (true) or among them (false), without
// recreating it: changing Qt's stay-on-top flag would, and mpv draws into the video window.
void KeepAbove(QWidget* window, bool above);
// Puts a top-level window on top of the others. A window manager is asked as a pager would
// ask, since it may refuse an application's own restack while another window has the focus;
// one that takes no such request (xfwm4) gets the application's own.
void RaiseTop(QWidget* window);
// Puts a top-level window directly under another one.
void StackUnder(QWidget* window, QWidget* over);

}  // namespace felux::x11
