// One exit when an X connection breaks: from the UI thread, whichever thread finds it broken.
#pragma once

namespace felux {

// Xlib ends the process from whichever thread's call finds its connection broken (Qt's handler
// ends in Xlib's default, exit(1)), and the engine's picture thread has a connection of its own:
// when the X server dies, two threads could run the exit handlers at once and free the same
// memory twice. After this call only the calling (UI) thread ends the process through exit();
// any other thread that finds its connection broken waits until the data files are written, then
// ends the process without running exit handlers. Call once, on the UI thread, after Qt has
// opened its connection (which installs Qt's handler) and before the engine starts.
void EndOnXConnectionLossOnThisThread();

// The data files are written (the exit sequence ran): a waiting thread may end the process now.
// exit() says so itself, after the handlers registered later than the install (the last saves).
void XConnectionLossSavesDone();

}  // namespace felux
