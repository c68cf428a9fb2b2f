// Window port fake: records every call as text and keeps the rectangles it was given.
#include "FakeWindowSystem.h"

namespace felux::test {

const char* Name(WindowId id) {
    switch (id) {
        case WindowId::Main:
            return "Main";
        case WindowId::Panel:
            return "Panel";
        case WindowId::Video:
            return "Video";
        case WindowId::Picture:
            return "Picture";
        case WindowId::Lyrics:
            return "Lyrics";
        case WindowId::Editor:
            return "Editor";
    }
    return "?";
}

void FakeWindowSystem::Place(WindowId id, Rect r, bool show, Stacking stacking) {
    rects[id] = r;
    const char* stack = stacking == Stacking::Topmost ? " topmost" : stacking == Stacking::Normal ? " normal" : "";
    log.push_back(std::string("Place ") + Name(id) + " " + std::to_string(r.x) + "," + std::to_string(r.y) + " " +
                  std::to_string(r.width) + "x" + std::to_string(r.height) + (show ? " shown" : "") + stack);
}

void FakeWindowSystem::Resize(WindowId id, int width, int height) {
    rects[id].width = width;
    rects[id].height = height;
    log.push_back(std::string("Resize ") + Name(id) + " " + std::to_string(width) + "x" + std::to_string(height));
}

void FakeWindowSystem::Raise(WindowId id) { log.push_back(std::string("Raise ") + Name(id)); }

void FakeWindowSystem::SetTitle(WindowId id, const std::string& title) {
    titles[id] = title;
    log.push_back(std::string("SetTitle ") + Name(id));
}

void FakeWindowSystem::SetRegion(WindowId id, const std::vector<Rect>& spans) {
    regions[id] = spans;
    log.push_back(std::string("SetRegion ") + Name(id));
}

void FakeWindowSystem::Invalidate(WindowId id) { log.push_back(std::string("Invalidate ") + Name(id)); }
void FakeWindowSystem::InvalidateArea(WindowId id, Rect area) {
    log.push_back(std::string("Invalidate ") + Name(id) + " " + std::to_string(area.x) + "," + std::to_string(area.y) +
                  " " + std::to_string(area.width) + "x" + std::to_string(area.height));
}

}  // namespace felux::test
