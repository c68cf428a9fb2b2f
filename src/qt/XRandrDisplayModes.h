// Display modes of the X screen through XRandR: enumerate, switch, restore.
#pragma once

#include <vector>

#include "platform/DisplayModes.h"
#include "qt/QtDisplayModes.h"

struct _XDisplay;

namespace felux {

class XRandrDisplayModes : public DisplayModes {
public:
    // Opens its own X connection. Without X or XRandR it offers the current mode only
    // and never switches.
    XRandrDisplayModes();
    // Gives the desktop its mode back if a switch is still in force.
    ~XRandrDisplayModes() override;
    XRandrDisplayModes(const XRandrDisplayModes&) = delete;
    XRandrDisplayModes& operator=(const XRandrDisplayModes&) = delete;

    // The screen sizes, largest first, each at the screen's depth; the order only changes
    // when the server's list does, so a saved mode number keeps meaning the same mode.
    std::optional<DisplayMode> Enumerate(int number) override;
    // False, changing nothing, for a number that names no mode or when the server refuses.
    bool Switch(int number) override;
    // Does nothing unless a switch happened since the last restore.
    void Restore() override;

private:
    struct Entry {
        DisplayMode mode;
        int sizeIndex = 0;  // in the server's size list
    };
    std::vector<Entry> Modes();
    bool SetConfig(int sizeIndex, unsigned short rotation, short rate);

    _XDisplay* display_ = nullptr;
    QtDisplayModes fallback_;
    bool switched_ = false;
    int originalSize_ = 0;
    unsigned short originalRotation_ = 0;
    short originalRate_ = 0;
};

}  // namespace felux
