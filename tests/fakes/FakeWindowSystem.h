// Window port fake: records every call as text and keeps the rectangles it was given.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/WindowSystem.h"

namespace felux::test {

const char* Name(WindowId id);

class FakeWindowSystem : public WindowSystem {
public:
    void Place(WindowId id, Rect r, bool show, Stacking stacking) override;
    void Resize(WindowId id, int width, int height) override;
    void Raise(WindowId id) override;
    void StackUnder(WindowId id, WindowId over) override {
        log.push_back(std::string("stack ") + Name(id) + " under " + Name(over));
    }
    Rect WindowRect(WindowId id) override { return rects[id]; }
    bool OnScreen(WindowId id) override { return !offScreen.contains(id); }
    Size ScreenSize() override { return screen; }
    double DeviceScale() override { return deviceScale; }
    Rect WorkArea() override { return workArea; }
    void SetTitle(WindowId id, const std::string& title) override;
    void SetRegion(WindowId id, const std::vector<Rect>& spans) override;
    void Invalidate(WindowId id) override;
    void InvalidateArea(WindowId id, Rect area) override;
    Point CursorPosition() override { return cursor; }
    void MoveCursor(Point p) override { cursor = p; }
    void ShowCursor(bool show) override { cursorShown += show ? 1 : -1; }
    void KeepDisplayAwake() override { ++awakeTaps; }
    void StartSystemMove(WindowId id) override { log.push_back(std::string("move ") + Name(id)); }
    void Minimise(WindowId id) override { log.push_back(std::string("minimise ") + Name(id)); }
    void Restore(WindowId id) override { log.push_back(std::string("restore ") + Name(id)); }
    void Activate(WindowId id) override { log.push_back(std::string("activate ") + Name(id)); }

    std::vector<std::string> log;
    std::map<WindowId, Rect> rects;
    std::map<WindowId, std::string> titles;
    std::map<WindowId, std::vector<Rect>> regions;
    std::set<WindowId> offScreen;  // not shown by the desktop yet, however placed
    Size screen{1280, 1024};
    double deviceScale = 1.0;
    Rect workArea{0, 0, 1280, 1024};
    Point cursor;
    int cursorShown = 0;  // shows minus hides
    int awakeTaps = 0;
};


}  // namespace felux::test
